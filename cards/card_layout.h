#pragma once

#include <QString>
#include <array>
#include <optional>

#include "cards/qsl_template.h"

// The numbers of a layout, ready for printing: the position of each line in
// millimetres from the printable area (x = G - marginLeft, y = H - marginTop) and its size.
struct CardLayout {
    std::array<double, QslTemplate::kLines> x{};
    std::array<double, QslTemplate::kLines> y{};
    std::array<float, QslTemplate::kLines> size{};
    double leftMargin = 0;
    double topMargin = 0;

    // The layout's numbers, or nothing with a French message naming the first
    // field that is empty or not a number ("," or "." as decimal separator).
    static std::optional<CardLayout> from(const QslTemplate& model, QString* problem);
    // A typed value as a number, when it is one.
    static std::optional<double> number(const QString& text);
};
