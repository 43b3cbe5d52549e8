// Every file the program writes goes through the one writer: a device that
// fails (full, EIO, a failing fsync, bytes lost on the way), a short write,
// or a folder put at the target before the rename leaves the older file as it
// was, no temporary file, and a message naming the file and the reason.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

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
                   const QStringList& environment = {}) {
        ChildOptions options;
        options.standardError = dir.filePath(QStringLiteral("stderr"));
        options.environment = environment;
        options.environment.append(QStringLiteral("XDG_CONFIG_HOME=") +
                                   dir.filePath(QStringLiteral("config")));
        options.environment.append(QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0"));
        options.giveUpSeconds = 60;
        return runChild(
            file.program ? QStringLiteral(QE_PROGRAM) : QStringLiteral(QE_FILE_WRITER_PROBE),
            file.arguments(dir.path(), target), options);
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
            const bool pdfWriteError = QByteArray(file.name) == "PDF" && fault.reason != EISDIR;
            const QString reason = fault.reason == 0 ? kDamaged : reasonOf(fault.reason);
            if (!pdfWriteError || fault.reason == 0) {
                EXPECT_TRUE(errors().contains(reason)) << row << errors().toStdString();
            } else {
                // Qt's PDF writer keeps the system's words; the file is named as cut.
                EXPECT_TRUE(errors().contains(reason) || errors().contains(kDamaged))
                    << row << errors().toStdString();
            }
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

}  // namespace
