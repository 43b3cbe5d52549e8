#include "cards/card_sheet.h"

#include <QCoreApplication>

namespace {

std::optional<QSizeF> paperSize(const QString& paper) {
    if (paper.compare(QStringLiteral("A4"), Qt::CaseInsensitive) == 0) {
        return QSizeF(210, 297);
    }
    if (paper.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0) {
        return QSizeF(215.9, 279.4);
    }
    return std::nullopt;
}

}  // namespace

bool CardSheet::knownPaper(const QString& paper) {
    return paperSize(paper).has_value();
}

std::optional<CardSheet> CardSheet::make(const CardSize& size, int perPage, const QString& paper,
                                         QString* problem) {
    const std::optional<QSizeF> upright = paperSize(paper);
    if (!upright || (perPage != 1 && perPage != 2 && perPage != 4)) {
        *problem = QCoreApplication::translate("CardSheet", "Papier ou nombre de cartes inconnu.");
        return std::nullopt;
    }
    CardSheet sheet;
    sheet.size_ = size;
    sheet.landscape_ = perPage == 4;
    sheet.paper_ = sheet.landscape_ ? upright->transposed() : *upright;
    sheet.columns_ = perPage == 4 ? 2 : 1;
    sheet.rows_ = perPage == 1 ? 1 : 2;
    const QSizeF block(size.width * sheet.columns_, size.height * sheet.rows_);
    const QSizeF reach(sheet.paper_.width() - 2 * kReach, sheet.paper_.height() - 2 * kReach);
    if (block.width() > reach.width() || block.height() > reach.height()) {
        *problem = QCoreApplication::translate(
                       "CardSheet",
                       "%1 cartes de %2 ne tiennent pas sur une page %3 dans la zone "
                       "qu'atteint l'imprimante.")
                       .arg(QString::number(perPage), size.caption, paper);
        return std::nullopt;
    }
    sheet.corner_ = QPointF((sheet.paper_.width() - block.width()) / 2,
                            (sheet.paper_.height() - block.height()) / 2);
    return sheet;
}

QPointF CardSheet::origin(int slot) const {
    const int column = slot % columns_;
    const int row = slot / columns_;
    return corner_ + QPointF(column * size_.width, row * size_.height);
}

std::vector<QLineF> CardSheet::cropMarks() const {
    std::vector<QLineF> marks;
    const double left = corner_.x();
    const double top = corner_.y();
    const double right = left + columns_ * size_.width;
    const double bottom = top + rows_ * size_.height;
    const double near = kMarkGap;
    const double far = kMarkGap + kMarkLength;
    for (int column = 0; column <= columns_; ++column) {
        const double x = left + column * size_.width;
        marks.emplace_back(x, top - far, x, top - near);
        marks.emplace_back(x, bottom + near, x, bottom + far);
    }
    for (int row = 0; row <= rows_; ++row) {
        const double y = top + row * size_.height;
        marks.emplace_back(left - far, y, left - near, y);
        marks.emplace_back(right + near, y, right + far, y);
    }
    return marks;
}
