#include "settings/program_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QString environmentVariable(const char* name) {
    return qEnvironmentVariable(name);
}

bool installTranslator(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

const QStringList& ProgramLanguage::codes() {
    static const QStringList known{QStringLiteral("fr"), QStringLiteral("en"), QStringLiteral("de"),
                                   QStringLiteral("es"), QStringLiteral("it")};
    return known;
}

QString ProgramLanguage::nativeName(const QString& code) {
    static const QStringList names{QStringLiteral("Français"), QStringLiteral("English"),
                                   QStringLiteral("Deutsch"), QStringLiteral("Español"),
                                   QStringLiteral("Italiano")};
    return names.value(codes().indexOf(code));
}

QString ProgramLanguage::ofLocaleName(const QString& localeName) {
    qsizetype end = 0;
    while (end < localeName.size() && localeName[end].isLetter()) {
        ++end;
    }
    const QString language = localeName.left(end).toLower();
    return codes().contains(language) ? language : QString();
}

QString ProgramLanguage::fromEnvironment(const std::function<QString(const char*)>& variable) {
    const auto value = variable ? variable : environmentVariable;
    for (const QString& entry : value("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString code = ofLocaleName(entry);
        if (!code.isEmpty()) {
            return code;
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = value(name);
        if (!locale.isEmpty()) {
            const QString code = ofLocaleName(locale);
            return code.isEmpty() ? QStringLiteral("en") : code;
        }
    }
    return QStringLiteral("en");
}

QString ProgramLanguage::chosen(const QString& stored) {
    return codes().contains(stored) ? stored : fromEnvironment();
}

QString ProgramLanguage::catalogueFile(const QString& code, const QStringList& folders) {
    const QString name = QStringLiteral("quenor_%1.qm").arg(code);
    for (const QString& folder : folders + QStringList{builtInFolder()}) {
        const QString path = QDir(folder).filePath(name);
        if (!folder.isEmpty() && QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

bool ProgramLanguage::install(QCoreApplication& application, const QString& code,
                              const QStringList& folders) {
    const QString catalogue = catalogueFile(code, folders);
    if (!catalogue.isEmpty()) {
        installTranslator(application, catalogue, QString());
    }
    return installTranslator(application, QStringLiteral("qtbase_") + code,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
