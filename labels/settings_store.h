#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The program's per-user options: string values addressed by section and key,
// kept in an INI file. Section and key names are stored encoded, so that any
// text (a "/" in a portable callsign, a trailing blank) comes back exactly.
class SettingsStore {
  public:
    static constexpr const char* kApplication = "Etiquette";
    static constexpr const char* kOrganisation = "Quenor_Etiquettes";
    static QString globalSection() { return QStringLiteral("Setup "); }
    static QString stationSection(const QString& callsign) { return callsign + globalSection(); }

    // The user's own store, under the XDG configuration folder.
    SettingsStore();
    // A store in the given INI file (tests, other users).
    explicit SettingsStore(const QString& iniPath);

    QString read(const QString& section, const QString& key, const QString& fallback) const;
    virtual ~SettingsStore();
    virtual void write(const QString& section, const QString& key, const QString& value);
    // True when the last writes reached the file.
    bool sync();
    QString fileName() const;

    static QString encodeName(const QString& name);
    static QString decodeName(const QString& encoded);

  private:
    QString path(const QString& section, const QString& key) const;

    std::unique_ptr<QSettings> settings_;
};
