#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "settings/program_language.h"

// Every test binary runs headless, with its own settings and runtime folders,
// so nothing a test does reaches the user's own options. They read the
// program's texts in French, as do the programs they start, whatever the
// machine's locale.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    const QString runtime = QDir(home.path()).filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("LANGUAGE", "fr");
    QApplication application(argc, argv);
    ProgramLanguage::install(application, QStringLiteral("fr"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
