#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>

#include "settings/stored_setting.h"

// The program's per-user options: string values addressed by section and key,
// kept in an INI file. Section and key names are stored encoded, so that any
// text (a "/" in a portable callsign, a trailing blank) comes back exactly.
// The values live in memory; the file is read once. A save stores only the
// values this store changed, over what the file holds at that moment (another
// instance of the program may have written it), under the writer's lock, and
// replaces the file through ReplacedFile, so a file that cannot be written
// stays as it was. Lines the store does not understand are read around and
// kept in the file as they were.
class SettingsStore {
  public:
    static constexpr const char* kApplication = "Etiquette";
    static constexpr const char* kOrganisation = "Quenor_Etiquettes";
    static QString globalSection() { return QStringLiteral("Setup "); }
    static QString stationSection(const QString& callsign) { return callsign + globalSection(); }

    // The user's own store, under the XDG configuration folder.
    SettingsStore();
    static QString userFileName();
    // A store in the given INI file (tests, other users).
    explicit SettingsStore(const QString& iniPath);

    // One of the stored settings, for its owner (station callsign or printer);
    // its absent text while it was never written.
    QString read(const StoredSetting& setting, const QString& owner = QString()) const;
    void write(const StoredSetting& setting, const QString& value,
               const QString& owner = QString());
    // The text written for it, empty when it was never written.
    QString written(const StoredSetting& setting, const QString& owner = QString()) const;

    QString read(const QString& section, const QString& key, const QString& fallback) const;
    virtual ~SettingsStore();
    virtual void write(const QString& section, const QString& key, const QString& value);
    // True when the last writes reached the file (or there was nothing to write).
    bool sync();
    QString fileName() const;

    // Writes what is pending and, the first time the file cannot be read or
    // written, returns a French message saying so; afterwards an empty text.
    // The program goes on with the values it has in memory. The lines of the
    // file not understood are reported first, once.
    QString problemToReport();
    // The lines of the file not understood when it was read, one French
    // message for each (a few at most), naming the file and the line.
    QStringList oddLineMessages() const;

    static QString encodeName(const QString& name);

  private:
    static QString path(const QString& section, const QString& key);

    using Values = std::map<QString, QString>;  // by path(section, key)

    void load();
    bool readFile(QByteArray* bytes, QString* reason) const;
    static bool readValues(const QByteArray& text, Values* values);
    bool encoded(const Values& values, QByteArray* text);
    bool composed(const QByteArray& onDisk, const Values& merged, QByteArray* text);
    bool writeFile();

    QString fileName_;
    Values values_;   // as this store sees them: the file when read, and its own changes
    Values changes_;  // what this store wrote since its last save
    QList<int> oddLines_;
    // A file that cannot be read as settings is left as it is: what the
    // program writes then lives in values_, for this run only.
    bool fileUnreadable_ = false;
    QString writeProblem_;  // why the file was last not written
    bool problemReported_ = false;
    bool oddLinesReported_ = false;
};
