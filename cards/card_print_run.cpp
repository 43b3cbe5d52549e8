#include "cards/card_print_run.h"

#include <QFontMetricsF>

#include "log/qso_row.h"
#include "printing/font_faces.h"
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

std::vector<CardPrintRun::CardText> CardPrintRun::cardTexts(const QslTemplate& model,
                                                            const CardLayout& layout,
                                                            const QsoRecord& record) {
    const std::array<QString, 7> values = cardValues(record);
    std::array<QString, 7> text;
    for (size_t i = 0; i < values.size(); ++i) {
        text[i] = model.text[i] + QLatin1Char(' ') + values[i];
    }
    const QChar blank = QLatin1Char(' ');
    std::vector<CardText> texts;
    if (model.joinLine2) {
        texts.push_back({1, text[0] + blank + text[1]});
    } else {
        texts.push_back({1, text[0]});
        if (layout.x[1] != 0 && layout.y[1] != 0) {
            texts.push_back({2, text[1]});
        }
    }
    if (model.joinLine4) {
        texts.push_back({3, text[2] + blank + text[3]});
    } else {
        texts.push_back({3, text[2]});
        texts.push_back({4, text[3]});
    }
    if (model.joinLines6And7) {
        texts.push_back({5, text[4] + blank + text[5] + blank + text[6]});
    } else {
        texts.push_back({5, text[4]});
        texts.push_back({6, text[5]});
        texts.push_back({7, text[6]});
    }
    for (int line = 8; line <= 10; ++line) {
        const QString& free = model.text[static_cast<size_t>(line - 1)];
        if (!free.isEmpty()) {
            texts.push_back({line, free});
        }
    }
    return texts;
}

bool CardPrintRun::printCard(const QsoRecord& record) {
    for (const CardText& piece : cardTexts(model_, layout_, record)) {
        surface_.setBold(piece.line == 1);
        if (!print(piece.line, piece.text)) {
            return false;
        }
    }
    surface_.setBold(false);
    if (!surface_.endJob()) {
        error_ = surface_.error();
        return false;
    }
    return true;
}

std::vector<int> CardPrintRun::linesPastEdge(const QslTemplate& model, const CardLayout& layout,
                                             const QsoRecords& printList) {
    // The face is fixed-pitch: the longest text of a line is its widest.
    std::array<QString, QslTemplate::kLines> longest;
    for (const QsoRecord* record : printList) {
        for (CardText& piece : cardTexts(model, layout, *record)) {
            QString& kept = longest[static_cast<size_t>(piece.line - 1)];
            if (piece.text.size() > kept.size()) {
                kept = std::move(piece.text);
            }
        }
    }
    constexpr double kMeasuringPixels = 1000;  // a pixel size, whatever the screen
    constexpr double kMillimetresPerPoint = 25.4 / 72.0;
    std::vector<int> lines;
    for (int line = 1; line <= QslTemplate::kLines; ++line) {
        const auto at = static_cast<size_t>(line - 1);
        if (longest[at].isEmpty()) {
            continue;
        }
        QFont font = FontFaces::font(QStringLiteral("Lucida Console"), layout.size[at], line == 1);
        font.setPixelSize(static_cast<int>(kMeasuringPixels));
        const QFontMetricsF metrics(font);
        const double perPixel = layout.size[at] * kMillimetresPerPoint / kMeasuringPixels;
        const double right =
            layout.leftMargin + layout.x[at] + metrics.horizontalAdvance(longest[at]) * perPixel;
        const double bottom = layout.topMargin + layout.y[at] + metrics.height() * perPixel;
        if (right > CardLayout::kCardWidthMillimetres ||
            bottom > CardLayout::kCardHeightMillimetres) {
            lines.push_back(line);
        }
    }
    return lines;
}
