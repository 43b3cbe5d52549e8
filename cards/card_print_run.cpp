#include "cards/card_print_run.h"

#include "log/qso_row.h"
#include "printing/print_surface.h"
#include "selection/row_list.h"

namespace {

// The QSO values of lines 1 to 7 of a card, all trimmed.
std::array<QString, 7> cardValues(const QString& row) {
    return {QsoRow::trimmedField(row, 1, 12), QsoRow::trimmedField(row, 61, 12),
            QsoRow::trimmedField(row, 15, 8), QsoRow::trimmedField(row, 25, 5),
            QsoRow::trimmedField(row, 32, 8), QsoRow::trimmedField(row, 42, 7),
            QsoRow::trimmedField(row, 51, 8)};
}

}  // namespace

CardPrintRun::CardPrintRun(const QslTemplate& model, const CardLayout& layout,
                           PrintSurface& surface)
    : model_(model), layout_(layout), surface_(surface) {}

bool CardPrintRun::run(const RowList& printList) {
    const QString savedName = surface_.fontName();
    const float savedSize = surface_.fontSize();
    surface_.setFontName(QStringLiteral("Lucida Console"));
    bool done = true;
    stopped_ = false;
    for (int index = 0; index < printList.count() && done && !stopped_; ++index) {
        done = printCard(printList.row(index));
        stopped_ = done && cardDone_ && !cardDone_(index + 1);
    }
    if (!done) {
        surface_.discardJob();
    }
    surface_.setFontName(savedName);
    surface_.setFontSize(savedSize);
    surface_.setBold(false);
    return done;
}

bool CardPrintRun::print(int line, const QString& text) {
    const auto at = static_cast<size_t>(line - 1);
    surface_.setFontSize(layout_.size[at]);
    surface_.setPosition(layout_.x[at], layout_.y[at]);
    if (!surface_.printLine(text)) {
        error_ = surface_.error();
        return false;
    }
    return true;
}

bool CardPrintRun::printCard(const QString& row) {
    const std::array<QString, 7> values = cardValues(row);
    std::array<QString, 7> text;
    for (size_t i = 0; i < values.size(); ++i) {
        text[i] = model_.text[i] + QLatin1Char(' ') + values[i];
    }
    const QChar blank = QLatin1Char(' ');

    surface_.setBold(true);
    if (model_.joinLine2) {
        if (!print(1, text[0] + blank + text[1])) {
            return false;
        }
        surface_.setBold(false);
    } else {
        if (!print(1, text[0])) {
            return false;
        }
        surface_.setBold(false);
        if (layout_.x[1] != 0 && layout_.y[1] != 0 && !print(2, text[1])) {
            return false;
        }
    }

    if (model_.joinLine4) {
        if (!print(3, text[2] + blank + text[3])) {
            return false;
        }
    } else if (!print(3, text[2]) || !print(4, text[3])) {
        return false;
    }

    if (model_.joinLines6And7) {
        if (!print(5, text[4] + blank + text[5] + blank + text[6])) {
            return false;
        }
    } else if (!print(5, text[4]) || !print(6, text[5]) || !print(7, text[6])) {
        return false;
    }

    for (int line = 8; line <= 10; ++line) {
        const QString& free = model_.text[static_cast<size_t>(line - 1)];
        if (!free.isEmpty() && !print(line, free)) {
            return false;
        }
    }
    if (!surface_.endJob()) {
        error_ = surface_.error();
        return false;
    }
    return true;
}
