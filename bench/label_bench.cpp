// Labels for many QSOs: time and peak memory of a label run to PDF and to the
// dump, on tuned sheet 1 and on the three-across L7160 (labels fitted one by one),
// and of sheet 1 with the QSOs grouped by station.
//   label_bench [QSO_COUNT]      default 10000 (625 sheets of format 1, 477 of L7160)
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
#include "labels/sheet_table.h"
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
    double pdfSeconds[2] = {0, 0};
    int run = 0;
    for (const LabelSheet* sheet :
         {SheetTable::tuned(1), SheetTable().find(QStringLiteral("L7160"))}) {
        const bool tuned = sheet->isTuned();
        {
            std::FILE* sink = std::fopen("/dev/null", "w");
            QElapsedTimer timer;
            timer.start();
            DumpSurface dump(sink);
            LabelPrintRun labels(options, dump, nullptr);
            labels.useSheet(*sheet);
            labels.run(printList);
            std::fclose(sink);
            std::printf("sheet %s dump: %.3f s, peak RSS %.0f MB\n", qPrintable(sheet->name),
                        timer.nsecsElapsed() / 1e9, peakMegabytes());
        }
        QElapsedTimer timer;
        timer.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("labels.pdf")));
        printer.setPageSize(sheet->pageSize());
        const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
        PrinterSurface surface(printer, tuned ? QPointF(origin, origin) : QPointF());
        if (!tuned) {
            surface.measureFromPaperEdge();
        }
        LabelPrintRun labels(options, surface, nullptr);
        labels.useSheet(*sheet);
        labels.run(printList);
        surface.finish();
        pdfSeconds[run++] = timer.nsecsElapsed() / 1e9;
        std::printf("sheet %s PDF:  %.3f s, %d sheets, %.1f MB file, peak RSS %.0f MB\n",
                    qPrintable(sheet->name), pdfSeconds[run - 1], surface.jobsSent(),
                    QFileInfo(folder.filePath(QStringLiteral("labels.pdf"))).size() / 1e6,
                    peakMegabytes());
    }
    std::printf("L7160 / sheet 1 PDF time: %.2f\n", pdfSeconds[1] / pdfSeconds[0]);

    // The same QSOs grouped by station on sheet 1.
    LabelOptions grouped = options;
    grouped.group = true;
    QElapsedTimer timer;
    timer.start();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("grouped.pdf")));
    printer.setPageSize(SheetTable::tuned(1)->pageSize());
    const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
    PrinterSurface surface(printer, QPointF(origin, origin));
    LabelPrintRun labels(grouped, surface, nullptr);
    labels.run(printList);
    surface.finish();
    const double groupedSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("sheet 1 grouped PDF: %.3f s, %d sheets; grouped / plain PDF time: %.2f\n",
                groupedSeconds, surface.jobsSent(), groupedSeconds / pdfSeconds[0]);
    return 0;
}
