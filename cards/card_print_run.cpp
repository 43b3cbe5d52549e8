#include "cards/card_print_run.h"

#include <QPainter>

#include "cards/card_groups.h"
#include "cards/card_picture.h"
#include "cards/card_sheet.h"
#include "printing/print_surface.h"

namespace {

using Value = CardValues::Value;

// The picture's frame runs inside the printer's reach.
constexpr double kFrameInsetMillimetres = 5;

// The QSO values of lines 1 to 7 of a card, all trimmed.
std::array<QString, 7> cardValues(const QsoRecord& record) {
    constexpr std::array<Value, 7> kLineValues = {
        Value::Call, Value::Via, Value::Date, Value::Time, Value::Band, Value::Mode, Value::Rst};
    std::array<QString, 7> values;
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = CardValues::of(kLineValues[i], record, CardValues::Thanks::None);
    }
    return values;
}

// The printed texts of lines 1 to 10 with the QSO of `record`.
std::array<QString, QslTemplate::kLines> lineTexts(const QslTemplate& model,
                                                   const CardLayout& layout,
                                                   const QsoRecord& record,
                                                   CardValues::Thanks thanks) {
    const std::array<QString, 7> values = cardValues(record);
    std::array<QString, QslTemplate::kLines> text;
    for (size_t i = 0; i < values.size(); ++i) {
        text[i] = model.text[i] + QLatin1Char(' ') + values[i];
    }
    for (size_t i = values.size(); i < text.size(); ++i) {
        const std::optional<Value>& value = layout.design.freeValue[i - values.size()];
        text[i] = value ? model.text[i] + QLatin1Char(' ') + CardValues::of(*value, record, thanks)
                        : model.text[i];
    }
    return text;
}

void addLines(const QslTemplate& model, const CardLayout& layout,
              const std::array<QString, QslTemplate::kLines>& text,
              std::vector<CardPrintRun::Piece>& pieces) {
    // With a QSO table the card's lines need not all be used: as the layout
    // editor says, a line at 0 and 0 is a line not in use.
    const bool unusedAtZero = layout.design.hasTable();
    const auto add = [&](int line, const QString& printed) {
        const auto at = static_cast<size_t>(line - 1);
        if (unusedAtZero && layout.x[at] + layout.leftMargin == 0 &&
            layout.y[at] + layout.topMargin == 0) {
            return;
        }
        pieces.push_back({CardPrintRun::Piece::Line, line, QPointF(layout.x[at], layout.y[at]),
                          layout.size[at], line == 1, printed});
    };
    const QChar blank = QLatin1Char(' ');
    if (model.joinLine2) {
        add(1, text[0] + blank + text[1]);
    } else {
        add(1, text[0]);
        if (layout.x[1] != 0 && layout.y[1] != 0) {
            add(2, text[1]);
        }
    }
    if (model.joinLine4) {
        add(3, text[2] + blank + text[3]);
    } else {
        add(3, text[2]);
        add(4, text[3]);
    }
    if (model.joinLines6And7) {
        add(5, text[4] + blank + text[5] + blank + text[6]);
    } else {
        add(5, text[4]);
        add(6, text[5]);
        add(7, text[6]);
    }
    for (int line = 8; line <= 10; ++line) {
        const auto at = static_cast<size_t>(line - 1);
        if (!model.text[at].isEmpty() || layout.design.freeValue[at - 7]) {
            add(line, text[at]);
        }
    }
}

void addTable(const CardLayout& layout, const QsoRecords& qsos, CardValues::Thanks thanks,
              std::vector<CardPrintRun::Piece>& pieces) {
    const CardDesignLayout& design = layout.design;
    const QPointF margins(layout.leftMargin, layout.topMargin);
    if (design.hasHeading()) {
        for (const CardDesignLayout::Column& column : design.columns) {
            if (!column.heading.isEmpty()) {
                pieces.push_back({CardPrintRun::Piece::Heading, 0,
                                  QPointF(column.x, design.tableY) - margins, design.tableSize,
                                  false, column.heading});
            }
        }
    }
    const size_t rows = std::min(qsos.size(), static_cast<size_t>(design.rows));
    for (size_t row = 0; row < rows; ++row) {
        const double top = design.rowTop(static_cast<int>(row));
        for (const CardDesignLayout::Column& column : design.columns) {
            pieces.push_back({CardPrintRun::Piece::Row, static_cast<int>(row) + 1,
                              QPointF(column.x, top) - margins, design.tableSize, false,
                              CardValues::of(column.value, *qsos[row], thanks)});
        }
    }
}

}  // namespace

CardPrintRun::CardPrintRun(const QslTemplate& model, const CardLayout& layout,
                           PrintSurface& surface)
    : model_(model), layout_(layout), surface_(surface) {}

void CardPrintRun::setSheet(const CardSheet* sheet, int firstSlot) {
    sheet_ = sheet;
    firstSlot_ = sheet != nullptr ? std::clamp(firstSlot, 0, sheet->perPage() - 1) : 0;
}

std::vector<CardPrintRun::Piece> CardPrintRun::pieces(const QslTemplate& model,
                                                      const CardLayout& layout,
                                                      const QsoRecords& qsos,
                                                      CardValues::Thanks thanks) {
    std::vector<Piece> pieces;
    if (qsos.empty()) {
        return pieces;
    }
    addLines(model, layout, lineTexts(model, layout, *qsos.front(), thanks), pieces);
    const CardDesignLayout& design = layout.design;
    if (design.hasThanks && thanks != CardValues::Thanks::None) {
        pieces.push_back(
            {Piece::Thanks, 0,
             QPointF(design.thanksX - layout.leftMargin, design.thanksY - layout.topMargin),
             design.thanksSize, false,
             CardValues::thanksForCard(qsos, thanks) ? design.tnx : design.pse});
    }
    if (design.hasTable()) {
        addTable(layout, qsos, thanks, pieces);
    }
    return pieces;
}

bool CardPrintRun::run(const QsoRecords& printList) {
    return run(CardGroups::cards(printList, 0));
}

bool CardPrintRun::run(const std::vector<QsoRecords>& cards) {
    const QString savedName = surface_.fontName();
    const float savedSize = surface_.fontSize();
    surface_.setFontName(QStringLiteral("Lucida Console"));
    bool done = true;
    stopped_ = false;
    const int perPage = sheet_ != nullptr ? sheet_->perPage() : 1;
    int slot = firstSlot_;
    for (size_t index = 0; index < cards.size() && done && !stopped_; ++index) {
        QPointF shift;
        if (sheet_ != nullptr) {
            if (index == 0 || slot == 0) {
                done = printCropMarks();
            }
            shift = sheet_->origin(slot) + QPointF(layout_.leftMargin, layout_.topMargin);
        }
        done = done && printCard(cards[index], shift);
        slot = (slot + 1) % perPage;
        const bool pageFull = slot == 0 || index + 1 == cards.size();
        done = done && (!pageFull || endPage());
        stopped_ = done && cardDone_ && !cardDone_(static_cast<int>(index) + 1);
        if (stopped_ && !pageFull) {
            done = endPage();
        }
    }
    if (!done) {
        surface_.discardJob();
    }
    surface_.setFontName(savedName);
    surface_.setFontSize(savedSize);
    surface_.setBold(false);
    return done;
}

bool CardPrintRun::failed() {
    error_ = surface_.error();
    return false;
}

bool CardPrintRun::endPage() {
    return surface_.endJob() || failed();
}

bool CardPrintRun::printCropMarks() {
    for (const QLineF& mark : sheet_->cropMarks()) {
        if (!surface_.drawLine(mark.p1(), mark.p2())) {
            return failed();
        }
    }
    return true;
}

bool CardPrintRun::printPicture(QPointF shift) {
    const CardDesignLayout& design = layout_.design;
    const QRectF card(shift - QPointF(layout_.leftMargin, layout_.topMargin),
                      QSizeF(design.size.width, design.size.height));
    const CardPicture& picture = *picture_;
    const auto paint = [&picture, &design, card](QPainter& painter, const QRectF& pixels) {
        const double pixelsPerMillimetre = pixels.width() / card.width();
        picture.paint(painter, pixels, design.cover, design.frame,
                      kFrameInsetMillimetres * pixelsPerMillimetre);
    };
    return surface_.drawPicture(card, design.picture, paint) || failed();
}

bool CardPrintRun::print(const Piece& piece, QPointF shift) {
    surface_.setBold(piece.bold);
    surface_.setFontSize(piece.size);
    surface_.setPosition(piece.at.x() + shift.x(), piece.at.y() + shift.y());
    return surface_.printLine(piece.text) || failed();
}

bool CardPrintRun::printCard(const QsoRecords& qsos, QPointF shift) {
    if (picture_ != nullptr && picture_->isLoaded() && layout_.design.printPicture &&
        !printPicture(shift)) {
        return false;
    }
    for (const Piece& piece : pieces(model_, layout_, qsos, thanks_)) {
        if (!print(piece, shift)) {
            return false;
        }
    }
    surface_.setBold(false);
    return true;
}
