#include "windows/card_sketch.h"

#include <QFontMetricsF>
#include <QPainter>

#include "cards/card_print_run.h"
#include "printing/font_faces.h"
#include "windows/window_placement.h"

CardSketch::CardSketch(const QslTemplate& model, const QsoRecords& qsos,
                       const QString& templateFolder, QWidget* parent)
    : QWidget(parent), model_(model), qsos_(qsos), layout_(CardLayout::from(model, nullptr)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (layout_ && layout_->design.printPicture) {
        QString ignored;
        picture_.load(layout_->design.picture, templateFolder, &ignored);
    }
    setAccessibleDescription(drawnTexts().join(QLatin1Char(' ')));
}

double CardSketch::pixelsPerMillimetre() const {
    return twips(52000) / 1000.0;
}

QStringList CardSketch::drawnTexts() const {
    QStringList texts;
    if (!layout_) {
        return texts;
    }
    for (const CardPrintRun::Piece& piece :
         CardPrintRun::pieces(model_, *layout_, qsos_, CardValues::Thanks::ByCard)) {
        if (piece.kind != CardPrintRun::Piece::Line) {
            texts.append(piece.text);
        }
    }
    return texts;
}

void CardSketch::paintEvent(QPaintEvent* /*event*/) {
    if (!layout_) {
        return;
    }
    QPainter painter(this);
    const double scale = pixelsPerMillimetre();
    const CardSize& size = layout_->design.size;
    const QRectF card(0, 0, size.width * scale, size.height * scale);
    if (picture_.isLoaded()) {
        painter.save();
        painter.setClipRect(card);
        picture_.paint(painter, card, layout_->design.cover, layout_->design.frame, 5 * scale);
        painter.restore();
    }
    painter.setPen(QPen(QColor(120, 150, 190), 0, Qt::DashLine));
    painter.drawRect(card);
    const double strip = CardSize::kBureauStripMillimetres * scale;
    painter.fillRect(QRectF(0, card.height() - strip, card.width(), strip),
                     QBrush(QColor(230, 170, 170), Qt::BDiagPattern));
    painter.setPen(QColor(150, 80, 80));
    painter.drawText(QRectF(0, card.height() - strip, card.width(), strip), Qt::AlignCenter,
                     tr("Bande de tri des bureaux QSL"));
    painter.setPen(palette().color(QPalette::WindowText));
    const QPointF margins(layout_->leftMargin, layout_->topMargin);
    for (const CardPrintRun::Piece& piece :
         CardPrintRun::pieces(model_, *layout_, qsos_, CardValues::Thanks::ByCard)) {
        if (piece.kind == CardPrintRun::Piece::Line) {
            continue;  // the lines are the preview's own labels
        }
        const QFont font = FontFaces::font(QStringLiteral("Lucida Console"), piece.size, false);
        painter.setFont(font);
        const QPointF at = (piece.at + margins) * scale;
        painter.drawText(at + QPointF(0, QFontMetricsF(font).ascent()), piece.text);
    }
}
