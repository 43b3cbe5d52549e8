// Every file the program writes goes through the one writer: a device that
// fails (full, EIO, a failing fsync, bytes lost on the way), a short write,
// or a folder put at the target before the rename leaves the older file as it
// was, no temporary file, and a message naming the file and the reason.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "files/bounded_file.h"
#include "files/replaced_file.h"
#include "support/child_process.h"
#include "support/test_files.h"

namespace {

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

const QString kDamaged = QStringLiteral("incomplet ou abîmé");
// What stands at the target before: a settings file too must be readable.
const QByteArray kOlder = "[General]\nolder=1\n";

// One of the files the program writes, and how a run writes it at `target`.
struct WrittenFile {
    const char* name;
    bool program;  // written by the program's command line, else by the probe
    QStringList (*arguments)(const QString& folder, const QString& target);
};

const WrittenFile kWrittenFiles[] = {
    {"PDF", true,
     [](const QString& folder, const QString& target) {
         return QStringList{QStringLiteral("labels"), folder + QStringLiteral("/log.adi"),
                            QStringLiteral("--pdf"), target};
     }},
    {"copie envoyée", true,
     [](const QString& folder, const QString& target) {
         return QStringList{QStringLiteral("labels"), folder + QStringLiteral("/log.adi"),
                            QStringLiteral("--dump"), QStringLiteral("--mark-sent"), target};
     }},
    {"copie reçue", true,
     [](const QString& folder, const QString& target) {
         return QStringList{QStringLiteral("received"), folder + QStringLiteral("/log.adi"),
                            QStringLiteral("--calls"),  folder + QStringLiteral("/bundle.txt"),
                            QStringLiteral("--out"),    target};
     }},
    {"carnet d'adresses", false,
     [](const QString&, const QString& target) {
         return QStringList{QStringLiteral("book"), target};
     }},
    {"planches", false,
     [](const QString&, const QString& target) {
         return QStringList{QStringLiteral("sheets"), target};
     }},
    {"modèle", false,
     [](const QString&, const QString& target) {
         return QStringList{QStringLiteral("template"), target};
     }},
    {"réglages", false,
     [](const QString&, const QString& target) {
         return QStringList{QStringLiteral("settings"), target};
     }},
};

class ReplacedFileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        QByteArray log;
        for (int i = 0; i < 40; ++i) {
            log += "<CALL:5>F" + QByteArray::number(1000 + i) +
                   "<QSO_DATE:8>20240131<TIME_ON:4>0751<BAND:3>40M<MODE:3>SSB<EOR>\n";
        }
        writeFile(dir, QStringLiteral("log.adi"), log);
        writeFile(dir, QStringLiteral("bundle.txt"), "F1000\nF1001\n");
        QDir().mkpath(dir.filePath(QStringLiteral("out")));
        QDir().mkpath(dir.filePath(QStringLiteral("reference")));
    }

    ChildRun write(const WrittenFile& file, const QString& target,
                   const QStringList& environment = {}, const QStringList& asUser = {}) {
        ChildOptions options;
        options.standardError = dir.filePath(QStringLiteral("stderr"));
        options.environment = environment;
        options.environment.append(QStringLiteral("XDG_CONFIG_HOME=") +
                                   dir.filePath(QStringLiteral("config")));
        options.environment.append(QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0"));
        options.giveUpSeconds = 60;
        const QString program =
            file.program ? QStringLiteral(QE_PROGRAM) : QStringLiteral(QE_FILE_WRITER_PROBE);
        if (!asUser.isEmpty()) {
            return runChild(
                asUser.first(),
                asUser.mid(1) + QStringList{program} + file.arguments(dir.path(), target), options);
        }
        return runChild(program, file.arguments(dir.path(), target), options);
    }
    QString errors() const {
        return QString::fromUtf8(readFile(dir.filePath(QStringLiteral("stderr"))));
    }
    static QStringList leftovers(const QString& folder) {
        return QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
    }
    // What a run on a sound device writes over the older file.
    QByteArray reference(const WrittenFile& file) {
        const QString target =
            writeFile(dir, QStringLiteral("reference/") + QString::fromUtf8(file.name), kOlder);
        EXPECT_EQ(write(file, target).exitCode, 0) << errors().toStdString();
        return readFile(target);
    }

    QTemporaryDir dir;
};

// The shim's faults, each met by every file.
struct Fault {
    const char* shim;
    int reason;           // errno of the message; 0: the file read back is not whole
    bool written;         // the file is written all the same (a short write is no fault)
    bool folderAtTarget;  // the shim puts a folder at the target before the rename
};

const Fault kFaults[] = {
    {"eio", EIO, false, false},  {"full", ENOSPC, false, false}, {"fsync", EIO, false, false},
    {"damage", 0, false, false}, {"short", 0, true, false},      {"directory", EISDIR, false, true},
    {"flip", 0, false, false},
};

TEST_F(ReplacedFileFaults, EveryFileKeepsItsOlderSelfOnEveryFault) {
    for (const WrittenFile& file : kWrittenFiles) {
        const QByteArray whole = reference(file);
        ASSERT_FALSE(whole.isEmpty()) << file.name;
        for (const Fault& fault : kFaults) {
            const std::string row = std::string(file.name) + " / " + fault.shim;
            const QString target =
                dir.filePath(QStringLiteral("out/") + QString::fromUtf8(file.name));
            QFile::remove(target);
            QDir(target).removeRecursively();
            if (!fault.folderAtTarget) {
                writeFile(dir, QStringLiteral("out/") + QString::fromUtf8(file.name), kOlder);
            }
            const ChildRun run =
                write(file, target,
                      {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                       QStringLiteral("QE_FAIL_WRITE_PATH=") + QString::fromUtf8(file.name),
                       QStringLiteral("QE_FAIL_WRITE=") + QString::fromUtf8(fault.shim),
                       QStringLiteral("QE_FAIL_WRITE_TARGET=") + target});
            EXPECT_FALSE(run.crashed) << row;
            EXPECT_EQ(leftovers(dir.filePath(QStringLiteral("out"))), QStringList()) << row;
            if (fault.written) {
                EXPECT_EQ(run.exitCode, 0) << row << errors().toStdString();
                const QByteArray now = readFile(target);
                EXPECT_EQ(now.size(), whole.size()) << row;
                EXPECT_TRUE(file.program || now == whole) << row;
                continue;
            }
            EXPECT_NE(run.exitCode, 0) << row;
            EXPECT_TRUE(errors().contains(target)) << row << errors().toStdString();
            const QString reason = fault.reason == 0 ? kDamaged : reasonOf(fault.reason);
            EXPECT_TRUE(errors().contains(reason)) << row << errors().toStdString();
            EXPECT_FALSE(errors().contains(QStringLiteral("Unknown error"))) << row;
            if (fault.folderAtTarget) {
                EXPECT_TRUE(QFileInfo(target).isDir()) << row;
            } else {
                EXPECT_EQ(readFile(target), kOlder) << row;
            }
        }
    }
}

// Large copies: one that fails after its first megabytes (the log not yet
// read to its end) is a write fault, not a log that changed; bytes lost in
// the first megabytes of a 20 MB copy, read back while the rest is written,
// are found all the same.
TEST_F(ReplacedFileFaults, LargeCopiesFailingPartWaySayWhy) {
    struct Row {
        int qsos;
        size_t file;  // in kWrittenFiles
        const char* fault;
        QString reason;
    };
    const Row rows[] = {{40000, 1, "eio", reasonOf(EIO)}, {300000, 2, "damage", kDamaged}};
    for (const Row& row : rows) {
        QByteArray log;
        for (int i = 0; i < row.qsos; ++i) {
            log += "<CALL:5>F" + QByteArray::number(10000 + i % 9000).right(4) +
                   "<QSO_DATE:8>20240131<TIME_ON:4>0751<BAND:3>40M<MODE:3>SSB<EOR>\n";
        }
        writeFile(dir, QStringLiteral("log.adi"), log);
        const WrittenFile& copy = kWrittenFiles[row.file];
        const QString target =
            writeFile(dir, QStringLiteral("out/") + QString::fromUtf8(copy.name), kOlder);
        const ChildRun run =
            write(copy, target,
                  {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                   QStringLiteral("QE_FAIL_WRITE_PATH=") + QString::fromUtf8(copy.name),
                   QStringLiteral("QE_FAIL_WRITE=") + QString::fromUtf8(row.fault),
                   QStringLiteral("QE_FAIL_WRITE_AT=3000000")});
        EXPECT_NE(run.exitCode, 0) << row.fault;
        EXPECT_TRUE(errors().contains(QStringLiteral("Impossible d'écrire le fichier ") + target))
            << errors().toStdString();
        EXPECT_TRUE(errors().contains(row.reason)) << errors().toStdString();
        EXPECT_FALSE(errors().contains(QStringLiteral("a changé"))) << errors().toStdString();
        EXPECT_EQ(readFile(target), kOlder) << row.fault;
    }
}

// A small file system of our own, filled to the last block.
class FullDevice {
  public:
    explicit FullDevice(const QString& folder) : folder_(folder) {
        QDir().mkpath(folder);
        mounted_ =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~FullDevice() {
        if (mounted_) {
            QProcess::execute(QStringLiteral("umount"), {folder_});
        }
    }
    bool mounted() const { return mounted_; }
    void fill() {
        QFile filler(folder_ + QStringLiteral("/filler"));
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            const QByteArray block(512, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
    }

  private:
    QString folder_;
    bool mounted_ = false;
};

TEST_F(ReplacedFileFaults, AFullDiskKeepsEveryOlderFile) {
    FullDevice device(dir.filePath(QStringLiteral("device")));
    if (!device.mounted()) {
        GTEST_SKIP() << "this machine does not let the test mount a tmpfs";
    }
    QStringList targets;
    for (const WrittenFile& file : kWrittenFiles) {
        targets.append(
            writeFile(dir, QStringLiteral("device/") + QString::fromUtf8(file.name), kOlder));
    }
    device.fill();
    for (size_t i = 0; i < std::size(kWrittenFiles); ++i) {
        const WrittenFile& file = kWrittenFiles[i];
        const ChildRun run = write(file, targets[static_cast<qsizetype>(i)]);
        EXPECT_NE(run.exitCode, 0) << file.name;
        EXPECT_TRUE(errors().contains(targets[static_cast<qsizetype>(i)])) << file.name;
        EXPECT_TRUE(errors().contains(reasonOf(ENOSPC))) << file.name << errors().toStdString();
        EXPECT_EQ(readFile(targets[static_cast<qsizetype>(i)]), kOlder) << file.name;
        EXPECT_EQ(leftovers(dir.filePath(QStringLiteral("device"))), QStringList()) << file.name;
    }
}

// Each file is renamed into place, and then its folder synced, so that the
// rename itself survives a power cut.
TEST_F(ReplacedFileFaults, EveryFolderIsSyncedAfterItsFileIsRenamed) {
    const QString log = dir.filePath(QStringLiteral("writes.log"));
    for (const WrittenFile& file : kWrittenFiles) {
        const QString target =
            writeFile(dir, QStringLiteral("out/") + QString::fromUtf8(file.name), kOlder);
        QFile::remove(log);
        const ChildRun run = write(file, target,
                                   {QStringLiteral("LD_PRELOAD=" QE_READ_ERROR_SHIM),
                                    QStringLiteral("QE_WRITE_LOG=") + log});
        ASSERT_EQ(run.exitCode, 0) << file.name << errors().toStdString();
        const QStringList lines = QString::fromUtf8(readFile(log)).split(u'\n', Qt::SkipEmptyParts);
        const qsizetype renamed = lines.lastIndexOf(QStringLiteral("rename ") + target);
        ASSERT_GE(renamed, 0) << file.name << lines.join(u'|').toStdString();
        EXPECT_TRUE(lines.mid(renamed).contains(QStringLiteral("sync ") +
                                                dir.filePath(QStringLiteral("out"))))
            << file.name << lines.join(u'|').toStdString();
    }
}

// A name as long as the folder takes (255 bytes, UTF-8 cut in the temporary
// name) is written; temporary files of the same target left by a killed
// writer ten minutes ago go, a live writer's (a minute old) and other files stay.
TEST_F(ReplacedFileFaults, EveryFileTakesTheLongestNameAndClearsWhatAKilledWriterLeft) {
    const QString folder = dir.filePath(QStringLiteral("names"));
    // 255 bytes; 13 are added, so its first 241 make the temporary name (242 would cut an é).
    const QByteArray longest = "a" + QString(125, u'é').toUtf8() + ".out";
    ASSERT_EQ(longest.size(), 255);
    const QByteArray longestKept = "a" + QString(120, u'é').toUtf8();
    for (const auto& [name, kept] : {std::pair(QByteArray("short.out"), QByteArray("short.out")),
                                     std::pair(longest, longestKept)}) {
        for (const WrittenFile& file : kWrittenFiles) {
            const std::string row = std::string(file.name) + " / " + std::to_string(name.size());
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            const QByteArray stem = '.' + kept + '.';
            const QDateTime now = QDateTime::currentDateTime();
            struct Left {
                QByteArray name;
                int minutesOld;
                bool stays;
            };
            const Left left[] = {{stem + "Ab9xYz.part", 11, false},
                                 {stem + "Qr5tUv.part", 1, true},
                                 {".other.out.Ab9xYz.part", 60, true},
                                 {stem + "Ab9xY.part", 60, true},
                                 {stem + "Ab9xYz.pard", 60, true}};
            for (const Left& leftover : left) {
                QFile made(folder + u'/' + QString::fromUtf8(leftover.name));
                ASSERT_TRUE(made.open(QIODevice::WriteOnly)) << row;
                made.write("cut");
                made.close();
                ASSERT_TRUE(made.open(QIODevice::ReadOnly));
                ASSERT_TRUE(made.setFileTime(now.addSecs(-60 * leftover.minutesOld),
                                             QFileDevice::FileModificationTime));
            }
            const QString target = folder + u'/' + QString::fromUtf8(name);
            const ChildRun run = write(file, target);
            EXPECT_EQ(run.exitCode, 0) << row << errors().toStdString();
            EXPECT_GT(QFileInfo(target).size(), 0) << row;
            for (const Left& leftover : left) {
                EXPECT_EQ(QFileInfo::exists(folder + u'/' + QString::fromUtf8(leftover.name)),
                          leftover.stays)
                    << row << " " << leftover.name.toStdString();
            }
        }
    }
}

// How a test runs a program as an ordinary user: directly when it is one,
// else through setpriv as "nobody"; empty when neither can be done.
QStringList ordinaryUser(bool* possible) {
    *possible = true;
    if (::geteuid() != 0) {
        return {};
    }
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    *possible = !setpriv.isEmpty();
    return {setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
            QStringLiteral("--clear-groups")};
}

// A file set read-only (0444) by its owner is not replaced, as cp does not
// replace it: the run fails naming it with the system's words.
TEST_F(ReplacedFileFaults, AFileTheUserMayNotWriteIsKept) {
    bool possible = false;
    const QStringList asUser = ordinaryUser(&possible);
    if (!possible) {
        GTEST_SKIP() << "no way to run the program as an ordinary user here";
    }
    if (!asUser.isEmpty()) {
        ASSERT_EQ(
            QProcess::execute(QStringLiteral("chown"),
                              {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir.path()}),
            0);
    }
    const QString folder = dir.filePath(QStringLiteral("out"));
    for (const WrittenFile& file : kWrittenFiles) {
        const QString target =
            writeFile(dir, QStringLiteral("out/") + QString::fromUtf8(file.name), kOlder);
        if (!asUser.isEmpty()) {
            ASSERT_EQ(::chown(target.toUtf8().constData(), 65534, 65534), 0);
        }
        ASSERT_TRUE(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const ChildRun run = write(
            file, target,
            {QStringLiteral("HOME=") + dir.path(), QStringLiteral("XDG_RUNTIME_DIR=") + folder},
            asUser);
        EXPECT_NE(run.exitCode, 0) << file.name;
        EXPECT_TRUE(errors().contains(target)) << file.name << errors().toStdString();
        EXPECT_TRUE(errors().contains(reasonOf(EACCES))) << file.name << errors().toStdString();
        EXPECT_EQ(readFile(target), kOlder) << file.name;
        struct stat state {};
        EXPECT_EQ(::stat(target.toUtf8().constData(), &state), 0);
        EXPECT_EQ(state.st_mode & 07777, 0444u) << file.name;
        EXPECT_EQ(leftovers(folder), QStringList()) << file.name;
    }
}

// Links at the target are followed to the file they end at, which is written
// and the links kept; a loop is refused with the system's words.
TEST(ReplacedFileNames, LinksLeadToTheFileWrittenAndALoopIsRefused) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    QDir().mkpath(at("far"));
    ASSERT_TRUE(QFile::link(QStringLiteral("middle"), at("out")));
    ASSERT_TRUE(QFile::link(QStringLiteral("far/../far/end"), at("middle")));
    ASSERT_TRUE(QFile::link(QStringLiteral("loop-b"), at("loop-a")));
    ASSERT_TRUE(QFile::link(at("loop-a"), at("loop-b")));
    ASSERT_TRUE(QFile::link(QStringLiteral("self"), at("self")));
    EXPECT_EQ(ReplacedFile::replace(at("out"), "new"), QString());
    EXPECT_EQ(readFile(at("far/end")), "new");
    EXPECT_EQ(QFileInfo(at("out")).symLinkTarget(), at("middle"));
    EXPECT_EQ(QFileInfo(at("middle")).symLinkTarget(), at("far/end"));
    for (const char* loop : {"loop-a", "self"}) {
        const QString error = ReplacedFile::replace(at(loop), "new");
        EXPECT_TRUE(error.contains(at(loop))) << error.toStdString();
        EXPECT_TRUE(error.contains(reasonOf(ELOOP))) << error.toStdString();
        EXPECT_TRUE(QFileInfo(at(loop)).isSymLink()) << loop;
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden),
              QStringList());
}

// A file of the settings folder is read up to its limit, the limit included.
TEST(ReplacedFileNames, AFileOfExactlyTheLimitIsRead) {
    QTemporaryDir dir;
    constexpr qint64 kLimit = 4096;
    const struct {
        qint64 size;
        BoundedFile::Outcome outcome;
    } rows[] = {{0, BoundedFile::Outcome::Read},
                {kLimit - 1, BoundedFile::Outcome::Read},
                {kLimit, BoundedFile::Outcome::Read},
                {kLimit + 1, BoundedFile::Outcome::TooLarge}};
    for (const auto& row : rows) {
        const QString path =
            writeFile(dir, QStringLiteral("sheets.txt"), QByteArray(row.size, 'x'));
        QByteArray bytes;
        QString reason;
        EXPECT_EQ(BoundedFile::read(path, kLimit, &bytes, &reason), row.outcome) << row.size;
        EXPECT_EQ(bytes.size(), row.outcome == BoundedFile::Outcome::Read ? row.size : 0);
        EXPECT_EQ(reason.isEmpty(), row.outcome == BoundedFile::Outcome::Read) << row.size;
    }
}

}  // namespace
