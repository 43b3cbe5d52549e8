#pragma once

#include <QString>
#include <vector>

// What a card holds besides its ten lines: the QSO table, the thanks, the
// card's size and the picture for blank stock. Kept after the 24 lines of a
// .qsl file as "key = value" lines; every value is kept as the operator typed it.
struct CardDesign {
    struct Column {
        QString x;        // millimetres from the card's left edge
        QString value;    // a value key: date, time, band, mode, rst, qsl, ...
        QString heading;  // printed on the heading row, may be empty
        bool operator==(const Column& other) const {
            return x == other.x && value == other.value && heading == other.heading;
        }
    };
    static constexpr int kLargestRows = 6;
    static constexpr int kLargestColumns = 12;

    // The QSO table: none while it has no column.
    QString tableX;
    QString tableY;
    QString tableRows;
    QString tablePitch;
    QString tableSize;
    std::vector<Column> columns;

    // The card's thanks ("PSE QSL" or "TNX QSL"): none while thanksX is empty.
    QString thanksX;
    QString thanksY;
    QString thanksSize;
    QString thanksPse;
    QString thanksTnx;

    // A value key shown after the text of the free lines 8, 9 and 10.
    QString freeValue[3];

    QString cardSize;        // empty: 140 x 90 mm
    bool keepStrip = false;  // texts are kept out of the bureaus' strip at the bottom

    QString picture;     // a PNG, JPEG or SVG file
    QString pictureFit;  // "cover" or "contain"
    bool pictureFrame = false;
    bool printPicture = false;

    // The lines after the 24 that this version does not read ("key = value"
    // lines of a later version, or added by hand), as they were, in their order.
    std::vector<QString> otherLines;

    bool hasTable() const { return !columns.empty(); }
    bool hasThanks() const { return !thanksX.isEmpty(); }
    bool isEmpty() const { return *this == CardDesign(); }

    bool operator==(const CardDesign& other) const {
        return tableX == other.tableX && tableY == other.tableY && tableRows == other.tableRows &&
               tablePitch == other.tablePitch && tableSize == other.tableSize &&
               columns == other.columns && thanksX == other.thanksX && thanksY == other.thanksY &&
               thanksSize == other.thanksSize && thanksPse == other.thanksPse &&
               thanksTnx == other.thanksTnx && freeValue[0] == other.freeValue[0] &&
               freeValue[1] == other.freeValue[1] && freeValue[2] == other.freeValue[2] &&
               cardSize == other.cardSize && keepStrip == other.keepStrip &&
               picture == other.picture && pictureFit == other.pictureFit &&
               pictureFrame == other.pictureFrame && printPicture == other.printPicture &&
               otherLines == other.otherLines;
    }
};
