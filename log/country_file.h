#pragma once

#include <QHash>
#include <QString>

// The DXCC entities of a country file in the common cty.dat form, as Debian's
// hamradio-files installs it: which entity a callsign belongs to, by its
// primary prefix ("DL", "F", "K", "UA9").
class CountryFile {
  public:
    // Where the program looks: a cty.dat beside the settings file first (an
    // operator's newer copy), then the one Debian installs.
    static QStringList searchPaths(const QString& settingsFolder);

    // Reads a country file; false with a French message when it cannot be read
    // or holds no entity.
    bool load(const QString& path, QString* error);
    // Reads the first of `paths` that exists; false with a message when none can be read.
    bool loadFirst(const QStringList& paths, QString* error);

    // The primary prefix of a callsign's entity; empty when it has none
    // (maritime mobile, or nothing matches).
    QString primaryPrefix(const QString& callsign) const;

    int entityCount() const { return entityCount_; }

  private:
    QString lookUp(const QString& call) const;

    QHash<QString, QString> exactCalls_;
    QHash<QString, QString> prefixes_;
    int longestPrefix_ = 0;
    int entityCount_ = 0;
};
