#pragma once

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

#include "cards/card_size.h"

// Several cards on one A4 or Letter page, for blank stock printed at home:
// 2 cards one above the other on an upright page, or 4 in two rows on a page
// turned sideways; the cards touch, so one cut parts two of them, and sit in
// the middle of the page, inside the printer's reach.
class CardSheet {
  public:
    // Where `perPage` cards of `size` go on `paper` ("A4" or "Letter"), or
    // nothing with a French message naming what does not fit.
    static std::optional<CardSheet> make(const CardSize& size, int perPage, const QString& paper,
                                         QString* problem);
    // Whether a paper name is known (any case).
    static bool knownPaper(const QString& paper);

    int perPage() const { return columns_ * rows_; }
    bool landscape() const { return landscape_; }
    // The paper as it lies under the printer's head, in millimetres.
    QSizeF paper() const { return paper_; }
    // The top-left corner of card `slot` (0 first, across then down), from the paper's edge.
    QPointF origin(int slot) const;
    // The thin lines outside the cards that show where to cut.
    std::vector<QLineF> cropMarks() const;

    // No printer prints closer to the paper's edge (millimetres).
    static constexpr double kReach = 4;
    static constexpr double kMarkGap = 1;
    static constexpr double kMarkLength = 3;

  private:
    CardSize size_;
    QSizeF paper_;
    QPointF corner_;  // the first card's top-left corner
    int columns_ = 1;
    int rows_ = 1;
    bool landscape_ = false;
};
