#include "windows/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

QPoint centredPosition(QSizeF screen, QSizeF window) {
    const auto half = [](double difference) {
        return static_cast<int>(std::lround(difference)) / 2;
    };
    return {half(screen.width() - window.width()), half(screen.height() - window.height())};
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    window.adjustSize();
    // The part of the screen left free by the desktop's panels.
    const QRect available = screen->availableGeometry();
    window.move(available.topLeft() + centredPosition(available.size(), window.size()));
}
