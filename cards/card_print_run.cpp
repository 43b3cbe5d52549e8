#include "cards/card_print_run.h"

#include "log/qso_row.h"
#include "printing/print_surface.h"

namespace {

// The QSO values of lines 1 to 7 of a card, all trimmed.
std::array<QString, 7> cardValues(const QsoRecord& record) {
    return {QsoRow::trimmedCell(record, QsoField::Callsign, 12),
            QsoRow::trimmedCell(record, QsoField::QslVia, 12),
            QsoRow::trimmedCell(record, QsoField::Date, 8),
            QsoRow::trimmedCell(record, QsoField::Time, 5),
            QsoRow::trimmedCell(record, QsoField::Band, 8),
            QsoRow::trimmedCell(record, QsoField::Mode, 7),
            QsoRow::trimmedCell(record, QsoField::RstSent, 8)};
}

}  // namespace

CardPrintRun::CardPrintRun(const QslTemplate& model, const CardLayout& layout,
                           PrintSurface& surface)
    : model_(model), layout_(layout), surface_(surface) {}

bool CardPrintRun::run(const QsoRecords& printList) {
    const QString savedName = surface_.fontName();
    const float savedSize = surface_.fontSize();
    surface_.setFontName(QStringLiteral("Lucida Console"));
    bool done = true;
    stopped_ = false;
    for (size_t index = 0; index < printList.size() && done && !stopped_; ++index) {
        done = printCard(*printList[index]);
        stopped_ = done && cardDone_ && !cardDone_(static_cast<int>(index) + 1);
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

bool CardPrintRun::printCard(const QsoRecord& record) {
    const std::array<QString, 7> values = cardValues(record);
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
