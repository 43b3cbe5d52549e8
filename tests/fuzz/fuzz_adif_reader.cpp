// The ADIF reader on arbitrary bytes: no crash, every row keeps the column
// layout (each field at its first column, at least 72 characters), and the
// one-pass reading of plain records agrees with the general rules.
#include <cstdint>
#include <cstdlib>

#include "log/adif_reader.h"
#include "log/qso_row.h"

namespace {

class CheckingSink : public AdifSink {
  public:
    void record(const QsoValues& values) override {
        const QByteArray bytes = QsoRow::compose(values);
        const QString row = QString::fromUtf8(bytes);
        if (row.size() < 72 || row.at(13) != QLatin1Char(' ')) {
            std::abort();
        }
        seen += bytes;
        for (int i = kListedFieldCount; i < kQsoFieldCount; ++i) {
            seen += '|' + values.values[static_cast<size_t>(i)].toByteArray();
        }
        seen += '|' + QByteArray::number(values.frequencyMhz, 'g', 17) + '|' +
                QByteArray::number(values.fileOffset) + '+' +
                QByteArray::number(values.fileLength) + '\n';
    }
    void message(const AdifMessage& message) override {
        if (message.text.isEmpty() || message.qsoNumber < 1) {
            std::abort();
        }
        seen += QByteArray::number(message.qsoNumber) + ' ' + message.text.toUtf8() + '\n';
    }
    QByteArray seen;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckingSink sink;
    AdifReader::parse(bytes, sink);
    CheckingSink general;
    AdifReader::parseByGeneralRules(bytes, general);
    if (sink.seen != general.seen) {
        std::abort();
    }
    return 0;
}
