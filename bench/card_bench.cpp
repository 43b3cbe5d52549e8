// QSL cards to PDF: N QSOs as today's single cards (one 140 x 90 mm page per
// QSO, ten lines) against the same QSOs grouped five to a station on cards
// with a six-row table, four cards on each A4 page over a 2 MB picture.
// Each run is a child process: its processor time and peak memory are its own.
//   card_bench [QSO_COUNT]      default 10000
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

#include "app/command_line.h"

namespace {

QByteArray field(const char* name, const QByteArray& value) {
    return '<' + QByteArray(name) + ':' + QByteArray::number(value.size()) + '>' + value + ' ';
}

// Five QSOs with each station, on five days.
void writeLog(const QString& path, int count) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("Card benchmark\n<ADIF_VER:5>3.1.4 <EOH>\n");
    const char* const bands[] = {"20M", "40M", "15M", "10M", "80M"};
    for (int i = 0; i < count; ++i) {
        const int station = i / 5;
        const QByteArray call = "DL" + QByteArray::number(station % 10) + "A" +
                                QByteArray::number(station).rightJustified(4, '0');
        const QByteArray date = "202401" + QByteArray::number(10 + i % 5);
        file.write(field("CALL", call) + field("QSO_DATE", date) + field("TIME_ON", "1200") +
                   field("BAND", bands[i % 5]) + field("MODE", "CW") + field("RST_SENT", "599") +
                   "<EOR>\n");
    }
}

// A photograph-like PNG of about 2 MB: noise does not compress.
void writePicture(const QString& path) {
    QImage image(1000, 700, QImage::Format_RGB32);
    QRandomGenerator random(29);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = qRgb(random.bounded(256), random.bounded(256), random.bounded(256));
        }
    }
    image.save(path);
}

void writeTemplate(const QString& path, bool table) {
    QByteArray bytes;
    const char* const lines[] = {"3             3",
                                 "10            10            14",
                                 "70            10            12",
                                 "10            20            10",
                                 "50            20            10",
                                 "10            30            10",
                                 "50            30            10",
                                 "80            30            10",
                                 "10            60            9",
                                 " 0             0             10 ",
                                 " 0             0             10 ",
                                 "De F9XQA",
                                 "via",
                                 "Date",
                                 "UTC",
                                 "Bande",
                                 "Mode",
                                 "RST",
                                 "73 de F9XQA",
                                 "",
                                 "",
                                 " 0 ",
                                 " 0 ",
                                 " 0 "};
    for (const char* line : lines) {
        bytes += QByteArray(line) + "\r\n";
    }
    if (table) {
        bytes +=
            "table.x = 10\r\ntable.y = 40\r\ntable.rows = 6\r\ntable.pitch = 4.5\r\n"
            "table.size = 8\r\ntable.column = 10 | date | Date\r\n"
            "table.column = 30 | time | UTC\r\ntable.column = 45 | band | Bande\r\n"
            "table.column = 65 | mode | Mode\r\ntable.column = 80 | rst | RST\r\n"
            "table.column = 95 | qsl | QSL\r\npicture.file = picture.png\r\n"
            "picture.print = 1\r\n";
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

struct Measure {
    double seconds = 0;
    double megabytes = 0;
    qint64 pdfBytes = 0;
};

Measure runChild(int argc, char** argv, const QStringList& arguments, const QString& pdf) {
    const pid_t child = fork();
    if (child == 0) {
        QGuiApplication app(argc, argv);
        std::FILE* null = std::fopen("/dev/null", "w");
        _exit(CommandLine(null, null).run(arguments));
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "run failed: %s\n", qPrintable(arguments.join(QLatin1Char(' '))));
    }
    Measure measure;
    measure.seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    measure.megabytes = usage.ru_maxrss / 1024.0;
    measure.pdfBytes = QFileInfo(pdf).size();
    return measure;
}

void report(const char* what, int qsos, const Measure& m) {
    std::printf("%-44s %6d QSOs  %7.2f s  %6.1f MB peak  PDF %6.1f MB\n", what, qsos, m.seconds,
                m.megabytes, static_cast<double>(m.pdfBytes) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString single = dir.filePath(QStringLiteral("single.qsl"));
    const QString table = dir.filePath(QStringLiteral("table.qsl"));
    writeTemplate(single, false);
    writeTemplate(table, true);
    writePicture(dir.filePath(QStringLiteral("picture.png")));
    std::printf(
        "picture: %.1f MB PNG\n",
        static_cast<double>(QFileInfo(dir.filePath(QStringLiteral("picture.png"))).size()) / 1e6);
    for (const int qsos : {count / 4, count}) {
        const QString log = dir.filePath(QStringLiteral("log%1.adi").arg(qsos));
        writeLog(log, qsos);
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        report("single cards, one page each (today)", qsos,
               runChild(argc, argv,
                        {QStringLiteral("cards"), log, single, QStringLiteral("--pdf"), pdf}, pdf));
        report("grouped, 6-row table, 4 per A4, 2 MB picture", qsos,
               runChild(argc, argv,
                        {QStringLiteral("cards"), log, table, QStringLiteral("--group"),
                         QStringLiteral("--per-page"), QStringLiteral("4"), QStringLiteral("--pdf"),
                         pdf},
                        pdf));
    }
    return 0;
}
