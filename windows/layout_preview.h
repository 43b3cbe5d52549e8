#pragma once

#include <QWidget>
#include <array>

#include "cards/qsl_template.h"

class Dialogs;
class QLabel;
class QFrame;
class PreviewLayout;

// The preview of a card layout: the lines of the template being edited,
// placed on the card at 52 twips per millimetre, built once when it opens.
class LayoutPreview : public QWidget {
    Q_OBJECT

  public:
    LayoutPreview(const QslTemplate& model, const std::array<QString, 7>& samples, Dialogs& dialogs,
                  QWidget* parent = nullptr);

    QFrame* cardFrame() const { return frame_; }
    QLabel* lineLabel(int line) const { return labels_[static_cast<size_t>(line - 1)]; }

  private:
    void prepare(const QslTemplate& model, const std::array<QString, 7>& samples, Dialogs& dialogs);
    void placeLine(int line, const PreviewLayout& layout);

    QFrame* frame_;
    std::array<QLabel*, QslTemplate::kLines> labels_{};
};
