#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <map>

class Dialogs;
class KeyPressLineEdit;
class QWidget;

// The option boxes that check what is typed into them: letters turned into
// capitals where asked; Enter checks the length and that the box is filled,
// then colours the next box as the one to fill and moves there (or to the
// print button).
class ValidatedBoxes {
  public:
    static QColor restColour() { return {255, 255, 192}; }
    static QColor nextColour() { return {192, 255, 192}; }
    // The name of `next` that stands for the print button.
    static QString printButtonName() { return QStringLiteral("Imprime"); }

    struct Rule {
        bool upperCase;
        int maximum;
        QString tooLong;
        QString missing;  // empty: the box may stay empty
        QString next;     // the next box; printButtonName(); empty for none
    };

    ValidatedBoxes(Dialogs& dialogs, std::function<void()> focusPrintButton);

    KeyPressLineEdit* add(const QString& name, const Rule& rule);
    // The box named `name`, or null.
    KeyPressLineEdit* box(const QString& name) const;
    const Rule& rule(const QString& name) const { return rules_.at(name); }
    const std::map<QString, KeyPressLineEdit*>& boxes() const { return boxes_; }

    // Wide enough for the longest text each box accepts.
    void fitToLongestTexts() const;
    static void colour(QWidget* widget, const QColor& colour);

  private:
    void keyPress(const QString& name, int& keyCode);

    Dialogs& dialogs_;
    std::function<void()> focusPrintButton_;
    std::map<QString, KeyPressLineEdit*> boxes_;
    std::map<QString, Rule> rules_;
};
