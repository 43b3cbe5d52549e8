#pragma once

#include <QString>
#include <optional>

#include "cards/card_values.h"

// How a card run lays out its cards, as the card print window and the cards
// command ask for it.
struct CardRunOptions {
    bool group = false;  // the QSOs of one station share cards (with a table)
    CardValues::Thanks thanks = CardValues::Thanks::ByCard;
    int perPage = 1;  // 1: each card a page of its own size, 2 or 4 on A4 or Letter
    QString paper = QStringLiteral("A4");
    int firstCard = 1;       // the first card's place on a used first page
    QString templateFolder;  // where a picture named without a folder is
    // The printer's shift for this run (millimetres), instead of its stored calibration.
    std::optional<double> offsetX;
    std::optional<double> offsetY;
};
