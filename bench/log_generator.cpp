#include "bench/log_generator.h"

#include <QFile>

namespace {

const char* const kBands[][2] = {{"160m", "1.83200"}, {"80m", "3.79500"},   {"40m", "7.05000"},
                                 {"20m", "14.19500"}, {"15m", "21.29000"},  {"10m", "28.49500"},
                                 {"2m", "144.30000"}, {"70cm", "432.20000"}};
const char* const kModes[] = {"SSB", "CW", "FT8", "RTTY"};

QByteArray field(const char* name, const QByteArray& value) {
    return QByteArray("<") + name + ':' + QByteArray::number(value.size()) + '>' + value + ' ';
}

}  // namespace

QByteArray benchmarkRecord(int index) {
    // Callsigns spread over many prefixes so that sorting has work to do.
    static const char* const prefixes[] = {"F", "EA", "DL", "G", "I", "K", "JA", "VK", "ON", "PA"};
    const QByteArray call = QByteArray(prefixes[index % 10]) +
                            QByteArray::number((index / 10) % 10) +
                            QByteArray(1, static_cast<char>('A' + (index * 7) % 26)) +
                            QByteArray(1, static_cast<char>('A' + (index * 13) % 26)) +
                            QByteArray(1, static_cast<char>('A' + (index / 26) % 26));
    const auto& band = kBands[index % 8];
    const QByteArray date = QByteArray::number(20000101 + (index % 28) + 100 * ((index / 28) % 12) +
                                               10000 * ((index / 336) % 24));
    const QByteArray time = QByteArray::number(100000 + (index % 2359) * 10).right(6);
    QByteArray record;
    record += field("CALL", call);
    record += field("QSO_DATE", date);
    record += field("TIME_ON", time);
    record += field("TIME_OFF", time);
    record += field("BAND", band[0]);
    record += field("FREQ", band[1]);
    record += field("MODE", kModes[index % 4]);
    record += field("RST_SENT", "599");
    record += field("RST_RCVD", "579");
    record += field("QSL_SENT", "N");
    record += field("QSL_RCVD", "N");
    record += field("OPERATOR", "F9XQA");
    record += field("STATION_CALLSIGN", "F9XQA");
    record += field("MY_GRIDSQUARE", "JO10AA");
    if (index % 5 == 0) {
        record += field("QSL_VIA", "F9XQC");
    }
    record += "<EOR>\n";
    return record;
}

bool writeBenchmarkLog(const QString& path, int qsoCount) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write("Benchmark log\n<ADIF_VER:5>3.1.4 <PROGRAMID:5>BENCH <EOH>\n");
    QByteArray batch;
    for (int i = 0; i < qsoCount; ++i) {
        batch += benchmarkRecord(i);
        if (batch.size() > (1 << 20)) {
            file.write(batch);
            batch.clear();
        }
    }
    file.write(batch);
    return file.error() == QFileDevice::NoError;
}
