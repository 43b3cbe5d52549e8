// The files of a run, tried with the real program as an ordinary user: no
// output of any command replaces a file the run reads, a file the program
// keeps in its settings folder, or a file the user may not write, and an
// output that cannot be written is refused before anything is printed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <map>

#include "cards/qsl_template_file.h"
#include "support/child_process.h"
#include "support/test_files.h"

namespace {

// What a refusal says: the output is a file of the run, or cannot be written.
enum class Refusal { FileOfTheRun, Unwritable };

struct Command {
    const char* name;
    bool copy;  // a marked copy (--mark-sent, --out), else a PDF
    std::function<QStringList(const QString& output)> arguments;
};

struct Protected {
    const char* what;
    QString path;
    Refusal refusal;
    int cause;       // errno named by an Unwritable refusal
    bool cardsOnly;  // read by card runs alone (the template's picture)
};

class RunFilesRefusals : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings = dir.filePath(QStringLiteral("config/Quenor_Etiquettes"));
        ASSERT_TRUE(QDir().mkpath(settings + QStringLiteral("/translations")));
        log = writeFile(dir, QStringLiteral("journal.adi"),
                        "<CALL:5>F1AAA<QSO_DATE:8>20240301<TIME_ON:4>1000<BAND:3>20M<EOR>\n"
                        "<CALL:5>F1BBB<QSO_DATE:8>20240301<TIME_ON:4>1010<BAND:3>20M<EOR>\n");
        bundle = writeFile(dir, QStringLiteral("paquet.txt"), "F1AAA\n");
        writeFile(dir, QStringLiteral("fond.svg"),
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 140 90\">"
                  "<rect width=\"140\" height=\"90\" fill=\"#cde\"/></svg>\n");
        QslTemplate model = QslTemplate::editorDefaults();
        model.design.picture = QStringLiteral("fond.svg");
        model.design.printPicture = true;
        layout = dir.filePath(QStringLiteral("carte.qsl"));
        ASSERT_EQ(QslTemplateFile::save(model, layout), QString());
        writeSettingsFolder();
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("sortie"))));
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("ferme"))));
        QFile::setPermissions(
            dir.filePath(QStringLiteral("ferme")),
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        const QString readOnly = writeFile(dir, QStringLiteral("lecture-seule.pdf"), "older");
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther);
        runtime = dir.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (getuid() == 0) {
            giveEverythingToNobody();
        }
    }

    // The files are the user's own, as an operator's are: only the program's
    // refusal keeps a file of the run, and only its mode keeps a read-only one.
    void giveEverythingToNobody() {
        QStringList paths{dir.path()};
        QDirIterator each(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
        while (each.hasNext()) {
            paths.append(each.next());
        }
        for (const QString& path : paths) {
            ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), kNobody, kNobody), 0)
                << path.toStdString();
        }
    }

    void writeSettingsFolder() {
        const QString folder = QStringLiteral("config/Quenor_Etiquettes/");
        const std::map<QString, QByteArray> files = {
            {QStringLiteral("Etiquette.ini"), "[General]\nx=1\n"},
            {QStringLiteral("planches.txt"), "Mine\tA4\t2x2\t10 10 90 130 100 140\n"},
            {QStringLiteral("planches.txt.bak"), "# older sheets\n"},
            {QStringLiteral("adresses.csv"), "F1AAA;1 rue de Paris;75001 Paris\n"},
            {QStringLiteral("adresses.csv.bak"), "F1AAA;Paris\n"},
            {QStringLiteral("sans_bureau.txt"), "# mine\n-3D2\n"},
            {QStringLiteral("cty.dat"), "France: 14: 27: EU: 46.0: -2.0: -1.0: F:\n F;\n"},
            {QStringLiteral("translations/quenor_de.qm"), QByteArray("\x3c\xb8\x64\x18", 4)},
        };
        for (const auto& [name, bytes] : files) {
            writeFile(dir, folder + name, bytes);
        }
    }

    QString inSettings(const char* name) const { return settings + u'/' + QString::fromUtf8(name); }

    std::vector<Command> commands() const {
        const QString pdf = QStringLiteral("--pdf");
        const QString dump = QStringLiteral("--dump");
        const QString mark = QStringLiteral("--mark-sent");
        return {
            {"labels --pdf", false,
             [=](const QString& out) {
                 return QStringList{QStringLiteral("labels"), log, pdf, out};
             }},
            {"labels --mark-sent", true,
             [=](const QString& out) {
                 return QStringList{QStringLiteral("labels"), log, dump, mark, out};
             }},
            {"cards --pdf", false,
             [=](const QString& out) {
                 return QStringList{QStringLiteral("cards"), log, layout, pdf, out};
             }},
            {"cards --mark-sent", true,
             [=](const QString& out) {
                 return QStringList{QStringLiteral("cards"), log, layout, dump, mark, out};
             }},
            {"received --out", true,
             [=](const QString& out) {
                 return QStringList{QStringLiteral("received"), log,
                                    QStringLiteral("--calls"),  bundle,
                                    QStringLiteral("--out"),    out};
             }},
            {"addresses --pdf", false,
             [=](const QString& out) {
                 return QStringList{QStringLiteral("addresses"), log, QStringLiteral("--envelope"),
                                    QStringLiteral("DL"),        pdf, out};
             }},
        };
    }

    std::vector<Protected> protectedFiles() const {
        const auto runFile = [](const char* what, const QString& path, bool cardsOnly = false) {
            return Protected{what, path, Refusal::FileOfTheRun, 0, cardsOnly};
        };
        const auto unwritable = [](const char* what, const QString& path, int cause) {
            return Protected{what, path, Refusal::Unwritable, cause, false};
        };
        return {
            runFile("the template's picture", dir.filePath(QStringLiteral("fond.svg")), true),
            runFile("the template", layout, true),
            runFile("the log", log),
            runFile("the no-bureau list", inSettings("sans_bureau.txt")),
            runFile("a translation override", inSettings("translations/quenor_de.qm")),
            runFile("an override yet to come", inSettings("translations/quenor_it.qm")),
            runFile("the settings", inSettings("Etiquette.ini")),
            runFile("the sheets", inSettings("planches.txt")),
            runFile("the sheets' backup", inSettings("planches.txt.bak")),
            runFile("the address book", inSettings("adresses.csv")),
            runFile("the book's backup", inSettings("adresses.csv.bak")),
            runFile("the country file", inSettings("cty.dat")),
            unwritable("a read-only file", dir.filePath(QStringLiteral("lecture-seule.pdf")),
                       EACCES),
            unwritable("a read-only folder", dir.filePath(QStringLiteral("ferme/sortie")), EACCES),
            unwritable("a missing folder", dir.filePath(QStringLiteral("absent/sortie")), ENOENT),
            unwritable("a file as a folder", log + QStringLiteral("/sortie"), ENOTDIR),
            unwritable("a name of 256 bytes",
                       dir.filePath(QString(252, u'n') + QStringLiteral(".pdf")), ENAMETOOLONG),
        };
    }

    // Every file of the folders the runs see, with its bytes and mode.
    std::map<QString, std::pair<QByteArray, QFile::Permissions>> everyFile() const {
        std::map<QString, std::pair<QByteArray, QFile::Permissions>> files;
        for (const QString& folder :
             {dir.path(), settings, settings + QStringLiteral("/translations"),
              dir.filePath(QStringLiteral("ferme"))}) {
            for (const QFileInfo& file :
                 QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
                const QString path = file.absoluteFilePath();
                if (file.fileName() != u"stdout" && file.fileName() != u"stderr") {
                    files[path] = {readFile(path), file.permissions()};
                }
            }
        }
        return files;
    }

    ChildRun program(const QStringList& arguments) {
        ChildOptions options;
        options.standardOutput = dir.filePath(QStringLiteral("stdout"));
        options.standardError = dir.filePath(QStringLiteral("stderr"));
        options.environment = {
            QStringLiteral("XDG_CONFIG_HOME=") + dir.filePath(QStringLiteral("config")),
            QStringLiteral("XDG_RUNTIME_DIR=") + runtime, QStringLiteral("LANGUAGE=fr")};
        options.ordinaryUser = true;
        options.giveUpSeconds = 60;
        return runChild(QStringLiteral(QE_PROGRAM), arguments, options);
    }

    QTemporaryDir dir;
    QString settings;
    QString log;
    QString bundle;
    QString layout;
    QString runtime;
};

// Faults caught: an output written over the card's picture, the no-bureau
// list, a translation override or any file of the settings folder; a file the
// user may not write replaced behind their back; an output that cannot be
// written found out only after the whole print.
TEST_F(RunFilesRefusals, NoOutputReplacesAFileOfTheRunOrOneTheUserMayNotWrite) {
    const auto before = everyFile();
    for (const Command& command : commands()) {
        for (const Protected& target : protectedFiles()) {
            if (target.cardsOnly && !QString::fromUtf8(command.name).startsWith(u"cards")) {
                continue;
            }
            const std::string row = std::string(command.name) + " onto " + target.what;
            const ChildRun run = program(command.arguments(target.path));
            const QString said =
                QString::fromUtf8(readFile(dir.filePath(QStringLiteral("stderr"))));
            EXPECT_EQ(run.exitCode, 2) << row << "\n" << said.toStdString();
            EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("stdout"))).isEmpty()) << row;
            EXPECT_TRUE(said.contains(target.path)) << row << "\n" << said.toStdString();
            const QString why =
                target.refusal == Refusal::Unwritable
                    ? QStringLiteral("Impossible d'écrire le fichier %1 : %2 ; rien n'est écrit.")
                          .arg(target.path, QString::fromLocal8Bit(std::strerror(target.cause)))
                : command.copy ? QStringLiteral(" de cette impression : rien n'est écrit")
                               : QStringLiteral(" : rien n'est écrit.");
            EXPECT_TRUE(said.contains(why)) << row << "\n" << said.toStdString();
        }
    }
    const auto after = everyFile();
    for (const auto& [path, state] : before) {
        EXPECT_TRUE(after.count(path) == 1 && after.at(path) == state) << path.toStdString();
    }
    EXPECT_EQ(after.size(), before.size());  // no copy, no temporary file left
    EXPECT_FALSE(QFile::exists(inSettings("translations/quenor_it.qm")));

    // The same runs write where they may, as the same user.
    for (const Command& command : commands()) {
        const QString output = dir.filePath(
            QStringLiteral("sortie/%1").arg(QString::fromUtf8(command.name).remove(u' ')));
        const ChildRun run = program(command.arguments(output));
        EXPECT_EQ(run.exitCode, 0) << command.name << "\n"
                                   << readFile(dir.filePath(QStringLiteral("stderr"))).constData();
        EXPECT_GT(QFileInfo(output).size(), 0) << command.name;
    }
}

}  // namespace
