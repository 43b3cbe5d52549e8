#pragma once

#include <QWidget>

class AppWindows;
class KeyPressLineEdit;
class QLabel;
class QPushButton;

// The start-up window: the station callsign and the button that loads a log.
class Main : public QWidget {
    Q_OBJECT

  public:
    static QString revision() { return QStringLiteral(" 1.0.8"); }

    explicit Main(AppWindows& app, QWidget* parent = nullptr);

    // Loads a log: checks and saves the callsign, asks for the file, reads it
    // into the selection window's QSO list and shows that window.
    void Aff_QSO();
    // The same with a file already chosen (a log opened from the desktop).
    void Aff_QSO(const QString& fileName);

    KeyPressLineEdit* Ind_A() const { return ind_A_; }
    QPushButton* Selection() const { return selection_; }

  private:
    void Form_Load();
    void Ind_A_KeyPress(int& keyCode);
    void Selection_Click();
    bool rememberCallsign();
    void readLog(const QString& fileName);

    AppWindows& app_;
    KeyPressLineEdit* ind_A_ = nullptr;
    QPushButton* selection_ = nullptr;
};
