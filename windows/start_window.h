#pragma once

#include <QWidget>

class Workspace;
class KeyPressLineEdit;
class QComboBox;
class QLabel;
class QPushButton;

// The start-up window: the station callsign and the button that loads a log.
class StartWindow : public QWidget {
    Q_OBJECT

  public:
    static QString revision() { return QStringLiteral(" 1.0.8"); }

    explicit StartWindow(Workspace& workspace, QWidget* parent = nullptr);

    // Loads a log: checks and saves the callsign, empties the QSO list, asks
    // for the file and hands it on to be read.
    void loadLog();
    // The same with a file already chosen (a log opened from the desktop). On
    // a first run the log is read only once the operator has given a callsign
    // and pressed "Selectionnez".
    void loadLog(const QString& fileName);

    KeyPressLineEdit* callsignBox() const { return callsignBox_; }
    QPushButton* selectionButton() const { return selection_; }
    // "Langue": the windows' language from the next start, stored at once.
    QComboBox* languageBox() const { return language_; }

  signals:
    void logChosen(const QString& fileName);

  private:
    void prepare();
    void callsignKeyPress(int& keyCode);
    void openSelection();
    bool rememberCallsign();
    bool hasStoredCallsign() const;
    QWidget* buildLanguageChoice();
    void chooseLanguage(int index);

    Workspace& workspace_;
    KeyPressLineEdit* callsignBox_ = nullptr;
    QPushButton* selection_ = nullptr;
    QLabel* stationCallsign_ = nullptr;
    QComboBox* language_ = nullptr;
    QString pendingLog_;
};
