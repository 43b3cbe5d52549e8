#pragma once

#include <QWidget>
#include <array>

#include "cards/qsl_template.h"
#include "log/qso_record.h"

class Dialogs;
class QLabel;
class QFrame;
class CardSketch;
class PreviewLayout;

// The preview of a card layout: the lines of the template being edited,
// placed on the card at 52 twips per millimetre, built once when it opens.
class LayoutPreview : public QWidget {
    Q_OBJECT

  public:
    // `qsos`: the first station's QSOs, for the card's table; `templateFolder`:
    // where a picture named without a folder is.
    LayoutPreview(const QslTemplate& model, const std::array<QString, 7>& samples, Dialogs& dialogs,
                  const QsoRecords& qsos = {}, const QString& templateFolder = QString(),
                  QWidget* parent = nullptr);

    QFrame* cardFrame() const { return frame_; }
    QLabel* lineLabel(int line) const { return labels_[static_cast<size_t>(line - 1)]; }
    // The picture, card edge, bureaus' strip, thanks and table under the lines.
    CardSketch* sketch() const { return sketch_; }

  private:
    void prepare(const QslTemplate& model, const std::array<QString, 7>& samples, Dialogs& dialogs);
    void placeLine(int line, const PreviewLayout& layout);

    QFrame* frame_;
    CardSketch* sketch_ = nullptr;
    std::array<QLabel*, QslTemplate::kLines> labels_{};
};
