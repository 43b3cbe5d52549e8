#include "windows/layout_preview.h"

#include <QFrame>
#include <QLabel>

#include "cards/card_size.h"
#include "cards/preview_layout.h"
#include "platform/dialogs.h"
#include "printing/font_faces.h"
#include "windows/card_sketch.h"
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
                             Dialogs& dialogs, const QsoRecords& qsos,
                             const QString& templateFolder, QWidget* parent)
    : QWidget(parent), frame_(new QFrame(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Apercu"));
    setWindowTitle(tr("Aperçu avant impression"));
    // A card larger than the preview's area makes the window grow to show it whole.
    const CardSize* size = CardSize::find(model.design.cardSize);
    const int width = std::max(7815, size != nullptr ? static_cast<int>(size->width * 52) + 60 : 0);
    const int height =
        std::max(4935, size != nullptr ? static_cast<int>(size->height * 52) + 60 : 0);
    setFixedSize(twips(width + 225), twips(height + 105));
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setGeometry(twips(120), 0, twips(width), twips(height));
    // The lines are cut inside the card's border, so that the border stays whole.
    auto* card = new QWidget(frame_);
    card->setGeometry(frame_->contentsRect());
    sketch_ = new CardSketch(model, qsos, templateFolder, card);
    sketch_->setObjectName(QStringLiteral("Carte"));
    sketch_->setGeometry(0, 0, card->width(), card->height());
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
