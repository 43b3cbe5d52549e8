#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

// The DXCC entities without an incoming QSL bureau, by their cty.dat primary
// prefix: the list shipped with the program (no_bureau_countries.txt), then
// the operator's own file beside the settings file, whose lines add entities
// and whose "-PREFIX" lines take them out. Each line: the prefix, then
// optionally a tab, the date it was checked (YYYY-MM-DD), a tab and its source.
class NoBureauTable {
  public:
    // The operator's file: sans_bureau.txt beside the settings file.
    static QString ownFilePath(const QString& settingsFile);

    // The shipped list with the operator's file over it. Bad lines of the
    // operator's file are left out and said once in `problem`, as is a file
    // that cannot be read.
    static NoBureauTable load(const QString& ownFile, QString* problem = nullptr);

    bool contains(const QByteArray& prefix) const { return prefixes_.contains(prefix); }
    int count() const { return static_cast<int>(prefixes_.size()); }

  private:
    // Applies the lines of `text`; the number of bad lines and the first one.
    int apply(const QString& text, bool ownFile, int* firstBadLine);

    QSet<QByteArray> prefixes_;
};
