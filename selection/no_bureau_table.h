#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

// The DXCC entities without an incoming QSL bureau, by their cty.dat primary
// prefix: the list shipped with the program (no_bureau_countries.txt), then
// the operator's own file beside the settings file, whose lines add entities
// and whose "-PREFIX" lines take them out. Each line: the prefix ("9N",
// "3D2/C"), then optionally a tab, the date it was checked (YYYY-MM-DD), a tab
// and its source.
class NoBureauTable {
  public:
    static constexpr int kMostNamedLines = 20;

    // The operator's file: sans_bureau.txt beside the settings file.
    static QString ownFilePath(const QString& settingsFile);

    // The shipped list with the operator's file over it. Bad lines of the
    // operator's file are left out and said in one `problem` that names them
    // (the first kMostNamedLines), as is a file that cannot be read.
    static NoBureauTable load(const QString& ownFile, QString* problem = nullptr);

    // Whatever the case of the prefix: cty.dat writes "3D2/c", "FO/m".
    bool contains(const QByteArray& prefix) const { return prefixes_.contains(prefix.toUpper()); }
    int count() const { return static_cast<int>(prefixes_.size()); }

  private:
    // Applies the lines of `text`; the numbers of the lines left out.
    QStringList apply(const QString& text, bool ownFile);

    QSet<QByteArray> prefixes_;
};
