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
    // The cards that "Impression de la QSL" would print, in a preview.
    void Apercu_Click();
    QPushButton* Apercu() const { return apercu_; }
    void Parametres_Click();
    void Quitter_Click();

  private:
    void Form_Load();
    // Asks for the .qsl file and reads it; false (after a message) when there is none to use.
    bool chooseTemplate(struct Modele_QSL& model);

    AppWindows& app_;
    QPushButton* impression_;
    QPushButton* parametres_;
    QPushButton* quitter_;
    QPushButton* apercu_;
};
