#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "labels/label_job.h"
#include "labels/sheet_table.h"
#include "printing/printer_calibration.h"
#include "settings/settings_store.h"
#include "support/qso_rows.h"
#include "support/sample_options.h"
#include "support/test_files.h"

namespace {

// Writes down what a job tells it; stops after `stopAfter` steps, answers `answers`.
class RecordingListener : public JobListener {
  public:
    bool ask(const QString& question) override {
        questions.append(question);
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.erase(answers.begin());
        }
        return answer;
    }
    void started(const QString& label, int total) override {
        labels.append(label);
        totals.push_back(total);
    }
    bool advanced(int done) override {
        steps.push_back(done);
        return stopAfter == 0 || done < stopAfter;
    }
    void finished() override { ++finishedCount; }

    std::vector<bool> answers;
    int stopAfter = 0;
    QStringList questions;
    QStringList labels;
    std::vector<int> totals;
    std::vector<int> steps;
    int finishedCount = 0;
};

QsoRecords qsos(int count) {
    QsoRecords records;
    for (int i = 0; i < count; ++i) {
        records.push_back(testQso(QStringLiteral("F%1AA").arg(i).toLatin1().constData()));
    }
    return records;
}

}  // namespace

// The job tells its listener the sheets it will print and each one done, asks
// at each sheet when told to, stops where its listener says, and always tells
// it the run has ended (so that the windows close their progress).
TEST(LabelJob, TellsItsListenerHowFarItHasGoneAndStopsWhenTold) {
    struct Case {
        const char* name;
        bool stopEachSheet;
        std::vector<bool> answers;
        int stopAfter;
        PrintJob::Result result;
        std::vector<int> steps;
        int questions;
    };
    const Case cases[] = {
        {"whole run", false, {}, 0, PrintJob::Result::Done, {1, 2}, 0},
        {"stopped at the first sheet", false, {}, 1, PrintJob::Result::Stopped, {1}, 0},
        {"asked at each sheet, no at the second",
         true,
         {true, false},
         0,
         PrintJob::Result::Stopped,
         {1},
         2},
    };
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    LabelOptions options = sampleLabelOptions();
    options.station = QStringLiteral("F9XQA");
    options.format = 1;
    const LabelSheet& sheet = *SheetTable::tuned(1);
    // Three sheets: two full ones told as they end, one begun.
    const int count = sheet.labelsPerSheet() * 2 + 1;
    for (const Case& c : cases) {
        options.stopEachSheet = c.stopEachSheet;
        LabelJob job(store, options, sheet, qsos(count));
        RecordingListener listener;
        listener.answers = c.answers;
        listener.stopAfter = c.stopAfter;
        job.setListener(listener);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("labels.pdf")));
        EXPECT_EQ(job.print(printer), c.result) << c.name << job.error().toStdString();
        EXPECT_EQ(listener.labels,
                  QStringList{QStringLiteral("Impression des étiquettes : feuilles imprimées")})
            << c.name;
        EXPECT_EQ(listener.totals, std::vector<int>{3}) << c.name;
        EXPECT_EQ(listener.steps, c.steps) << c.name;
        EXPECT_EQ(listener.questions.size(), c.questions) << c.name;
        EXPECT_EQ(listener.finishedCount, 1) << c.name;
    }
}

// A dump or a preview asks nothing and shows no progress.
TEST(LabelJob, ADumpRunsUnattended) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    LabelOptions options = sampleLabelOptions();
    options.stopEachSheet = true;
    const LabelSheet& sheet = *SheetTable::tuned(1);
    LabelJob job(store, options, sheet, qsos(sheet.labelsPerSheet() * 2));
    RecordingListener listener;
    job.setListener(listener);
    std::FILE* sink = std::fopen("/dev/null", "w");
    EXPECT_EQ(job.dump(sink), PrintJob::Result::Done);
    std::fclose(sink);
    EXPECT_TRUE(listener.questions.isEmpty());
    EXPECT_TRUE(listener.labels.isEmpty());
}

namespace {

// A stored printer offset that pushes the text of a label off the paper is
// said before printing (3474's labels touch the paper's edges); one that keeps
// every text on it is not.
TEST(LabelJob, SaysAnOffsetThatPutsTextOffThePaper) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    const LabelSheet* sheet = SheetTable().find(QStringLiteral("3474"));
    ASSERT_NE(sheet, nullptr);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    struct Case {
        QPointF offset;
        bool said;
    };
    for (const Case& c : {Case{{-7.25, 0}, true}, Case{{0, 7.25}, true}, Case{{-2, 2}, false},
                          Case{{0, 0}, false}}) {
        PrinterCalibration(store).setOffset(PrinterCalibration::printerKey(printer), c.offset);
        LabelJob job(store, sampleLabelOptions(), *sheet, qsos(3));
        EXPECT_EQ(!job.offsetProblem(printer).isEmpty(), c.said)
            << c.offset.x() << " " << c.offset.y();
    }
}

}  // namespace
