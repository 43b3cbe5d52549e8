#include "windows/layout_preview.h"

#include <QFrame>
#include <QLabel>

#include "cards/preview_layout.h"
#include "platform/dialogs.h"
#include "printing/font_faces.h"
#include "windows/window_placement.h"

namespace {

struct RestBox {
    int top;
    int width;
    int height;
};

// Where each line waits, below the visible card, until it is placed.
const RestBox kRest[QslTemplate::kLines] = {
    {7320, 7575, 375}, {5040, 1935, 255}, {5280, 3615, 255}, {5520, 1335, 255}, {5760, 4095, 255},
    {6000, 1575, 255}, {6240, 1575, 255}, {6480, 7575, 255}, {6720, 7575, 255}, {6960, 7575, 255},
};
constexpr int kRestLeft = 120;

}  // namespace

LayoutPreview::LayoutPreview(const QslTemplate& model, const std::array<QString, 7>& samples,
                             Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), frame_(new QFrame(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Apercu"));
    setWindowTitle(tr("Aperçu avant impression"));
    setFixedSize(twips(8040), twips(5040));
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setGeometry(twips(120), 0, twips(7815), twips(4935));
    // The lines are cut inside the card's border, so that the border stays whole.
    auto* card = new QWidget(frame_);
    card->setGeometry(frame_->contentsRect());
    for (size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new QLabel(card);
        label->setObjectName(QStringLiteral("L%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        label->setAutoFillBackground(true);
        label->setGeometry(twips(kRestLeft), twips(kRest[i].top), twips(kRest[i].width),
                           twips(kRest[i].height));
        labels_[i] = label;
    }
    prepare(model, samples, dialogs);
}

void LayoutPreview::prepare(const QslTemplate& model, const std::array<QString, 7>& samples,
                            Dialogs& dialogs) {
    centreOnScreen(*this);
    const PreviewLayout layout(model, samples);
    for (int line = 1; line <= QslTemplate::kLines; ++line) {
        placeLine(line, layout);
    }
    show();
    if (!layout.badFields().isEmpty()) {
        dialogs.message(tr("Aperçu : ces valeurs ne sont pas des nombres, leurs lignes "
                           "ne sont pas affichées : %1")
                            .arg(layout.badFields().join(QStringLiteral(", "))));
    }
}

void LayoutPreview::placeLine(int line, const PreviewLayout& layout) {
    const PreviewLayout::Line& placement = layout.line(line);
    QLabel* label = lineLabel(line);
    label->setText(placement.text);
    label->setFont(
        FontFaces::font(QStringLiteral("Lucida Console"), placement.size, placement.bold));
    if (placement.placed) {
        // As large as its text at its size: only the card's edge cuts a line.
        label->resize(label->sizeHint());
        label->move(twips(placement.left), twips(placement.top));
        label->raise();
    }
}
