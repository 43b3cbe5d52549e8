#pragma once

#include <QString>
#include <map>

#include "settings/stored_setting.h"

// The program's per-user options: string values addressed by section and key,
// kept in an INI file. Section and key names are stored encoded, so that any
// text (a "/" in a portable callsign, a trailing blank) comes back exactly.
// The values live in memory; the file is read once and replaced whole
// through ReplacedFile, so a file that cannot be written stays as it was.
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
    // The program goes on with the values it has in memory.
    QString problemToReport();

    static QString encodeName(const QString& name);

  private:
    static QString path(const QString& section, const QString& key);

    void load();
    bool writeFile();

    QString fileName_;
    std::map<QString, QString> values_;  // by path(section, key)
    // A file that cannot be read as settings is left as it is: what the
    // program writes then lives in values_, for this run only.
    bool fileUnreadable_ = false;
    bool dirty_ = false;
    QString writeProblem_;  // why the file was last not written
    bool problemReported_ = false;
};
