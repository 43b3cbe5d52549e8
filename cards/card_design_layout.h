#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "cards/card_design.h"
#include "cards/card_size.h"
#include "cards/card_values.h"

// The numbers of a card's design, ready for printing: positions in
// millimetres from the card's edges, sizes in points.
struct CardDesignLayout {
    struct Column {
        double x = 0;
        CardValues::Value value = CardValues::Value::Date;
        QString heading;
    };

    CardSize size = CardSize::standard();
    bool keepStrip = false;

    std::vector<Column> columns;  // none: no table
    double tableX = 0;
    double tableY = 0;
    int rows = 0;
    double pitch = 0;
    float tableSize = 8;

    bool hasThanks = false;
    double thanksX = 0;
    double thanksY = 0;
    float thanksSize = 10;
    QString pse;
    QString tnx;

    std::array<std::optional<CardValues::Value>, 3> freeValue;

    QString picture;
    bool cover = true;
    bool frame = false;
    bool printPicture = false;

    bool hasTable() const { return !columns.empty(); }
    bool hasHeading() const;
    // The top of table row `row` (0 for the first QSO), from the card's top edge.
    double rowTop(int row) const { return tableY + (hasHeading() ? row + 1 : row) * pitch; }

    // The design's numbers, or nothing with a French message naming the first
    // value that cannot be used.
    static std::optional<CardDesignLayout> from(const CardDesign& design, QString* problem);
};
