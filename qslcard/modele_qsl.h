#pragma once

#include <QString>
#include <array>

// A QSL card layout: the printer's margins, ten print lines (position in
// millimetres, size in points, text) and three flags that join lines.
// Every value is kept as the operator typed it.
struct Modele_QSL {
    static constexpr int kLines = 10;

    QString MG;
    QString MH;
    std::array<QString, kLines> G;  // G[0] is G1
    std::array<QString, kLines> H;
    std::array<QString, kLines> P;
    std::array<QString, kLines> T;
    bool Check1 = false;  // line 2 printed at the end of line 1
    bool Check2 = false;  // line 4 printed at the end of line 3
    bool Check3 = false;  // lines 6 and 7 printed at the end of line 5

    // What a new layout editor shows: positions and margins "0", sizes "10".
    static Modele_QSL editorDefaults() {
        Modele_QSL model;
        model.MG = model.MH = QStringLiteral("0");
        model.G.fill(QStringLiteral("0"));
        model.H.fill(QStringLiteral("0"));
        model.P.fill(QStringLiteral("10"));
        return model;
    }

    // Ticking a join flag puts the positions of the lines it absorbs to "0".
    void setCheck(int flag, bool ticked) {
        bool& check = flag == 1 ? Check1 : flag == 2 ? Check2 : Check3;
        const bool wasTicked = check;
        check = ticked;
        if (!ticked || wasTicked) {
            return;
        }
        const auto clear = [this](int line) {
            G[static_cast<size_t>(line - 1)] = QStringLiteral("0");
            H[static_cast<size_t>(line - 1)] = QStringLiteral("0");
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

    bool operator==(const Modele_QSL& other) const {
        return MG == other.MG && MH == other.MH && G == other.G && H == other.H && P == other.P &&
               T == other.T && Check1 == other.Check1 && Check2 == other.Check2 &&
               Check3 == other.Check3;
    }
};
