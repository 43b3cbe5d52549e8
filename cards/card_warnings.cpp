#include "cards/card_warnings.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMap>
#include <tuple>

#include "cards/card_print_run.h"
#include "printing/font_faces.h"

namespace {

using Piece = CardPrintRun::Piece;

// One place on the card: a line, the thanks, the heading or a table cell.
using Place = std::tuple<int, int, double>;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardWarnings)
};

}  // namespace

CardWarnings::Extent CardWarnings::measure(const CardLayout& layout, QPointF at, float size,
                                           bool bold, const QString& text) {
    constexpr double kMeasuringPixels = 1000;  // a pixel size, whatever the screen
    constexpr double kMillimetresPerPoint = 25.4 / 72.0;
    QFont font = FontFaces::font(QStringLiteral("Lucida Console"), size, bold);
    font.setPixelSize(static_cast<int>(kMeasuringPixels));
    const QFontMetricsF metrics(font);
    const double perPixel = size * kMillimetresPerPoint / kMeasuringPixels;
    return {layout.leftMargin + at.x() + metrics.horizontalAdvance(text) * perPixel,
            layout.topMargin + at.y() + metrics.height() * perPixel};
}

CardWarnings::CardWarnings(const QslTemplate& model, const CardLayout& layout,
                           const std::vector<QsoRecords>& cards, CardValues::Thanks thanks) {
    // The face is fixed-pitch: the longest text of a place is its widest.
    QMap<Place, Piece> longest;
    for (const QsoRecords& qsos : cards) {
        for (Piece& piece : CardPrintRun::pieces(model, layout, qsos, thanks)) {
            Piece& kept = longest[Place(piece.kind, piece.number, piece.at.x())];
            if (piece.text.size() >= kept.text.size()) {
                kept = std::move(piece);
            }
        }
    }
    const CardSize& size = layout.design.size;
    const double stripTop = size.height - CardSize::kBureauStripMillimetres;
    bool tablePastEdge = false;
    bool thanksPastEdge = false;
    QStringList inStrip;
    bool tableInStrip = false;
    for (const Piece& piece : longest) {
        if (piece.text.isEmpty()) {
            continue;
        }
        const Extent extent = measure(layout, piece.at, piece.size, piece.bold, piece.text);
        const bool past = extent.right > size.width || extent.bottom > size.height;
        const bool strip = layout.design.keepStrip && extent.bottom > stripTop;
        if (piece.kind == Piece::Line) {
            if (past) {
                linesPastEdge_.push_back(piece.number);
            }
            if (strip) {
                inStrip.append(Text::tr("ligne %1").arg(piece.number));
            }
        } else if (piece.kind == Piece::Thanks) {
            thanksPastEdge = thanksPastEdge || past;
            if (strip) {
                inStrip.append(Text::tr("remerciements"));
            }
        } else {
            tablePastEdge = tablePastEdge || past;
            tableInStrip = tableInStrip || strip;
        }
    }
    if (tablePastEdge) {
        others_.append(Text::tr("Le tableau des QSO dépasse le bord de la carte"));
    }
    if (thanksPastEdge) {
        others_.append(Text::tr("Les remerciements dépassent le bord de la carte"));
    }
    if (tableInStrip) {
        inStrip.append(Text::tr("tableau des QSO"));
    }
    if (!inStrip.isEmpty()) {
        others_.append(
            Text::tr("Texte dans la bande de 10 mm du bas que les bureaux QSL gardent libre "
                     "pour leur tri : %1")
                .arg(inStrip.join(QStringLiteral(", "))));
    }
    if (size.largerThanA6()) {
        others_.append(
            Text::tr("Les cartes de %1 sont plus grandes que A6 : les bureaux QSL les refusent.")
                .arg(size.caption));
    }
}
