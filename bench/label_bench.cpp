// Labels for many QSOs: time and peak memory of a label run to PDF and to the dump.
//   label_bench [QSO_COUNT]      default 10000 (5000 label rows, 625 sheets of format 1)
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/log_generator.h"
#include "labels/label_print_run.h"
#include "log/adif_reader.h"
#include "printing/dump_surface.h"
#include "printing/print_geometry.h"
#include "printing/printer_surface.h"
#include "selection/row_list.h"

namespace {

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

LabelOptions benchOptions() {
    LabelOptions options;
    options.station = QStringLiteral("F9XQA");
    options.format = 1;
    options.comment = QStringLiteral("Coupe du REF SSB");
    options.transceiver = QStringLiteral("FT 847 100 W");
    options.antenna = QStringLiteral("Dipole 2x10m");
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const int qsos = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;

    QByteArray log = "<EOH>\n";
    for (int i = 0; i < qsos; ++i) {
        log += benchmarkRecord(i);
    }
    AdifContents contents;
    AdifReader::parse(log, contents);
    RowList sorted(RowList::Order::Sorted);
    QsoRecords records;
    for (int i = 0; i < contents.log.count(); ++i) {
        records.push_back(&contents.log.at(i));
    }
    sorted.addAll(records);
    const QsoRecords printList = sorted.records();
    const LabelOptions options = benchOptions();
    std::printf("%d QSOs, %d label rows, format 1; peak RSS before printing %.0f MB\n", qsos,
                (qsos + 1) / 2, peakMegabytes());

    QTemporaryDir folder;
    {
        std::FILE* sink = std::fopen("/dev/null", "w");
        QElapsedTimer timer;
        timer.start();
        DumpSurface dump(sink);
        LabelPrintRun(options, dump, nullptr).run(printList);
        std::fclose(sink);
        std::printf("dump: %.3f s, peak RSS %.0f MB\n", timer.nsecsElapsed() / 1e9,
                    peakMegabytes());
    }
    {
        QElapsedTimer timer;
        timer.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("labels.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
        PrinterSurface surface(printer, QPointF(origin, origin));
        LabelPrintRun(options, surface, nullptr).run(printList);
        surface.finish();
        std::printf("PDF:  %.3f s, %d sheets, %.1f MB file, peak RSS %.0f MB\n",
                    timer.nsecsElapsed() / 1e9, surface.jobsSent(),
                    QFileInfo(folder.filePath(QStringLiteral("labels.pdf"))).size() / 1e6,
                    peakMegabytes());
    }
    return 0;
}
