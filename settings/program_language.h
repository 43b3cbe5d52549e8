#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

// The language the windows and the messages speak. French is the language of
// the texts in the code; the others come from the catalogues built into the
// program, or from a .qm file a translator puts in a folder of their own.
class ProgramLanguage {
  public:
    // The languages there are, French first.
    static const QStringList& codes();
    // The language's name in itself ("Deutsch"), for the choice in the start window.
    static QString nativeName(const QString& code);
    // The language a locale name ("de_DE.UTF-8", "it", "pt_BR@euro") names,
    // when it is one of ours; empty otherwise.
    static QString ofLocaleName(const QString& localeName);
    // The language the environment asks for: the first known entry of LANGUAGE,
    // else the locale of LC_ALL, LC_MESSAGES or LANG (the first set), else
    // English. `variable` gives a variable's value (the process environment
    // when empty).
    static QString fromEnvironment(const std::function<QString(const char*)>& variable = {});
    // The stored choice when it names a language, else the environment's.
    static QString chosen(const QString& stored);

    // Installs the program's catalogue for `code` and Qt's own texts in that
    // language. A folder of `folders` holding quenor_CODE.qm is preferred, in
    // order, to the built-in catalogue; an override Qt cannot load (cut or
    // damaged) is passed over and named in `skipped`, one French message each,
    // in the language installed. False when Qt's own texts are missing.
    static bool install(QCoreApplication& application, const QString& code,
                        const QStringList& folders = {}, QStringList* skipped = nullptr);
    // The program's catalogue file that install() tries first for `code`,
    // empty when there is none (French without counts).
    static QString catalogueFile(const QString& code, const QStringList& folders);
    // Every catalogue file for `code`, in the order install() tries them.
    static QStringList catalogueFiles(const QString& code, const QStringList& folders);
    // Where the program's own catalogues are built in.
    static QString builtInFolder() { return QStringLiteral(":/i18n"); }
};
