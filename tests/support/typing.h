#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Types text into a widget one key press at a time, accented letters included.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Presses Enter in a widget; true when the widget let the key through.
inline bool pressEnter(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    press.ignore();
    QApplication::sendEvent(widget, &press);
    return !press.isAccepted();
}
