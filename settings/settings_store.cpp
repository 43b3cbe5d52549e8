#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <memory>

#include "files/replaced_file.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)
};

}  // namespace

namespace {

QString userIniPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.ini")
               .arg(QString::fromLatin1(SettingsStore::kOrganisation),
                    QString::fromLatin1(SettingsStore::kApplication));
}

// Where QSettings writes the file's new text before it is checked (QSettings
// renames its own temporary file into place even when writing it failed): in
// memory where the system has it, so that only the settings file's own
// writing can meet a full disk; else beside the settings file.
std::unique_ptr<QTemporaryFile> stagingFile(const QString& fileName) {
    const QString memory = QStringLiteral("/dev/shm");
    const QFileInfo folder(memory);
    const QString place = folder.isDir() && folder.isWritable()
                              ? memory + QStringLiteral("/quenor-etiquettes-XXXXXX.ini")
                              : QFileInfo(fileName).absoluteDir().filePath(
                                    QStringLiteral(".") + QFileInfo(fileName).fileName() +
                                    QStringLiteral(".XXXXXX.staging"));
    auto file = std::make_unique<QTemporaryFile>(place);
    if (!file->open()) {
        return nullptr;
    }
    file->close();
    return file;
}

bool holdsExactly(const QSettings& file, const std::map<QString, QString>& values) {
    const QStringList keys = file.allKeys();
    if (file.status() != QSettings::NoError || static_cast<size_t>(keys.size()) != values.size()) {
        return false;
    }
    for (const QString& key : keys) {
        const auto value = values.find(key);
        if (value == values.end() || file.value(key).toString() != value->second) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString SettingsStore::userFileName() {
    return userIniPath();
}

SettingsStore::SettingsStore() : fileName_(userIniPath()) {
    load();
}

SettingsStore::SettingsStore(const QString& iniPath) : fileName_(iniPath) {
    load();
}

SettingsStore::~SettingsStore() {
    sync();
}

void SettingsStore::load() {
    // QSettings opens its file as soon as it is made: only a regular file may be
    // opened, since a FIFO would be waited on and a device read forever.
    const QFileInfo file(fileName_);
    if (file.exists() && !file.isFile()) {
        fileUnreadable_ = true;
        return;
    }
    const QSettings stored(fileName_, QSettings::IniFormat);
    const QStringList keys = stored.allKeys();
    if (stored.status() != QSettings::NoError) {
        fileUnreadable_ = true;
        return;
    }
    for (const QString& key : keys) {
        values_[key] = stored.value(key).toString();
    }
}

QString SettingsStore::encodeName(const QString& name) {
    QString encoded;
    encoded.reserve(name.size());
    for (const QChar c : name) {
        switch (c.unicode()) {
            case '%':
                encoded += QStringLiteral("%25");
                break;
            case '/':
                encoded += QStringLiteral("%2F");
                break;
            case '\\':
                encoded += QStringLiteral("%5C");
                break;
            default:
                encoded += c;
        }
    }
    return encoded;
}

QString SettingsStore::path(const QString& section, const QString& key) {
    // As QSettings gives its keys back: no separator at either end.
    QString path = encodeName(section) + QLatin1Char('/') + encodeName(key);
    while (path.startsWith(QLatin1Char('/'))) {
        path.remove(0, 1);
    }
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path;
}

QString SettingsStore::read(const QString& section, const QString& key,
                            const QString& fallback) const {
    const auto value = values_.find(path(section, key));
    return value != values_.end() ? value->second : fallback;
}

QString SettingsStore::read(const StoredSetting& setting, const QString& owner) const {
    return read(setting.section(owner), setting.keyOf(owner), setting.absentText());
}

void SettingsStore::write(const StoredSetting& setting, const QString& value,
                          const QString& owner) {
    write(setting.section(owner), setting.keyOf(owner), value);
}

QString SettingsStore::written(const StoredSetting& setting, const QString& owner) const {
    return read(setting.section(owner), setting.keyOf(owner), QString());
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    const QString at = path(section, key);
    const auto old = values_.find(at);
    if (old == values_.end() || old->second != value) {
        values_[at] = value;
        dirty_ = true;
    }
}

bool SettingsStore::sync() {
    if (fileUnreadable_) {
        return false;
    }
    if (dirty_ && writeFile()) {
        dirty_ = false;
    }
    return !dirty_;
}

// QSettings writes the INI text in a staging file; only once that file reads
// back as every value does its text replace the settings file.
bool SettingsStore::writeFile() {
    const std::unique_ptr<QTemporaryFile> staging = stagingFile(fileName_);
    if (staging == nullptr) {
        writeProblem_ = Text::tr("aucun fichier temporaire ne peut être créé");
        return false;
    }
    {
        QSettings out(staging->fileName(), QSettings::IniFormat);
        for (const auto& [key, value] : values_) {
            out.setValue(key, value);
        }
        out.sync();
    }
    QFile text(staging->fileName());
    const bool read = text.open(QIODevice::ReadOnly);
    const QByteArray bytes = read ? text.readAll() : QByteArray();
    if (!read || text.error() != QFileDevice::NoError ||
        !holdsExactly(QSettings(staging->fileName(), QSettings::IniFormat), values_)) {
        writeProblem_ = Text::tr("le texte des options n'a pas pu être préparé");
        return false;
    }
    QDir().mkpath(QFileInfo(fileName_).absolutePath());
    ReplacedFile file(fileName_);
    if (!file.write(bytes) || !file.commit()) {
        writeProblem_ = file.reason();
        return false;
    }
    return true;
}

QString SettingsStore::fileName() const {
    return fileName_;
}

QString SettingsStore::problemToReport() {
    if (problemReported_ || sync()) {
        return {};
    }
    problemReported_ = true;
    if (fileUnreadable_) {
        return Text::tr(
                   "Les options ne peuvent pas être enregistrées : le fichier %1 est illisible "
                   "ou protégé en écriture. Le programme continue avec les valeurs par défaut.")
            .arg(fileName());
    }
    return Text::tr(
               "Les options ne peuvent pas être enregistrées : impossible d'écrire le fichier "
               "%1 (%2). Il est gardé tel qu'il était ; le programme continue avec les valeurs "
               "choisies.")
        .arg(fileName(), writeProblem_);
}
