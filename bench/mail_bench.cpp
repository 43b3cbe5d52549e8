// Direct mail for many stations: a log of distinct stations, each QSO with a
// four-line ADDRESS, read, its addresses found again in the log's bytes, and
// printed to a PDF as address labels on L7160 and as DL envelopes; against
// the QSO labels of the same log on L7160 (labels fitted one by one).
//   mail_bench [STATION_COUNT]      default 10000
#include <sys/resource.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "labels/label_print_run.h"
#include "labels/sheet_table.h"
#include "log/adif_reader.h"
#include "mail/address_book.h"
#include "mail/address_job.h"
#include "printing/printer_surface.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

namespace {

// Processor time of this process: steadier than the clock on a loaded machine.
double cpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

QByteArray field(const char* name, const QByteArray& value) {
    return '<' + QByteArray(name) + ':' + QByteArray::number(value.size()) + '>' + value + ' ';
}

QByteArray stationRecord(int index) {
    const QByteArray call = "K" + QByteArray::number(index % 10) + "A" +
                            QByteArray::number(index).rightJustified(5, '0');
    const QByteArray address = "John Smith " + QByteArray::number(index) + "\r\n" +
                               QByteArray::number(100 + index % 900) +
                               " Maple Street\r\nSpringfield, IL 62704\r\nUSA";
    return field("CALL", call) + field("QSO_DATE", "20240101") + field("TIME_ON", "1200") +
           field("BAND", "20M") + field("MODE", "CW") + field("ADDRESS", address) + "<EOR>\n";
}

double printLabels(const QsoRecords& records, const LabelSheet& sheet, const QString& pdf) {
    const double start = cpuSeconds();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(sheet.pageSize());
    PrinterSurface surface(printer, QPointF());
    surface.measureFromPaperEdge();
    LabelOptions options;
    options.station = QStringLiteral("F9XQA");
    LabelPrintRun labels(options, surface, nullptr);
    labels.useSheet(sheet);
    labels.run(records);
    surface.finish();
    return cpuSeconds() - start;
}

double printMail(SettingsStore& store, const QsoRecords& records, const QString& log,
                 const LabelSheet* sheet, const QString& pdf) {
    const double start = cpuSeconds();
    AddressJob job(store, records);
    if (sheet != nullptr) {
        job.useSheet(*sheet);
    } else {
        job.useEnvelope(*EnvelopeFormat::find(QStringLiteral("DL")));
    }
    AddressBook book;
    if (!job.findAddresses(book, log)) {
        std::fprintf(stderr, "%s\n", qPrintable(job.error()));
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    if (job.print(printer) != PrintJob::Result::Done) {
        std::fprintf(stderr, "%s\n", qPrintable(job.error()));
    }
    std::printf("  %zu addresses, %zu missing, %d pages, %.1f MB file\n",
                job.mailingList().pieces.size(),
                static_cast<size_t>(job.mailingList().missing.size()), job.pageCount(),
                QFileInfo(pdf).size() / 1e6);
    return cpuSeconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const int stations = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("stations.adi"));
    QFile file(log);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write("<EOH>\n");
    for (int i = 0; i < stations; ++i) {
        file.write(stationRecord(i));
    }
    file.close();
    AdifContents contents;
    QString error;
    AdifReader::readFile(log, contents, &error);
    RowList sorted(RowList::Order::Sorted);
    QsoRecords records;
    for (int i = 0; i < contents.log.count(); ++i) {
        records.push_back(&contents.log.at(i));
    }
    sorted.addAll(records);
    const QsoRecords printList = sorted.records();
    SettingsStore store(folder.filePath(QStringLiteral("Etiquette.ini")));
    const LabelSheet& l7160 = *SheetTable().find(QStringLiteral("L7160"));

    const double qsoLabels =
        printLabels(printList, l7160, folder.filePath(QStringLiteral("q.pdf")));
    std::printf("%d QSO labels on L7160 to PDF: %.3f s of processor time, peak RSS %.0f MB\n",
                stations, qsoLabels, peakMegabytes());
    const double addressLabels =
        printMail(store, printList, log, &l7160, folder.filePath(QStringLiteral("a.pdf")));
    std::printf("%d address labels on L7160 to PDF: %.3f s (%.2f x), peak RSS %.0f MB\n", stations,
                addressLabels, addressLabels / qsoLabels, peakMegabytes());
    const double envelopes =
        printMail(store, printList, log, nullptr, folder.filePath(QStringLiteral("e.pdf")));
    std::printf("%d DL envelopes to PDF: %.3f s (%.2f x), peak RSS %.0f MB\n", stations, envelopes,
                envelopes / qsoLabels, peakMegabytes());
    return 0;
}
