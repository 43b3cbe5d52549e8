#pragma once

#include <QWidget>

class Application;
class KeyPressLineEdit;
class QLabel;
class QPushButton;

// The start-up window: the station callsign and the button that loads a log.
class StartWindow : public QWidget {
    Q_OBJECT

  public:
    static QString revision() { return QStringLiteral(" 1.0.8"); }

    explicit StartWindow(Application& app, QWidget* parent = nullptr);

    // Loads a log: checks and saves the callsign, asks for the file, reads it
    // into the selection window's QSO list and shows that window.
    void loadLog();
    // The same with a file already chosen (a log opened from the desktop). On
    // a first run the log is read only once the operator has given a callsign
    // and pressed "Selectionnez".
    void loadLog(const QString& fileName);

    KeyPressLineEdit* callsignBox() const { return ind_A_; }
    QPushButton* selectionButton() const { return selection_; }

  private:
    void prepare();
    void callsignKeyPress(int& keyCode);
    void openSelection();
    bool rememberCallsign();
    bool hasStoredCallsign() const;
    void readLog(const QString& fileName);

    Application& app_;
    KeyPressLineEdit* ind_A_ = nullptr;
    QPushButton* selection_ = nullptr;
    QString pendingLog_;
};
