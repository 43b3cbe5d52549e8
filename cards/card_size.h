#pragma once

#include <QString>
#include <vector>

// The card sizes a template may name, in millimetres. Bureaus keep a strip
// along the bottom edge blank for their sorting code, and refuse cards
// larger than A6.
struct CardSize {
    QString key;  // as the template stores it
    double width = 140;
    double height = 90;
    QString caption;

    static constexpr double kBureauStripMillimetres = 10;
    static constexpr double kA6Width = 148;
    static constexpr double kA6Height = 105;

    static const std::vector<CardSize>& all();
    // The size a key names: an empty key is the 140 x 90 mm card.
    static const CardSize* find(const QString& key);
    static const CardSize& standard() { return all().front(); }

    // Larger than A6 in either direction.
    bool largerThanA6() const { return width > kA6Width || height > kA6Height; }
};
