#pragma once

#include <QSizeF>
#include <QStringList>

// The lines of an address set in a box (an address label less its clear
// border, or an envelope's recipient block): the largest half-point size from
// `largest` down to `smallest` at which every line fits the box's width and
// all of them its height. Where a line is too wide it may be broken at its
// spaces; a word is never cut. An address that fits at no size is reported,
// never printed cut.
class AddressBlock {
  public:
    static constexpr float kSmallestSize = 8.0f;
    // Addresses are printed in this face, whose advance the fitting counts on.
    static QString faceName() { return QStringLiteral("Courier New"); }

    enum class Breaking { AtSpaces, Never };

    struct Fitted {
        QStringList lines;
        float size = 0;
        bool fits = false;
    };

    static Fitted fit(const QStringList& address, QSizeF box, float largest,
                      Breaking breaking = Breaking::AtSpaces, float smallest = kSmallestSize);

    // The width of a line in the fixed-pitch face addresses are printed in:
    // 0.6 em a character, twice that for the wide characters of East Asian
    // scripts, which the fallback fonts draw about 1 em wide.
    static double widthMillimetres(const QString& line, float size);

    // The lines at `size`, each too-wide line broken at spaces into as few
    // lines as fit the width (a word wider than the width stays whole).
    static QStringList brokenToWidth(const QStringList& address, double width, float size);
};
