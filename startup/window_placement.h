#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Windows open at the centre of the screen: each difference of sizes rounded
// to a whole number, then halved with integer division.
QPoint centredPosition(QSizeF screen, QSizeF window);
void centreOnScreen(QWidget& window);
