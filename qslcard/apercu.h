#pragma once

#include <QWidget>
#include <array>

#include "qslcard/modele_qsl.h"

class Dialogs;
class QLabel;
class QFrame;
class PreviewLayout;

// The preview of a card layout: the lines of the template being edited,
// placed on the card at 52 twips per millimetre, built once when it opens.
class Apercu : public QWidget {
    Q_OBJECT

  public:
    Apercu(const Modele_QSL& model, const std::array<QString, 7>& samples, Dialogs& dialogs,
           QWidget* parent = nullptr);

    QFrame* Frame1() const { return frame_; }
    QLabel* L(int line) const { return labels_[static_cast<size_t>(line - 1)]; }

  private:
    void Form_Load(const Modele_QSL& model, const std::array<QString, 7>& samples,
                   Dialogs& dialogs);
    void placeLine(int line, const PreviewLayout& layout);

    QFrame* frame_;
    std::array<QLabel*, Modele_QSL::kLines> labels_{};
};
