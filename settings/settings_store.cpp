#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)
};

}  // namespace

namespace {

// QSettings opens its file as soon as it is made: only a regular file may be
// opened, since a FIFO would be waited on and a device read forever.
bool isSpecialFile(const QString& path) {
    const QFileInfo file(path);
    return file.exists() && !file.isFile();
}

QString userIniPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.ini")
               .arg(QString::fromLatin1(SettingsStore::kOrganisation),
                    QString::fromLatin1(SettingsStore::kApplication));
}

const QString kNothing = QStringLiteral("/dev/null");

}  // namespace

SettingsStore::SettingsStore() : fileName_(userIniPath()) {
    specialFile_ = isSpecialFile(fileName_);
    settings_ = specialFile_
                    ? std::make_unique<QSettings>(kNothing, QSettings::IniFormat)
                    : std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QString::fromLatin1(kOrganisation),
                                                  QString::fromLatin1(kApplication));
    checkReadable();
}

SettingsStore::~SettingsStore() = default;

SettingsStore::SettingsStore(const QString& iniPath)
    : fileName_(iniPath), specialFile_(isSpecialFile(iniPath)) {
    settings_ =
        std::make_unique<QSettings>(specialFile_ ? kNothing : iniPath, QSettings::IniFormat);
    checkReadable();
}

void SettingsStore::checkReadable() {
    if (specialFile_) {
        fileUnreadable_ = true;
        return;
    }
    fileName_ = settings_->fileName();
    settings_->contains(QStringLiteral("x"));  // loads the file
    fileUnreadable_ = settings_->status() == QSettings::FormatError;
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

QString SettingsStore::path(const QString& section, const QString& key) const {
    return encodeName(section) + QLatin1Char('/') + encodeName(key);
}

QString SettingsStore::read(const QString& section, const QString& key,
                            const QString& fallback) const {
    const auto unsaved = unsaved_.find(path(section, key));
    if (unsaved != unsaved_.end()) {
        return unsaved->second;
    }
    if (fileUnreadable_) {
        return fallback;
    }
    const QVariant value = settings_->value(path(section, key));
    return value.isValid() ? value.toString() : fallback;
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
    if (fileUnreadable_) {
        unsaved_[path(section, key)] = value;
        return;
    }
    settings_->setValue(path(section, key), value);
}

bool SettingsStore::sync() {
    if (fileUnreadable_) {
        return false;
    }
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString SettingsStore::fileName() const {
    return fileName_;
}

QString SettingsStore::problemToReport() {
    if (problemReported_ || sync()) {
        return {};
    }
    problemReported_ = true;
    return Text::tr(
               "Les options ne peuvent pas être enregistrées : le fichier %1 est illisible "
               "ou protégé en écriture. Le programme continue avec les valeurs par défaut.")
        .arg(fileName());
}
