// Faults that real machines and real files cause: the program reports them in
// French, keeps what it has, and goes on.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include "cards/qsl_template_file.h"
#include "labels/sheet_table.h"
#include "log/adif_reader.h"
#include "log/country_file.h"
#include "platform/key_press_line_edit.h"
#include "printing/pdf_output.h"
#include "selection/bureau_order.h"
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
    dialogs.texts = {QStringLiteral("F9XQA")};  // the real callsign, asked for before printing
    labels.startPrint();
    EXPECT_EQ(dialogs.messages.size(), 1);  // reported once only
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));
    // The options typed are still there for this run, in memory.
    EXPECT_EQ(
        store.read(QStringLiteral("F9XQASetup "), QStringLiteral("Format etiquette"), QString()),
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
    explicit TinyFileSystem(const QString& folder, const QString& size = QStringLiteral("16k"))
        : folder_(folder) {
        QDir().mkpath(folder);
        mounted_ = QProcess::execute(
                       QStringLiteral("mount"),
                       {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                        QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder}) == 0;
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
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                                     .arg(path, QString::fromLocal8Bit(strerror(EROFS)))))
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
    // A gigabyte, an eighth of it under the sanitizers (fifteen times slower there).
    const qint64 size = qint64(1) << (kSanitized ? 27 : 30);
    const QString junk = writeRepeated(dir, QStringLiteral("junk.adi"),
                                       "x<a:b>yz<MODE:3>ABC<eo r> \\t\\x01\\xff<<>>:", size);
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

// The program run as the operator runs it, against outputs and inputs that fail.
class OutputFaults : public ::testing::Test {
  protected:
    static QByteArray log(int qsos) {
        QByteArray text = "<EOH>\n";
        for (int i = 0; i < qsos; ++i) {
            text += "<CALL:6>F" + QByteArray::number(10000 + i % 90000).right(5) +
                    "<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>40M<MODE:3>SSB<EOR>\n";
        }
        return text;
    }
    void SetUp() override {
        smallLog = writeFile(dir, QStringLiteral("small.adi"), log(3));
        QslTemplate model = QslTemplate::editorDefaults();
        model.left[0] = model.top[0] = QStringLiteral("20");
        layout = dir.filePath(QStringLiteral("carte.qsl"));
        ASSERT_EQ(QslTemplateFile::save(model, layout), QString());
    }
    ChildRun program(const QStringList& arguments, ChildOptions options = {}) {
        options.standardError = dir.filePath(QStringLiteral("stderr"));
        options.environment.append(QStringLiteral("XDG_CONFIG_HOME=") +
                                   dir.filePath(QStringLiteral("config")));
        options.giveUpSeconds = 60;
        return runChild(QStringLiteral(QE_PROGRAM), arguments, options);
    }
    QString errors() const {
        return QString::fromUtf8(readFile(dir.filePath(QStringLiteral("stderr"))));
    }
    static QStringList leftovers(const QString& folder) {
        return QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir dir;
    QString smallLog;
    QString layout;
};

TEST_F(OutputFaults, AFullDeviceKeepsTheOlderPdf) {
    TinyFileSystem device(dir.filePath(QStringLiteral("device")), QStringLiteral("64k"));
    if (!device.mounted()) {
        GTEST_SKIP() << "this machine does not let the test mount a tmpfs";
    }
    const QString bigLog = writeFile(dir, QStringLiteral("big.adi"), log(2000));
    const QString pdf = writeFile(dir, QStringLiteral("device/out.pdf"), "older");
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("labels"), bigLog, QStringLiteral("--pdf"), pdf},
          QStringList{QStringLiteral("cards"), bigLog, layout, QStringLiteral("--pdf"), pdf}}) {
        const ChildRun run = program(arguments);
        EXPECT_EQ(run.exitCode, 3) << arguments.first().toStdString();
        EXPECT_TRUE(errors().contains(pdf)) << errors().toStdString();
        EXPECT_EQ(readFile(pdf), "older");
        EXPECT_EQ(leftovers(dir.filePath(QStringLiteral("device"))), QStringList());
    }
}

TEST_F(OutputFaults, OutputsThatAreInputsOrNoRegularFilesAreRefused) {
    const QByteArray logBytes = readFile(smallLog);
    const QByteArray layoutBytes = readFile(layout);
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    QFile::link(smallLog, link);
    const QString fifo = dir.filePath(QStringLiteral("fifo.pdf"));
    mkfifo(fifo.toLocal8Bit().constData(), 0600);
    for (const QStringList& arguments : {
             QStringList{QStringLiteral("labels"), smallLog, QStringLiteral("--pdf"), smallLog},
             QStringList{QStringLiteral("labels"), smallLog, QStringLiteral("--pdf"), link},
             QStringList{QStringLiteral("cards"), smallLog, layout, QStringLiteral("--pdf"),
                         layout},
             QStringList{QStringLiteral("labels"), smallLog, QStringLiteral("--pdf"),
                         QStringLiteral("/dev/full")},
             QStringList{QStringLiteral("labels"), smallLog, QStringLiteral("--pdf"), dir.path()},
             QStringList{QStringLiteral("labels"), smallLog, QStringLiteral("--pdf"), fifo},
         }) {
        const ChildRun run = program(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(errors().contains(arguments.last())) << errors().toStdString();
    }
    EXPECT_EQ(readFile(smallLog), logBytes);
    EXPECT_EQ(readFile(layout), layoutBytes);
}

TEST_F(OutputFaults, AFullStandardOutputIsAFailure) {
    ChildOptions full;
    full.standardOutput = QStringLiteral("/dev/full");
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("list"), smallLog},
          QStringList{QStringLiteral("labels"), smallLog, QStringLiteral("--dump")},
          QStringList{QStringLiteral("cards"), smallLog, layout, QStringLiteral("--dump")},
          QStringList{QStringLiteral("labels"), QStringLiteral("--list-sheets")},
          QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("--version")}}) {
        const ChildRun run = program(arguments, full);
        EXPECT_EQ(run.exitCode, 3) << arguments.first().toStdString();
        EXPECT_TRUE(errors().startsWith(QStringLiteral("Impossible d'écrire sur la sortie")))
            << errors().toStdString();
    }
}

TEST_F(OutputFaults, ASignalPartWayLeavesNoCutFileAndKeepsTheOlderOne) {
    const QString bigLog =
        writeFile(dir, QStringLiteral("big.adi"), log(kSanitized ? 4000 : 40000));
    const QString folder = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(folder);
    const QString pdf = writeFile(dir, QStringLiteral("out/out.pdf"), "older");
    for (const int signal : {SIGINT, SIGTERM}) {
        ChildOptions options;
        options.signal = signal;
        // Part-way: once the document has begun.
        options.signalWhen = [&] {
            const QStringList parts = leftovers(folder);
            return !parts.isEmpty() && QFileInfo(folder + u'/' + parts.first()).size() > 0;
        };
        const ChildRun run =
            program({QStringLiteral("labels"), bigLog, QStringLiteral("--pdf"), pdf}, options);
        EXPECT_EQ(leftovers(folder), QStringList());
        const QByteArray now = readFile(pdf);
        if (run.signalSent == 0) {
            EXPECT_EQ(run.exitCode, 0);  // done before the document was seen begun
            continue;
        }
        EXPECT_EQ(run.exitCode, 128 + signal);
        EXPECT_TRUE(now == "older" || now.trimmed().endsWith("%%EOF"));  // or renamed just then
        writeFile(dir, QStringLiteral("out/out.pdf"), "older");
    }
}

TEST_F(OutputFaults, AReadErrorInTheMiddleOfALogIsNoEndOfFile) {
    const QString bigLog =
        QFileInfo(writeFile(dir, QStringLiteral("big.adi"), log(30000))).canonicalFilePath();
    ASSERT_GT(QFileInfo(bigLog).size(), 2000000);
    ChildOptions failing;
    failing.environment = {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                           QStringLiteral("QE_FAIL_READ_PATH=") + bigLog,
                           QStringLiteral("QE_FAIL_READ_AFTER=1500000"),
                           QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0")};
    const ChildRun list = program({QStringLiteral("list"), bigLog}, failing);
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_TRUE(errors().endsWith(QStringLiteral("Impossible de lire le fichier %1 : %2\n")
                                      .arg(bigLog, QString::fromLocal8Bit(strerror(EIO)))))
        << errors().right(200).toStdString();
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const ChildRun labels =
        program({QStringLiteral("labels"), bigLog, QStringLiteral("--pdf"), pdf}, failing);
    EXPECT_EQ(labels.exitCode, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(program({QStringLiteral("list"), bigLog}).exitCode, 0);  // the shim alone fails it
}

// The marked copy re-reads the log after printing: a read error then is a read
// error on the log, and a signal then says that the printing was done and the
// copy was not written; neither leaves a copy or a temporary file.
TEST_F(OutputFaults, TheMarkedCopySaysWhatWasWrittenAndWhatWasNot) {
    const QString logPath = QFileInfo(smallLog).canonicalFilePath();
    const QString copy = dir.filePath(QStringLiteral("marked.adi"));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    // The reader's opening reads the log whole; the copy's fails at its first byte.
    const QStringList failing = {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                                 QStringLiteral("QE_FAIL_READ_PATH=") + logPath,
                                 QStringLiteral("QE_FAIL_READ_AFTER=0"),
                                 QStringLiteral("QE_FAIL_READ_OPENING=2"),
                                 QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0")};
    ChildOptions readError;
    readError.environment = failing;
    const ChildRun failed = program({QStringLiteral("labels"), logPath, QStringLiteral("--dump"),
                                     QStringLiteral("--mark-sent"), copy},
                                    readError);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(errors().endsWith(QStringLiteral("Impossible de lire le fichier %1 : %2\n")
                                      .arg(logPath, QString::fromLocal8Bit(strerror(EIO)))))
        << errors().toStdString();

    ChildOptions stopped;
    stopped.environment = failing + QStringList{QStringLiteral("QE_FAIL_READ_HANG=1")};
    stopped.signal = SIGTERM;
    stopped.signalWhen = [&] { return QFile::exists(pdf) && !leftovers(dir.path()).isEmpty(); };
    const ChildRun interrupted =
        program({QStringLiteral("labels"), logPath, QStringLiteral("--pdf"), pdf,
                 QStringLiteral("--mark-sent"), copy},
                stopped);
    EXPECT_EQ(interrupted.signalSent, SIGTERM);
    EXPECT_EQ(interrupted.exitCode, 128 + SIGTERM);
    EXPECT_TRUE(errors().endsWith(QStringLiteral("Impression interrompue : l'impression est faite, "
                                                 "la copie marquée %1 n'est pas écrite.\n")
                                      .arg(copy)))
        << errors().toStdString();
    EXPECT_TRUE(readFile(pdf).trimmed().endsWith("%%EOF"));
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(leftovers(dir.path()), QStringList());

    // The cards received alike: a read error is a read error (exit 1), and a
    // signal speaks of the marking, not of a print.
    const QString bundle = writeFile(dir, QStringLiteral("bundle.txt"), "F10000\n");
    const QStringList received = {QStringLiteral("received"), logPath,
                                  QStringLiteral("--calls"),  bundle,
                                  QStringLiteral("--out"),    copy};
    EXPECT_EQ(program(received, readError).exitCode, 1);
    EXPECT_TRUE(errors().endsWith(QStringLiteral("Impossible de lire le fichier %1 : %2\n")
                                      .arg(logPath, QString::fromLocal8Bit(strerror(EIO)))))
        << errors().toStdString();
    stopped.signalWhen = [&] { return !leftovers(dir.path()).isEmpty(); };
    const ChildRun stoppedMarking = program(received, stopped);
    EXPECT_EQ(stoppedMarking.exitCode, 128 + SIGTERM);
    EXPECT_TRUE(errors().endsWith(
        QStringLiteral("Marquage interrompu : la copie %1 n'est pas écrite.\n").arg(copy)))
        << errors().toStdString();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(leftovers(dir.path()), QStringList());
}

// Taking the addresses from the log re-reads it: a read error then is a read
// error on the log (exit 1), not a station "missing" nor a log that "changed".
TEST_F(OutputFaults, AReadErrorWhileTheAddressesAreTakenIsAReadError) {
    const QString logPath =
        QFileInfo(writeFile(dir, QStringLiteral("addresses.adi"),
                            readFile(testDataPath(QStringLiteral("mail/addresses.adi")))))
            .canonicalFilePath();
    ChildOptions readError;
    readError.environment = {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                             QStringLiteral("QE_FAIL_READ_PATH=") + logPath,
                             QStringLiteral("QE_FAIL_READ_AFTER=0"),
                             QStringLiteral("QE_FAIL_READ_OPENING=2"),
                             QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0")};
    ChildOptions sound;
    sound.standardOutput = dir.filePath(QStringLiteral("sound.txt"));
    const QStringList arguments = {QStringLiteral("addresses"), logPath, QStringLiteral("--sheet"),
                                   QStringLiteral("L7160"), QStringLiteral("--dump")};
    ASSERT_EQ(program(arguments, sound).exitCode, 0);
    ASSERT_TRUE(readFile(dir.filePath(QStringLiteral("sound.txt"))).contains("text "));
    const ChildRun run = program(arguments, readError);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(errors().contains(QStringLiteral("Impossible de lire le fichier %1 : %2")
                                      .arg(logPath, QString::fromLocal8Bit(strerror(EIO)))))
        << errors().toStdString();
    EXPECT_FALSE(errors().contains(QStringLiteral("a changé")));

    // An address book that cannot be read whole prints nothing from its first part.
    const QString folder = dir.filePath(QStringLiteral("config/Quenor_Etiquettes"));
    QDir().mkpath(folder);
    QByteArray book;
    for (int i = 0; book.size() < 100000; ++i) {
        book +=
            "K" + QByteArray::number(1000 + i) + "ABC;Street " + QByteArray::number(i) + ";Town\n";
    }
    const QString bookPath =
        QFileInfo(writeFile(dir, QStringLiteral("config/Quenor_Etiquettes/adresses.csv"), book))
            .canonicalFilePath();
    ChildOptions cutBook;
    cutBook.environment = {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                           QStringLiteral("QE_FAIL_READ_PATH=") + bookPath,
                           QStringLiteral("QE_FAIL_READ_AFTER=20000"),
                           QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0")};
    EXPECT_EQ(program(arguments, cutBook).exitCode, 1);
    EXPECT_TRUE(errors().contains(bookPath)) << errors().toStdString();
}

// A PDF writer that reports success over a document whose end was lost: the
// check before the rename refuses every such cut, so the older file stays;
// the whole document goes through.
TEST(PdfFaults, ADocumentWhoseEndIsCutIsNeverRenamedIntoPlace) {
    QTemporaryDir dir;
    const QString target = writeFile(dir, QStringLiteral("out.pdf"), "older");
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        QPainter painter(&writer);
        for (int page = 0; page < 3; ++page) {
            painter.drawText(100, 100, QStringLiteral("Page %1").arg(page + 1));
            if (page < 2) {
                writer.newPage();
            }
        }
        ASSERT_TRUE(painter.end());
    }
    const QByteArray whole = document.data();
    ASSERT_GT(whole.size(), 200);
    const auto writeInto = [](PdfOutput& output, const QByteArray& bytes) {
        QFile into(output.temporaryPath());
        return into.open(QIODevice::WriteOnly) && into.write(bytes) == bytes.size();
    };
    for (const qsizetype cut : {qsizetype(2), qsizetype(6), qsizetype(7), qsizetype(12),
                                qsizetype(30), whole.size() / 2, whole.size() - 40}) {
        PdfOutput output(target);
        ASSERT_TRUE(writeInto(output, whole.left(whole.size() - cut)));
        EXPECT_FALSE(output.commit()) << "cut of " << cut << " bytes";
        EXPECT_TRUE(output.error().contains(target)) << output.error().toStdString();
        EXPECT_EQ(readFile(target), "older") << "cut of " << cut << " bytes";
    }
    PdfOutput output(target);
    ASSERT_TRUE(writeInto(output, whole));
    EXPECT_TRUE(output.commit()) << output.error().toStdString();
    EXPECT_EQ(readFile(target), whole);
}

TEST_F(OutputFaults, SpecialFilesAreUnreadableAtOnceAndLargeTemplatesReadInPart) {
    const QString fifo = dir.filePath(QStringLiteral("fifo.adi"));
    mkfifo(fifo.toLocal8Bit().constData(), 0600);
    const QString fifoLayout = dir.filePath(QStringLiteral("fifo.qsl"));
    mkfifo(fifoLayout.toLocal8Bit().constData(), 0600);
    const QString zeroLayout = dir.filePath(QStringLiteral("zero.qsl"));
    QFile::link(QStringLiteral("/dev/zero"), zeroLayout);
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("list"), fifo},
          QStringList{QStringLiteral("cards"), smallLog, fifoLayout, QStringLiteral("--dump")},
          QStringList{QStringLiteral("cards"), smallLog, zeroLayout, QStringLiteral("--dump")}}) {
        const ChildRun run = program(arguments);
        EXPECT_FALSE(run.hung) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run.exitCode, 1) << arguments.join(u' ').toStdString();
    }
    // A settings file that is a FIFO: reported, and the run goes on with defaults.
    QDir().mkpath(dir.filePath(QStringLiteral("config/Quenor_Etiquettes")));
    mkfifo(dir.filePath(QStringLiteral("config/Quenor_Etiquettes/Etiquette.ini"))
               .toLocal8Bit()
               .constData(),
           0600);
    const ChildRun settings =
        program({QStringLiteral("labels"), smallLog, QStringLiteral("--dump")});
    EXPECT_FALSE(settings.hung);
    EXPECT_EQ(settings.exitCode, 0);

    // 24 good lines, then 200 MB without a line break: only the lines are read.
    QFile big(dir.filePath(QStringLiteral("big.qsl")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(readFile(layout));
    const QByteArray junk(1 << 20, 'x');
    for (int i = 0; i < 200; ++i) {
        big.write(junk);
    }
    big.close();
    const ChildRun run =
        program({QStringLiteral("cards"), smallLog, big.fileName(), QStringLiteral("--dump")});
    EXPECT_EQ(run.exitCode, 0) << errors().toStdString();
    if (!kSanitized) {
        EXPECT_LT(run.peakKilobytes, 100 * 1024);
    }
}

// The operator's sheets file and the country file of the settings folder:
// a FIFO, a read error, a file too large or control characters never block,
// spin, take the memory or reach the terminal; the built-in sheets and the
// installed country file stand in, and a sheets problem is said once.
TEST_F(OutputFaults, TheSheetsFileAndTheCountryFileFailSafely) {
    const QString folder = dir.filePath(QStringLiteral("config/Quenor_Etiquettes"));
    const QString sheets = folder + QStringLiteral("/planches.txt");
    const QString countries = folder + QStringLiteral("/cty.dat");
    const QString round = testDataPath(QStringLiteral("round/round.adi"));
    QByteArray manySheets;
    for (int i = 0; i < 50; ++i) {
        manySheets +=
            "Planche " + QByteArray::number(i) + "\tA4\t3x7\t7.2 15.15 63.5 38.1 66.04 38.1\n";
    }
    const QString brokenCountries =
        QString::fromUtf8(readFile(testDataPath(QStringLiteral("round/cty.dat"))))
            .replace(QStringLiteral(":  DL:"), QStringLiteral(":  D\x1b[2J\x07L:"));
    enum class Make { Fifo, Text, Large };
    const struct {
        const char* what;
        const QString* path;
        Make make;
        QByteArray text;
        int failAfter;     // a read error after that many bytes; -1 for none
        const char* said;  // on standard error, once; empty: nothing said
        int ownSheets;     // listed after the built-in ones
    } cases[] = {
        {"sheets FIFO", &sheets, Make::Fifo, {}, -1, "n'est pas un fichier ordinaire", 0},
        {"sheets read error", &sheets, Make::Text, manySheets, 100, "ne peut pas être lu", 0},
        {"sheets too large", &sheets, Make::Large, manySheets, -1, "dépasse 1024 Kio", 0},
        {"sheets with control characters", &sheets, Make::Text,
         "Bip\x07\x1b[31m\tA4\t3x7\t7.2 15.15 63.5 38.1 66.04 38.1\n"
         "Infinie\tA4\t1x1\t0 0 50 50 inf inf\n",
         -1, "1 planche illisible ignorée dans", 1},
        {"country FIFO", &countries, Make::Fifo, {}, -1, "", 0},
        {"country read error", &countries, Make::Text,
         readFile(testDataPath(QStringLiteral("round/cty.dat"))), 100, "", 0},
        {"country too large", &countries, Make::Large, "", -1, "", 0},
        {"country with control characters", &countries, Make::Text, brokenCountries.toLatin1(), -1,
         "", 0},
    };
    const QString out = dir.filePath(QStringLiteral("stdout"));
    const auto run = [&](const QStringList& arguments, ChildOptions options) {
        options.standardOutput = out;
        const ChildRun child = program(arguments, options);
        EXPECT_FALSE(child.hung) << arguments.join(u' ').toStdString();
        EXPECT_EQ(child.exitCode, 0)
            << arguments.join(u' ').toStdString() << errors().toStdString();
        return readFile(out);
    };
    const QStringList listSheets{QStringLiteral("labels"), QStringLiteral("--list-sheets")};
    const QStringList bureau{QStringLiteral("list"), round, QStringLiteral("--sort"),
                             QStringLiteral("bureau")};
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray builtInSheets = run(listSheets, {});
    const QByteArray installedOrder = run(bureau, {});  // the installed country file, if any
    ASSERT_EQ(builtInSheets.count('\n'), static_cast<qsizetype>(SheetTable::builtIn().size()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(*c.path);
        ChildOptions options;
        if (c.make == Make::Fifo) {
            ASSERT_EQ(mkfifo(c.path->toLocal8Bit().constData(), 0600), 0);
        } else {
            writeFile(dir, QDir(dir.path()).relativeFilePath(*c.path), c.text);
        }
        if (c.make == Make::Large) {
            QFile large(*c.path);
            ASSERT_TRUE(large.resize(100 * 1024 * 1024));  // sparse
        }
        if (c.failAfter >= 0) {
            options.environment = {
                QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                QStringLiteral("QE_FAIL_READ_PATH=") + QFileInfo(*c.path).canonicalFilePath(),
                QStringLiteral("QE_FAIL_READ_AFTER=%1").arg(c.failAfter),
                QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0")};
        }
        const QByteArray listed = run(c.path == &sheets ? listSheets : bureau, options);
        EXPECT_FALSE(listed.contains('\x1b') || listed.contains('\x07'));
        if (c.path == &sheets) {
            EXPECT_TRUE(listed.startsWith(builtInSheets));
            EXPECT_EQ(listed.count('\n') - builtInSheets.count('\n'), c.ownSheets);
            EXPECT_EQ(errors().count(u'\n'), *c.said == '\0' ? 0 : 1) << errors().toStdString();
            EXPECT_TRUE(errors().contains(QString::fromUtf8(c.said))) << errors().toStdString();
        } else if (c.make == Make::Text && c.failAfter < 0) {
            EXPECT_TRUE(listed.contains("D [2J L\t")) << listed.constData();
            EXPECT_EQ(listed.count('\n'), installedOrder.count('\n'));
        } else {
            EXPECT_EQ(listed, installedOrder);  // as if the file were missing
        }
        QFile::remove(*c.path);
    }
}

// In the windows a settings-folder country file that cannot be read is said
// once, and the next one gives the bureau order.
TEST(CountryFileFaults, TheWindowsSayAnUnreadableCountryFileAndUseTheNext) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    QFile large(writeFile(dir, QStringLiteral("cty.dat"),
                          readFile(testDataPath(QStringLiteral("round/cty.dat")))));
    ASSERT_TRUE(large.resize(CountryFile::kLargestFile + 1));
    Application app(dialogs, store);
    const std::shared_ptr<const BureauOrder> order = app.workspace().bureauOrder();
    app.workspace().bureauOrder();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().startsWith(
        QStringLiteral("Impossible de lire le fichier des pays %1 (il dépasse 8192 Kio)")
            .arg(large.fileName())))
        << dialogs.messages.first().toStdString();
    if (QFileInfo::exists(CountryFile::searchPaths(dir.path()).last())) {
        EXPECT_TRUE(dialogs.messages.first().endsWith(QStringLiteral(" est utilisé.")));
        EXPECT_EQ(order->prefixOf("ZZ9ZZ"), QByteArray("PY"));  // only the installed file knows
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
        ChildOptions options;
        if (kSanitized) {
            // The sanitizer keeps freed memory aside, 256 MB by default: a run that
            // frees much would look as if it held it. Keep little aside.
            options.environment.append(QStringLiteral("ASAN_OPTIONS=%1:quarantine_size_mb=4")
                                           .arg(qEnvironmentVariable("ASAN_OPTIONS")));
        }
        const ChildRun smallRun = runChild(QStringLiteral(QE_PROGRAM), arguments(small), options);
        const ChildRun largeRun = runChild(QStringLiteral(QE_PROGRAM), arguments(large), options);
        EXPECT_EQ(smallRun.exitCode, 0);
        EXPECT_EQ(largeRun.exitCode, 0);
        // Ten times the pages, and only what grows with the QSOs grows: the print
        // list, the cards' groups and the PDF's cross-reference (about 30 to 45 MB
        // for 90,000 more QSOs); pages kept in memory would add hundreds of MB.
        EXPECT_LT(largeRun.peakKilobytes - smallRun.peakKilobytes, 56 * 1024)
            << command.toStdString() << ": " << smallRun.peakKilobytes << " KB, then "
            << largeRun.peakKilobytes << " KB";
    }
}

}  // namespace
