#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/qt_messages.h"
#include "files/native_file_name.h"
#include "files/run_files.h"
#include "platform/qt_dialogs.h"
#include "printing/pdf_output.h"
#include "settings/program_language.h"
#include "settings/settings_store.h"
#include "windows/application.h"
#include "windows/start_window.h"

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        // As file names: bytes that are not UTF-8 are carried, not replaced.
        arguments.append(NativeFileName::decode(QByteArray(argv[i])));
    }
    return arguments;
}

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Qt wants a private runtime folder; give it one when the session has none.
void ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const QString folder =
        QStringLiteral("%1/runtime-%2").arg(QDir::tempPath(), QString::number(getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

// `--translations DIR`, taken out of the arguments: a folder whose catalogues
// come before the settings folder's translations/ and the built-in ones.
QStringList catalogueFolders(QStringList& arguments) {
    QStringList folders;
    const qsizetype at = arguments.indexOf(QStringLiteral("--translations"));
    if (at >= 0 && at + 1 < arguments.size()) {
        folders.append(arguments[at + 1]);
        arguments.remove(at, 2);
    }
    return folders;
}

// The language chosen in the start window, else the environment's.
QString chosenLanguage() {
    const SettingsStore store;
    return ProgramLanguage::chosen(store.written(StoredSettings::kWindowLanguage));
}

bool installLanguage(QCoreApplication& application, const QString& code, QStringList folders) {
    // Every catalogue these folders hold or may hold is a file of every run.
    RunFiles::setCatalogueFolders(folders);
    folders.append(RunFiles::translationsFolder(SettingsStore::userFileName()));
    QStringList skipped;
    const bool qtTexts = ProgramLanguage::install(application, code, folders, &skipped);
    for (const QString& message : skipped) {
        std::fputs((message + u'\n').toUtf8().constData(), stderr);
    }
    return qtTexts;
}

int runCommand(int argc, char** argv, const QStringList& arguments, const QString& language,
               const QStringList& folders) {
    // The commands show no window but need fonts and printers.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    installLanguage(application, language, folders);
    PdfOutput::removeOnSignals();
    return CommandLine(stdout, stderr).run(arguments);
}

int runWindows(int argc, char** argv, const QStringList& arguments, const QString& language,
               const QStringList& folders) {
    if (!hasDisplay()) {
        std::fputs(
            "quenor-etiquettes: no display is set (DISPLAY is empty), so the windows cannot "
            "open.\n"
            "Run it on a desktop, or without one: xvfb-run -a quenor-etiquettes\n"
            "or QT_QPA_PLATFORM=offscreen quenor-etiquettes (windows drawn off screen).\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenor_Etiquettes"));
    if (!installLanguage(application, language, folders)) {
        std::fputs(
            "quenor-etiquettes: Qt's own translations (package qt6-translations-l10n) are "
            "not installed; the standard dialogs speak English.\n",
            stderr);
    }
    QtDialogs dialogs;
    SettingsStore store;
    Application windows(dialogs, store);
    StartWindow& main = windows.showStartWindow();
    dialogs.setParentWindow(&main);
    if (arguments.size() == 1) {
        // A log opened from the desktop: read as "Selectionnez" would, without asking for it.
        main.loadLog(arguments.first());
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    ensureRuntimeFolder();
    QStringList arguments = argumentsOf(argc, argv);
    const QStringList folders = catalogueFolders(arguments);
    const QString language = chosenLanguage();
    QtMessages::keepFor(language);
    if (CommandLine::isCommand(arguments)) {
        return runCommand(argc, argv, arguments, language, folders);
    }
    return runWindows(argc, argv, arguments, language, folders);
}
