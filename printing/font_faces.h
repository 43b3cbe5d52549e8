#pragma once

#include <QFont>
#include <QString>

// The faces the program asks for by name ("Courier New", "Lucida Console")
// and the fixed-pitch faces that stand for them on this desktop.
class FontFaces {
  public:
    // A font for the named face; both fixed-pitch faces get the typewriter
    // hint so that fontconfig gives a fixed-pitch stand-in when the face is missing.
    static QFont font(const QString& name, qreal pointSize, bool bold = false);
    static QFont screenFont(const QString& name, qreal pointSize) { return font(name, pointSize); }
    static bool isFixedPitchName(const QString& name);
};
