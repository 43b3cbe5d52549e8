#pragma once

#include <QLineEdit>
#include <functional>

// A text box that hands every typed character to a handler first. The handler
// may replace the character code, or set it to 0 to swallow the key.
// Enter arrives as code 13. Pasted text does not pass through the handler.
class KeyPressLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    using KeyPressHandler = std::function<void(int& keyCode)>;

    explicit KeyPressLineEdit(QWidget* parent = nullptr);
    void setKeyPressHandler(KeyPressHandler handler) { handler_ = std::move(handler); }
    // Runs when the focus moves to another control of the program; not when a
    // message box or another window takes it.
    void setLostFocusHandler(std::function<void()> handler) { lostFocus_ = std::move(handler); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    KeyPressHandler handler_;
    std::function<void()> lostFocus_;
};
