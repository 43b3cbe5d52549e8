// Faults that real machines and real files cause: the program reports them in
// French, keeps what it has, and goes on.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include "cards/qsl_template_file.h"
#include "log/adif_reader.h"
#include "platform/key_press_line_edit.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "support/child_process.h"
#include "support/pdf_text.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "windows/application.h"
#include "windows/label_options_window.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the allocator of the sanitizer keeps more memory
#else
constexpr bool kSanitized = false;
#endif

const QString kStoreProblem = QStringLiteral("Les options ne peuvent pas être enregistrées");

// The whole path from start-up to a printed label, with a store that fails.
void expectProgramCarriesOnWithout(const QString& iniPath, const QTemporaryDir& dir) {
    ScriptedDialogs dialogs;
    SettingsStore store(iniPath);
    Application app(dialogs, store);
    StartWindow& main = app.showStartWindow();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().startsWith(kStoreProblem));
    EXPECT_EQ(main.callsignBox()->text(), QStringLiteral("Fxxxx"));

    dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
    main.loadLog();
    app.selectionWindow().selectAll();
    LabelOptionsWindow& labels = app.showLabelOptions();
    EXPECT_TRUE(labels.sheetButton(2)->isChecked());
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    labels.startPrint();
    EXPECT_EQ(dialogs.messages.size(), 1);  // reported once only
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));
    // The options typed are still there for this run, in memory.
    EXPECT_EQ(
        store.read(QStringLiteral("FxxxxSetup "), QStringLiteral("Format etiquette"), QString()),
        QStringLiteral("2"));
}

TEST(SettingsFaults, UnwritableFolderIsReportedOnceAndPrintingWorks) {
    QTemporaryDir dir;
    const QString blocker = writeFile(dir, QStringLiteral("not-a-folder"), "x");
    expectProgramCarriesOnWithout(blocker + QStringLiteral("/Etiquette.ini"), dir);
}

TEST(SettingsFaults, CorruptFileIsReportedOnceAndKept) {
    QTemporaryDir dir;
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<char>((i * 7919 + 13) % 256);
    }
    const QString ini = writeFile(dir, QStringLiteral("Etiquette.ini"), junk);
    expectProgramCarriesOnWithout(ini, dir);
    EXPECT_EQ(readFile(ini), junk);  // not overwritten: the operator may still rescue it
}

// A small file system of our own, for saving onto a device that fails.
class TinyFileSystem {
  public:
    explicit TinyFileSystem(const QString& folder) : folder_(folder) {
        QDir().mkpath(folder);
        mounted_ =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=16k"), QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~TinyFileSystem() {
        if (mounted_) {
            QProcess::execute(QStringLiteral("umount"), {folder_});
        }
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return QProcess::execute(QStringLiteral("mount"),
                                 {QStringLiteral("-o"), QStringLiteral("remount,ro"), folder_}) ==
               0;
    }

  private:
    QString folder_;
    bool mounted_ = false;
};

QslTemplate sampleTemplate(const QString& text) {
    QslTemplate model = QslTemplate::editorDefaults();
    for (QString& line : model.text) {
        line = text;
    }
    return model;
}

TEST(TemplateSaveFaults, ReadOnlyFolderKeepsTheTemplate) {
    QTemporaryDir dir;
    TinyFileSystem device(dir.filePath(QStringLiteral("device")));
    if (!device.mounted()) {
        GTEST_SKIP() << "this machine does not let the test mount a tmpfs";
    }
    const QString path = dir.filePath(QStringLiteral("device/carte.qsl"));
    ASSERT_EQ(QslTemplateFile::save(sampleTemplate(QStringLiteral("old")), path), QString());
    const QByteArray before = readFile(path);
    ASSERT_TRUE(device.makeReadOnly());
    const QString error = QslTemplateFile::save(sampleTemplate(QStringLiteral("new")), path);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossible de créer le fichier")))
        << error.toStdString();
    EXPECT_EQ(readFile(path), before);
}

TEST(TemplateSaveFaults, DeviceFullInTheMiddleOfTheWriteKeepsTheTemplate) {
    QTemporaryDir dir;
    TinyFileSystem device(dir.filePath(QStringLiteral("device")));
    if (!device.mounted()) {
        GTEST_SKIP() << "this machine does not let the test mount a tmpfs";
    }
    const QString path = dir.filePath(QStringLiteral("device/carte.qsl"));
    ASSERT_EQ(QslTemplateFile::save(sampleTemplate(QStringLiteral("old")), path), QString());
    const QByteArray before = readFile(path);
    // Fill the device, then free one page: the new template (three pages) fails
    // after its first page is written.
    QFile filler(dir.filePath(QStringLiteral("device/filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    ASSERT_TRUE(filler.resize(filler.size() - 4096));
    const QString error =
        QslTemplateFile::save(sampleTemplate(QString(1000, QLatin1Char('n'))), path);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(readFile(path), before);
}

TEST(LogFaults, VanishedDirectoryAndTruncatedLogs) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    Application app(dialogs, store);
    StartWindow& main = app.showStartWindow();

    // Chosen in the dialog, gone before it is read.
    const QString gone = writeFile(dir, QStringLiteral("gone.adi"), "<CALL:5>F9XQA<EOR>");
    QFile::remove(gone);
    dialogs.fileNames.push_back(gone);
    main.loadLog();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.last().contains(gone));

    dialogs.fileNames.push_back(dir.path());
    main.loadLog();
    EXPECT_TRUE(dialogs.messages.last().contains(dir.path()));
    EXPECT_EQ(app.selectionWindow().qsoList().count(), 0);

    // Cut in the middle of its second record: the first is whole, the rest read as it stands.
    const QString cut =
        writeFile(dir, QStringLiteral("cut.adi"),
                  "<EOH><CALL:5>F9XQA<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M<EOR>"
                  "<CALL:5>F9XQB<QSO_DA");
    dialogs.messages.clear();
    dialogs.fileNames.push_back(cut);
    main.loadLog();
    EXPECT_EQ(app.selectionWindow().qsoList().count(), 2);
    ASSERT_EQ(dialogs.messageLists.size(), 1u);  // date, time and band of the cut record
    EXPECT_EQ(dialogs.messageLists[0].second.size(), 3);
}

class BigLogFaults : public ::testing::Test {
  protected:
    // Writes `size` bytes made by repeating `pattern`.
    static QString writeRepeated(const QTemporaryDir& dir, const QString& name,
                                 const QByteArray& pattern, qint64 size) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray block;
        while (block.size() < (1 << 20)) {
            block += pattern;
        }
        for (qint64 written = 0; written < size; written += block.size()) {
            file.write(block.constData(), std::min<qint64>(block.size(), size - written));
        }
        return path;
    }
};

TEST_F(BigLogFaults, GigabyteOfJunkWithoutEorStaysWithinTwiceItsSize) {
    QTemporaryDir dir;
    const qint64 size = qint64(1) << 30;
    const QString junk = writeRepeated(dir, QStringLiteral("junk.adi"),
                                       "x<a:b>yz<CALL:3>ABC<eo r> \\t\\x01\\xff<<>>:", size);
    const ChildRun run = runChild(QStringLiteral(QE_PROGRAM), {QStringLiteral("list"), junk});
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0);
    if (!kSanitized) {
        EXPECT_LT(run.peakKilobytes * 1024, 2 * size) << run.peakKilobytes << " KB";
    }
}

TEST_F(BigLogFaults, OneLineOf200MegabytesReadsAsAnyLog) {
    QTemporaryDir dir;
    const QByteArray record = "<CALL:5>F9XQA<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>40M<EOR>";
    const qint64 size = 200 * 1024 * 1024 / record.size() * record.size();
    const QString line = writeRepeated(dir, QStringLiteral("line.adi"), record, size);
    const ChildRun run = runChild(QStringLiteral(QE_PROGRAM), {QStringLiteral("list"), line});
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0);
    if (!kSanitized) {
        EXPECT_LT(run.peakKilobytes, 100 * 1024);  // read in pieces, not held whole
    }
}

TEST(LongRuns, HundredThousandQsosPrintWithFlatMemory) {
    QTemporaryDir dir;
    const auto writeLog = [&](const QString& name, int qsos) {
        QByteArray log = "<EOH>\\n";
        for (int i = 0; i < qsos; ++i) {
            log +=
                "<CALL:6>F" + QByteArray::number(10000 + i % 90000).right(5) +
                "<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>40M<MODE:3>SSB<RST_SENT:2>59<EOR>\\n";
        }
        return writeFile(dir, name, log);
    };
    // The sanitized build runs a tenth of it: its memory checks make every page slow.
    const int scale = kSanitized ? 10 : 1;
    const QString small = writeLog(QStringLiteral("small.adi"), 10000 / scale);
    const QString large = writeLog(QStringLiteral("large.adi"), 100000 / scale);
    QslTemplate model = QslTemplate::editorDefaults();
    model.left[0] = model.top[0] = QStringLiteral("20");
    const QString layout = dir.filePath(QStringLiteral("carte.qsl"));
    ASSERT_EQ(QslTemplateFile::save(model, layout), QString());

    for (const QString& command : {QStringLiteral("labels"), QStringLiteral("cards")}) {
        const auto arguments = [&](const QString& log) {
            QStringList list{command, log};
            if (command == u"cards") {
                list.append(layout);
            }
            list << QStringLiteral("--pdf") << dir.filePath(QStringLiteral("out.pdf"));
            return list;
        };
        const ChildRun smallRun = runChild(QStringLiteral(QE_PROGRAM), arguments(small));
        const ChildRun largeRun = runChild(QStringLiteral(QE_PROGRAM), arguments(large));
        EXPECT_EQ(smallRun.exitCode, 0);
        EXPECT_EQ(largeRun.exitCode, 0);
        // Ten times the pages, and only the print list grows (about 10 MB).
        EXPECT_LT(largeRun.peakKilobytes - smallRun.peakKilobytes, 40 * 1024)
            << command.toStdString() << ": " << smallRun.peakKilobytes << " KB, then "
            << largeRun.peakKilobytes << " KB";
    }
}

}  // namespace
