// The ADIF reader on arbitrary bytes: no crash, and every row keeps the
// column layout (each field at its first column, at least 72 characters).
#include <cstdint>
#include <cstdlib>

#include "log/adif_reader.h"
#include "log/qso_row.h"

namespace {

class CheckingSink : public AdifSink {
  public:
    void record(const QsoValues& values) override {
        const QString row = QString::fromUtf8(QsoRow::compose(values));
        if (row.size() < 72 || row.at(13) != QLatin1Char(' ')) {
            std::abort();
        }
    }
    void message(const AdifMessage& message) override {
        if (message.text.isEmpty() || message.qsoNumber < 1) {
            std::abort();
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckingSink sink;
    AdifReader::parse(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), sink);
    return 0;
}
