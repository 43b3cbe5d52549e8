#pragma once

#include <QWidget>

class AppWindows;
class QPushButton;

// The card print window: prints one QSL card per QSO of the print list.
class Print_Bas_QSL : public QWidget {
    Q_OBJECT

  public:
    explicit Print_Bas_QSL(AppWindows& app, QWidget* parent = nullptr);

    QPushButton* Impression() const { return impression_; }
    QPushButton* Parametres() const { return parametres_; }
    QPushButton* Quitter() const { return quitter_; }

    void Impression_Click();
    void Parametres_Click();
    void Quitter_Click();

  private:
    void Form_Load();

    AppWindows& app_;
    QPushButton* impression_;
    QPushButton* parametres_;
    QPushButton* quitter_;
};
