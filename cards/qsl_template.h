#pragma once

#include <QString>
#include <array>

#include "cards/card_design.h"

// A QSL card layout: the printer's margins, ten print lines (position in
// millimetres, size in points, text) and three flags that join lines.
// Every value is kept as the operator typed it.
struct QslTemplate {
    static constexpr int kLines = 10;

    QString marginLeft;
    QString marginTop;
    std::array<QString, kLines> left;  // left[0] is G1, the x of line 1
    std::array<QString, kLines> top;
    std::array<QString, kLines> size;
    std::array<QString, kLines> text;
    bool joinLine2 = false;       // line 2 printed at the end of line 1
    bool joinLine4 = false;       // line 4 printed at the end of line 3
    bool joinLines6And7 = false;  // lines 6 and 7 printed at the end of line 5
    CardDesign design;            // the table, thanks, size and picture

    // What a new layout editor shows: positions and margins "0", sizes "10".
    static QslTemplate editorDefaults() {
        QslTemplate model;
        model.marginLeft = model.marginTop = QStringLiteral("0");
        model.left.fill(QStringLiteral("0"));
        model.top.fill(QStringLiteral("0"));
        model.size.fill(QStringLiteral("10"));
        return model;
    }

    // Ticking a join flag puts the positions of the lines it absorbs to "0".
    void setJoin(int flag, bool ticked) {
        bool& check = flag == 1 ? joinLine2 : flag == 2 ? joinLine4 : joinLines6And7;
        const bool wasTicked = check;
        check = ticked;
        if (!ticked || wasTicked) {
            return;
        }
        const auto clear = [this](int line) {
            left[static_cast<size_t>(line - 1)] = QStringLiteral("0");
            top[static_cast<size_t>(line - 1)] = QStringLiteral("0");
        };
        if (flag == 1) {
            clear(2);
        } else if (flag == 2) {
            clear(4);
        } else {
            clear(6);
            clear(7);
        }
    }

    bool operator==(const QslTemplate& other) const {
        return marginLeft == other.marginLeft && marginTop == other.marginTop &&
               left == other.left && top == other.top && size == other.size && text == other.text &&
               joinLine2 == other.joinLine2 && joinLine4 == other.joinLine4 &&
               joinLines6And7 == other.joinLines6And7 && design == other.design;
    }
};
