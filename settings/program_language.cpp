#include "settings/program_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProgramLanguage)
};

}  // namespace

namespace {

QString environmentVariable(const char* name) {
    return qEnvironmentVariable(name);
}

// A catalogue that loads but holds nothing (a file cut after its header) is no catalogue.
bool installTranslator(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file, folder) || translator->isEmpty() ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

QString skippedCatalogue(const QString& file, const QString& used) {
    if (used.startsWith(ProgramLanguage::builtInFolder())) {
        return Text::tr(
                   "Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, "
                   "le catalogue intégré au programme est utilisé.")
            .arg(file);
    }
    if (!used.isEmpty()) {
        return Text::tr(
                   "Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, "
                   "le catalogue %2 est utilisé.")
            .arg(file, used);
    }
    return Text::tr("Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré.")
        .arg(file);
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
    return catalogueFiles(code, folders).value(0);
}

QStringList ProgramLanguage::catalogueFiles(const QString& code, const QStringList& folders) {
    const QString name = QStringLiteral("quenor_%1.qm").arg(code);
    QStringList files;
    for (const QString& folder : folders + QStringList{builtInFolder()}) {
        const QString path = QDir(folder).filePath(name);
        if (!folder.isEmpty() && QFileInfo(path).isFile()) {
            files.append(path);
        }
    }
    return files;
}

bool ProgramLanguage::install(QCoreApplication& application, const QString& code,
                              const QStringList& folders, QStringList* skipped) {
    QStringList unusable;
    QString used;
    for (const QString& catalogue : catalogueFiles(code, folders)) {
        if (installTranslator(application, catalogue, QString())) {
            used = catalogue;
            break;
        }
        unusable.append(catalogue);
    }
    const bool qtTexts = installTranslator(application, QStringLiteral("qtbase_") + code,
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString& file : unusable) {
        if (skipped != nullptr) {
            skipped->append(skippedCatalogue(file, used));
        }
    }
    return qtTexts;
}
