#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>
#include <functional>

#include "cards/card_printing.h"
#include "cards/qsl_template.h"
#include "labels/label_print_run.h"
#include "printing/printer_job.h"
#include "printing/printer_surface.h"
#include "selection/row_list.h"
#include "support/qso_rows.h"

// Printing through a real CUPS server with a cups-pdf queue named QSL-PDF
// (scripts/test.sh starts one). cups-pdf writes each job to ~/PDF.
namespace {

const QString kQueue = QStringLiteral("QSL-PDF");

QDateTime now() {
    return QDateTime::currentDateTime();
}

// Waits, at most ten seconds, for cups-pdf to write `count` files in ~/PDF
// since `since`; job numbers may start again after a restart of the server,
// so files are told apart by their times, not their names.
QStringList waitForOutputs(const QDateTime& since, int count) {
    const QDir folder(QDir::home().filePath(QStringLiteral("PDF")));
    QElapsedTimer timer;
    timer.start();
    QStringList added;
    while (timer.elapsed() < 10000) {
        added.clear();
        for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (file.lastModified() >= since) {
                added.append(file.absoluteFilePath());
            }
        }
        if (added.size() >= count) {
            QThread::msleep(300);  // let a last, unexpected job show up too
            added.clear();
            for (const QFileInfo& file :
                 folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (file.lastModified() >= since) {
                    added.append(file.absoluteFilePath());
                }
            }
            break;
        }
        QThread::msleep(100);
    }
    return added;
}

int pagesOf(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(10000);
    for (const QString& line :
         QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

bool runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitCode() == 0;
}

class CupsPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QPrinterInfo::printerInfo(kQueue).isNull()) {
            if (qEnvironmentVariableIsSet("QE_REQUIRE_CUPS")) {
                FAIL() << "the CUPS queue " << kQueue.toStdString() << " is missing";
            }
            GTEST_SKIP() << "no CUPS queue " << kQueue.toStdString();
        }
        // Jobs held by an earlier stopped queue would come out in the middle of a test.
        runTool(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue});
    }
};

TEST_F(CupsPrinting, EachSheetIsAJobOfItsOwn) {
    const QDateTime before = now();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_EQ(PrinterSurface::checkPrinter(printer, kQueue), QString());
    PrinterSurface surface(printer, QPointF());
    TestPrintList list;
    fillPrintList(list, 17);
    LabelOptions options;
    options.format = 1;
    LabelPrintRun run(options, surface, nullptr);
    EXPECT_EQ(run.run(list), LabelPrintRun::Outcome::Completed) << run.error().toStdString();
    EXPECT_TRUE(surface.finish());
    EXPECT_EQ(surface.jobsSent(), 2);

    const QStringList added = waitForOutputs(before, 2);
    ASSERT_EQ(added.size(), 2);
    for (const QString& name : added) {
        EXPECT_EQ(pagesOf(name), 1);
    }
}

TEST_F(CupsPrinting, EachCardIsAJobOfItsOwn) {
    const QDateTime before = now();
    QslTemplate model = QslTemplate::editorDefaults();
    model.left[0] = model.top[0] = QStringLiteral("20");
    TestPrintList list;
    fillPrintList(list, 3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    QString error;
    EXPECT_EQ(CardPrinting::print(model, list, printer, kQueue, &error), PrinterJob::Result::Done)
        << error.toStdString();
    const QStringList added = waitForOutputs(before, 3);
    ASSERT_EQ(added.size(), 3);
    for (const QString& name : added) {
        EXPECT_EQ(pagesOf(name), 1);
    }
}

TEST_F(CupsPrinting, DisabledQueueIsReportedNotSilent) {
    ASSERT_TRUE(runTool(QStringLiteral("cupsdisable"), {kQueue}));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    const QString problem = PrinterSurface::checkPrinter(printer, kQueue);
    runTool(QStringLiteral("cupsenable"), {kQueue});
    EXPECT_EQ(problem, QStringLiteral("L'imprimante QSL-PDF est en erreur ou désactivée."));

    QPrinter unknown(QPrinter::HighResolution);
    unknown.setPrinterName(QStringLiteral("NO-SUCH-QUEUE"));
    EXPECT_EQ(PrinterSurface::checkPrinter(unknown, QStringLiteral("NO-SUCH-QUEUE")),
              QStringLiteral("Imprimante introuvable : NO-SUCH-QUEUE"));
}

TEST_F(CupsPrinting, NoPrintingServiceIsReportedNotSilent) {
    // A server that does not answer, as when cupsd is stopped.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("127.0.0.1:1"));
    program.setProcessEnvironment(environment);
    program.start(
        QStringLiteral(QE_PROGRAM),
        {QStringLiteral("labels"), QStringLiteral(QE_TEST_DATA_DIR "/one_record_per_line.adi"),
         QStringLiteral("--printer"), kQueue});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 3);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()).trimmed(),
              QStringLiteral("Imprimante introuvable : QSL-PDF"));
}

// Prints 48 QSOs (three sheets) stopping at each sheet; at the first stop the
// printing system fails in the way `fault` says, then the run goes on.
void expectFaultStopsTheRun(const std::function<void()>& fault, const QString& expected) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    TestPrintList list;
    fillPrintList(list, 48);
    LabelOptions options;
    options.format = 1;
    options.stopEachSheet = true;
    QString error;
    QString fontAfter;
    const PrinterJob::Result result = PrinterJob::print(
        printer, QPointF(), kQueue,
        [&](PrintSurface& surface, QString* runError) {
            surface.setFontName(QStringLiteral("Arial"));
            LabelPrintRun run(options, surface, [&](const QString&) {
                fault();
                return true;
            });
            const LabelPrintRun::Outcome outcome = run.run(list);
            fontAfter = surface.fontName();
            return LabelPrintRun::toJobResult(outcome, run.error(), runError);
        },
        &error);
    EXPECT_EQ(result, PrinterJob::Result::Failed);
    EXPECT_TRUE(error.startsWith(expected)) << error.toStdString();
    EXPECT_EQ(fontAfter, QStringLiteral("Arial"));
    EXPECT_EQ(list.count(), 48);
}

bool schedulerRunning() {
    QProcess status;
    status.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    status.waitForFinished(5000);
    return status.readAllStandardOutput().contains("scheduler is running");
}

void waitForScheduler(bool running) {
    QElapsedTimer timer;
    timer.start();
    while (schedulerRunning() != running && timer.elapsed() < 10000) {
        QThread::msleep(100);
    }
}

TEST_F(CupsPrinting, QueueDisabledDuringARunStopsItWithAMessage) {
    expectFaultStopsTheRun([] { runTool(QStringLiteral("cupsdisable"), {kQueue}); },
                           QStringLiteral("L'imprimante QSL-PDF a été arrêtée ou désactivée"));
    runTool(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue});
    runTool(QStringLiteral("cupsenable"), {kQueue});
}

TEST_F(CupsPrinting, PrinterRejectingJobsStopsTheRunWithAMessage) {
    expectFaultStopsTheRun([] { runTool(QStringLiteral("cupsreject"), {kQueue}); },
                           QStringLiteral("L'imprimante QSL-PDF a refusé la page"));
    runTool(QStringLiteral("cupsaccept"), {kQueue});
}

TEST_F(CupsPrinting, PrintingServiceStoppedDuringARunStopsItWithAMessage) {
    expectFaultStopsTheRun(
        [] {
            runTool(QStringLiteral("pkill"), {QStringLiteral("-x"), QStringLiteral("cupsd")});
            waitForScheduler(false);
        },
        QStringLiteral("L'imprimante QSL-PDF a refusé la page"));
    QProcess::execute(QStringLiteral("/usr/sbin/cupsd"), {});
    waitForScheduler(true);
    EXPECT_TRUE(schedulerRunning());
}

}  // namespace
