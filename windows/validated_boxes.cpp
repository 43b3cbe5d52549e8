#include "windows/validated_boxes.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"

namespace {

// The blank a QLineEdit keeps on each side of its text, and the cursor.
constexpr int kBoxTextMargins = 6;

}  // namespace

ValidatedBoxes::ValidatedBoxes(Dialogs& dialogs, std::function<void()> focusPrintButton)
    : dialogs_(dialogs), focusPrintButton_(std::move(focusPrintButton)) {}

void ValidatedBoxes::colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

KeyPressLineEdit* ValidatedBoxes::add(const QString& name, const Rule& rule) {
    auto* box = new KeyPressLineEdit;
    box->setObjectName(name);
    colour(box, restColour());
    box->setKeyPressHandler([this, name](int& keyCode) { keyPress(name, keyCode); });
    boxes_[name] = box;
    rules_[name] = rule;
    return box;
}

KeyPressLineEdit* ValidatedBoxes::box(const QString& name) const {
    const auto found = boxes_.find(name);
    return found == boxes_.end() ? nullptr : found->second;
}

void ValidatedBoxes::fitToLongestTexts() const {
    // Capitals for the boxes that turn letters into capitals, small letters
    // for the others.
    for (const auto& [name, box] : boxes_) {
        const Rule& rule = rules_.at(name);
        const QString longest(rule.maximum, QLatin1Char(rule.upperCase ? 'M' : 'n'));
        QStyleOptionFrame frame;
        frame.initFrom(box);
        const QSize text(box->fontMetrics().horizontalAdvance(longest) + kBoxTextMargins,
                         box->sizeHint().height());
        box->setMinimumWidth(
            box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, box).width());
    }
}

void ValidatedBoxes::keyPress(const QString& name, int& keyCode) {
    const Rule& rule = rules_.at(name);
    if (rule.upperCase && keyCode > 96 && keyCode < 123) {
        keyCode -= 32;
    }
    if (keyCode != 13) {
        return;
    }
    KeyPressLineEdit* current = boxes_.at(name);
    if (current->text().trimmed().size() > rule.maximum) {
        dialogs_.message(rule.tooLong);
        return;
    }
    if (!rule.missing.isEmpty() && current->text().isEmpty()) {
        dialogs_.message(rule.missing);
        return;
    }
    if (rule.next.isEmpty()) {
        return;
    }
    keyCode = 0;
    if (rule.next == printButtonName()) {
        focusPrintButton_();
        return;
    }
    colour(current, restColour());
    KeyPressLineEdit* next = boxes_.at(rule.next);
    colour(next, nextColour());
    next->setFocus();
}
