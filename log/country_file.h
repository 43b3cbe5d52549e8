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

    // Larger than any country file: Debian's holds 346 entities in 330 KB.
    static constexpr qint64 kLargestFile = 8 * 1024 * 1024;

    // Reads a country file; false with a French message when it cannot be read
    // (not a regular file, larger than kLargestFile, a read error) or holds no
    // entity; false without message when it does not exist.
    bool load(const QString& path, QString* error);
    // Reads the first of `paths` that can be read. A file that exists but cannot
    // be read is passed over as a missing one is, and said in `error` even when a
    // later file is read; false with a message when none can be read.
    bool loadFirst(const QStringList& paths, QString* error);

    // The primary prefix of a callsign's entity; empty when it has none
    // (maritime or aeronautical mobile, or nothing matches).
    QString primaryPrefix(const QString& callsign) const;

    int entityCount() const { return entityCount_; }

    // True when `part` is one of the file's prefixes ("EA8", "VP2V", "KH6"),
    // not counting its whole-call entries.
    bool isPrefix(const QString& part) const { return prefixes_.contains(part.toUpper()); }

  private:
    void readEntities(const QString& text);
    QString lookUp(const QString& call) const;

    QHash<QString, QString> exactCalls_;
    QHash<QString, QString> prefixes_;
    int longestPrefix_ = 0;
    int entityCount_ = 0;
};
