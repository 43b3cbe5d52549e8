#include "platform/key_press_line_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

KeyPressLineEdit::KeyPressLineEdit(QWidget* parent) : QLineEdit(parent) {}

void KeyPressLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!handler_ || (!isEnter && text.size() != 1)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int typed = isEnter ? 13 : text.at(0).unicode();
    int code = typed;
    handler_(code);
    if (code == 0) {
        event->accept();
        return;
    }
    if (code == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(),
                       QString(QChar(static_cast<char16_t>(code))), event->isAutoRepeat(),
                       static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
}

void KeyPressLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    if (lostFocus_) {
        lostFocus_();
    }
}
