#pragma once

#include <QWidget>
#include <array>

#include "qslcard/modele_qsl.h"

class AppWindows;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The layout editor of QSL cards: ten print lines, margins, join flags, and
// sample QSO values from the first row of the print list.
class Parametres_QSL1 : public QWidget {
    Q_OBJECT

  public:
    explicit Parametres_QSL1(AppWindows& app, QWidget* parent = nullptr);

    // The template as the controls show it, and the reverse.
    Modele_QSL model() const;
    void setModel(const Modele_QSL& model);
    // The sample values of lines 1 to 7 (C_Ind ... C_RST).
    std::array<QString, 7> samples() const;

    QLineEdit* G(int line) const { return g_[static_cast<size_t>(line - 1)]; }
    QLineEdit* H(int line) const { return h_[static_cast<size_t>(line - 1)]; }
    QLineEdit* P(int line) const { return p_[static_cast<size_t>(line - 1)]; }
    QLineEdit* T(int line) const { return t_[static_cast<size_t>(line - 1)]; }
    QLineEdit* sample(int line) const { return samples_[static_cast<size_t>(line - 1)]; }
    QLineEdit* MG() const { return mg_; }
    QLineEdit* MH() const { return mh_; }
    QCheckBox* Check(int flag) const { return checks_[static_cast<size_t>(flag - 1)]; }

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Existante_Click();
    void Enregistrer_Click();
    void Apercu_E_Click();

  private:
    void Form_Load();
    void fillSamples();
    void buildGrid(QWidget* group);
    QLineEdit* box(QWidget* parent, const QString& name, int left, int top, int width);
    void zero(int line);

    AppWindows& app_;
    std::array<QLineEdit*, Modele_QSL::kLines> g_{};
    std::array<QLineEdit*, Modele_QSL::kLines> h_{};
    std::array<QLineEdit*, Modele_QSL::kLines> p_{};
    std::array<QLineEdit*, Modele_QSL::kLines> t_{};
    std::array<QLineEdit*, 7> samples_{};
    std::array<QCheckBox*, 3> checks_{};
    QLineEdit* mg_ = nullptr;
    QLineEdit* mh_ = nullptr;
};
