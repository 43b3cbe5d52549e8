#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Windows open at the centre of the screen: each difference of sizes rounded
// to a whole number, then halved with integer division.
QPoint centredPosition(QSizeF screen, QSizeF window);

// Window geometry given in twips (1/1440 inch): 15 twips make a pixel at 96 dpi.
constexpr int twips(double value) {
    return static_cast<int>(value / 15.0 + (value >= 0 ? 0.5 : -0.5));
}
void centreOnScreen(QWidget& window);
