#pragma once

#include <QString>
#include <array>
#include <optional>

#include "cards/card_design_layout.h"
#include "cards/qsl_template.h"

// The numbers of a layout, ready for printing: the position of each line in
// millimetres from the printable area (x = G - marginLeft, y = H - marginTop) and its size,
// and the numbers of the card's design.
struct CardLayout {
    static constexpr double kCardWidthMillimetres = 140;
    static constexpr double kCardHeightMillimetres = 90;
    // What a margin or position may be (millimetres) and a size (points).
    static constexpr double kLargestPosition = 1000;
    static constexpr double kSmallestSize = 1;
    static constexpr double kLargestSize = 200;

    std::array<double, QslTemplate::kLines> x{};
    std::array<double, QslTemplate::kLines> y{};
    std::array<float, QslTemplate::kLines> size{};
    double leftMargin = 0;
    double topMargin = 0;
    CardDesignLayout design;  // the table, thanks, size and picture

    // The layout's numbers, or nothing with a French message naming the first
    // field that is empty, not a number ("," or "." as decimal separator) or
    // out of range: margins and positions 0 to 1,000 mm, sizes 1 to 200 points.
    static std::optional<CardLayout> from(const QslTemplate& model, QString* problem);
    // A typed value as a number, when it is one.
    static std::optional<double> number(const QString& text);
    // A margin or position, when it is a number from 0 to 1,000 mm.
    static std::optional<double> position(const QString& text);
    // A size, when it is a number from 1 to 200 points.
    static std::optional<double> pointSize(const QString& text);
};
