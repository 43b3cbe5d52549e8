#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <memory>

#include "files/replaced_file.h"
#include "files/bounded_file.h"
#include "settings/ini_text.h"

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

constexpr qint64 kLargestFile = 16 * 1024 * 1024;
// How long a save waits for another instance's save to end.
constexpr int kLockWaitMs = 5000;
constexpr int kOddLinesShown = 10;

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
    QByteArray bytes;
    QString reason;
    // NUL bytes: no text at all (a binary file put there), left as it is.
    if (!readFile(&bytes, &reason) || bytes.contains('\0')) {
        fileUnreadable_ = true;
        return;
    }
    const IniText text(bytes);
    oddLines_ = text.oddLines();
    if (!readValues(text.readable(), &values_)) {
        fileUnreadable_ = true;
    }
}

// Only a regular file is read: a FIFO would be waited on and a device read forever.
bool SettingsStore::readFile(QByteArray* bytes, QString* reason) const {
    switch (BoundedFile::read(fileName_, kLargestFile, bytes, reason)) {
        case BoundedFile::Outcome::Read:
            return true;
        case BoundedFile::Outcome::Missing:
            bytes->clear();
            return true;
        default:
            return false;
    }
}

// The values QSettings reads in `text`, which must hold no line it cannot read.
bool SettingsStore::readValues(const QByteArray& text, Values* values) {
    values->clear();
    if (text.trimmed().isEmpty()) {
        return true;
    }
    const std::unique_ptr<QTemporaryFile> staging = stagingFile(QDir::tempPath() + u'/');
    if (staging == nullptr || !staging->open() || staging->write(text) != text.size() ||
        !staging->flush()) {
        return false;
    }
    staging->close();
    const QSettings stored(staging->fileName(), QSettings::IniFormat);
    const QStringList keys = stored.allKeys();
    if (stored.status() != QSettings::NoError) {
        return false;
    }
    for (const QString& key : keys) {
        (*values)[key] = stored.value(key).toString();
    }
    return true;
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
    // A value written as this store sees it is no change: a window writing back
    // every value it shows must not undo what another instance stored.
    if (old == values_.end() || old->second != value || changes_.count(at) > 0) {
        values_[at] = value;
        changes_[at] = value;
    }
}

bool SettingsStore::sync() {
    if (fileUnreadable_) {
        return false;
    }
    if (!changes_.empty() && writeFile()) {
        changes_.clear();
    }
    return changes_.empty();
}

// The INI text QSettings writes for `values`, read back as every value.
bool SettingsStore::encoded(const Values& values, QByteArray* text) {
    const std::unique_ptr<QTemporaryFile> staging = stagingFile(fileName_);
    if (staging == nullptr) {
        writeProblem_ = Text::tr("aucun fichier temporaire ne peut être créé");
        return false;
    }
    {
        QSettings out(staging->fileName(), QSettings::IniFormat);
        for (const auto& [key, value] : values) {
            out.setValue(key, value);
        }
        out.sync();
    }
    QFile file(staging->fileName());
    const bool read = file.open(QIODevice::ReadOnly);
    *text = read ? file.readAll() : QByteArray();
    Values check;
    if (!read || file.error() != QFileDevice::NoError || !readValues(*text, &check) ||
        check != values) {
        writeProblem_ = Text::tr("le texte des options n'a pas pu être préparé");
        return false;
    }
    return true;
}

// The file's new text: the text on disk with this store's changes put in where
// their keys stand, its other lines as they were; written whole by QSettings
// (without the lines it does not understand) should that text not read back
// as `merged`.
bool SettingsStore::composed(const QByteArray& onDisk, const Values& merged, QByteArray* text) {
    QByteArray changes;
    if (!encoded(changes_, &changes)) {
        return false;
    }
    *text = IniText(onDisk).withChanges(IniText(changes));
    Values check;
    if (readValues(IniText(*text).readable(), &check) && check == merged) {
        return true;
    }
    return encoded(merged, text);
}

bool SettingsStore::writeFile() {
    QDir().mkpath(QFileInfo(fileName_).absolutePath());
    // The lock QSettings itself takes: one writer at a time, from the reading
    // of the file to its replacement.
    QLockFile lock(fileName_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        writeProblem_ = Text::tr("une autre instance du programme l'écrit en ce moment");
        return false;
    }
    QByteArray onDisk;
    if (!readFile(&onDisk, &writeProblem_)) {
        return false;
    }
    Values merged;
    if (onDisk.contains('\0') || !readValues(IniText(onDisk).readable(), &merged)) {
        writeProblem_ = Text::tr("le fichier n'a pas pu être relu");
        return false;
    }
    for (const auto& [key, value] : changes_) {
        merged[key] = value;
    }
    QByteArray text;
    if (!composed(onDisk, merged, &text)) {
        return false;
    }
    ReplacedFile file(fileName_);
    if (!file.write(text) || !file.commit()) {
        writeProblem_ = file.reason();
        return false;
    }
    return true;
}

QString SettingsStore::fileName() const {
    return fileName_;
}

QStringList SettingsStore::oddLineMessages() const {
    QStringList messages;
    for (const int line : oddLines_.first(std::min<qsizetype>(oddLines_.size(), kOddLinesShown))) {
        messages.append(Text::tr("Le fichier d'options %1, ligne %2 : ligne incomprise, ignorée ; "
                                 "elle reste dans le fichier.")
                            .arg(fileName_)
                            .arg(line));
    }
    if (oddLines_.size() > messages.size()) {
        messages.append(Text::tr("Le fichier d'options %1 a d'autres lignes incomprises, "
                                 "ignorées elles aussi.")
                            .arg(fileName_));
    }
    return messages;
}

QString SettingsStore::problemToReport() {
    if (!oddLinesReported_ && !oddLines_.isEmpty()) {
        oddLinesReported_ = true;
        return oddLineMessages().join(u'\n');
    }
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
