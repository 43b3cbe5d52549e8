#include "labels/label_sheet.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelSheet)
};

}  // namespace

namespace {

constexpr double kTolerance = 0.005;  // millimetres: published values have two decimals

QSizeF customPaper(const QString& paper) {
    static const QRegularExpression size(QStringLiteral("^(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)$"));
    const QRegularExpressionMatch match = size.match(paper);
    if (!match.hasMatch()) {
        return {};
    }
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

}  // namespace

QSizeF LabelSheet::paperSize() const {
    if (paper == u"A4") {
        return {210, 297};
    }
    if (paper == u"Letter") {
        return {215.9, 279.4};
    }
    return customPaper(paper);
}

QPageSize LabelSheet::pageSize() const {
    if (paper == u"A4") {
        return QPageSize(QPageSize::A4);
    }
    if (paper == u"Letter") {
        return QPageSize(QPageSize::Letter);
    }
    return QPageSize(paperSize(), QPageSize::Millimeter, name, QPageSize::ExactMatch);
}

QRectF LabelSheet::label(int index) const {
    const int row = index / columns;
    const int column = index % columns;
    return {left + column * across, top + row * down, width, height};
}

std::vector<QRectF> LabelSheet::labels() const {
    std::vector<QRectF> result;
    for (int index = 0; index < labelsPerSheet(); ++index) {
        result.push_back(label(index));
    }
    return result;
}

namespace {

const char* const kMeasureNames[LabelSheet::kMeasureCount] = {
    QT_TRANSLATE_NOOP("LabelSheet", "Largeur du papier"),
    QT_TRANSLATE_NOOP("LabelSheet", "Hauteur du papier"),
    QT_TRANSLATE_NOOP("LabelSheet", "Colonnes"),
    QT_TRANSLATE_NOOP("LabelSheet", "Rangées"),
    QT_TRANSLATE_NOOP("LabelSheet", "Marge gauche"),
    QT_TRANSLATE_NOOP("LabelSheet", "Marge haute"),
    QT_TRANSLATE_NOOP("LabelSheet", "Largeur d'étiquette"),
    QT_TRANSLATE_NOOP("LabelSheet", "Hauteur d'étiquette"),
    QT_TRANSLATE_NOOP("LabelSheet", "Pas horizontal"),
    QT_TRANSLATE_NOOP("LabelSheet", "Pas vertical"),
};

struct Bounded {
    const char* field;
    double value;
    double least;
    bool leastAllowed;  // false: only numbers above `least`
    double most;
    const char* unit;
};

QString outOfBounds(const Bounded& bound) {
    const QString text = bound.leastAllowed
                             ? Text::tr("%1 : un nombre de %2 à %3%4 est attendu.")
                             : Text::tr("%1 : un nombre de plus de %2 à %3%4 est attendu.");
    return text.arg(Text::tr(bound.field), QString::number(bound.least),
                    QString::number(bound.most), QString::fromUtf8(bound.unit));
}

bool within(const Bounded& bound) {
    return std::isfinite(bound.value) && bound.value <= bound.most &&
           (bound.value > bound.least || (bound.leastAllowed && bound.value == bound.least));
}

}  // namespace

QString LabelSheet::measureName(int measure) {
    return Text::tr(kMeasureNames[measure]);
}

QString LabelSheet::problem() const {
    const QSizeF size = paperSize();
    if (size.width() < 0 || size.height() < 0) {
        return Text::tr("Papier : A4, Letter ou une largeur x hauteur en mm positives.");
    }
    const double most = kLargestPaper;
    const double mostLabels = kMostLabels;
    const Bounded bounds[] = {
        {kMeasureNames[0], size.width(), kSmallestPaper, true, most, " mm"},
        {kMeasureNames[1], size.height(), kSmallestPaper, true, most, " mm"},
        {kMeasureNames[2], static_cast<double>(columns), 1, true, mostLabels, ""},
        {kMeasureNames[3], static_cast<double>(rows), 1, true, mostLabels, ""},
        {kMeasureNames[4], left, 0, true, most, " mm"},
        {kMeasureNames[5], top, 0, true, most, " mm"},
        {kMeasureNames[6], width, kSmallestLabel, true, most, " mm"},
        {kMeasureNames[7], height, kSmallestLabel, true, most, " mm"},
        {kMeasureNames[8], across, 0, false, most, " mm"},
        {kMeasureNames[9], down, 0, false, most, " mm"},
    };
    for (const Bounded& bound : bounds) {
        if (!within(bound)) {
            return outOfBounds(bound);
        }
    }
    if (columns * rows > kMostLabels) {
        return Text::tr("Rangées : au plus %1 étiquettes par planche (colonnes x rangées).")
            .arg(kMostLabels);
    }
    return placementProblem(size);
}

QString LabelSheet::placementProblem(QSizeF size) const {
    if (columns > 1 && across + kTolerance < width) {
        return Text::tr(
            "Pas horizontal : les étiquettes se chevauchent (pas plus petit "
            "que la largeur).");
    }
    if (rows > 1 && down + kTolerance < height) {
        return Text::tr(
            "Pas vertical : les étiquettes se chevauchent (pas plus petit que "
            "la hauteur).");
    }
    if (left + (columns - 1) * across + width > size.width() + kTolerance) {
        return Text::tr("Pas horizontal : les étiquettes sortent du papier à droite.");
    }
    if (top + (rows - 1) * down + height > size.height() + kTolerance) {
        return Text::tr("Pas vertical : les étiquettes sortent du papier en bas.");
    }
    return {};
}

QString LabelSheet::description() const {
    return Text::tr("%1  %2 x %3  %n étiquettes", nullptr, labelsPerSheet())
        .arg(name, millimetres(width), millimetres(height));
}

QString LabelSheet::millimetres(double value) {
    return QString::number(value, 'g', 10);
}

QString LabelSheet::listLine() const {
    QStringList numbers;
    for (const double value : {left, top, width, height, across, down}) {
        numbers.append(millimetres(value));
    }
    return name + QLatin1Char('\t') + paper + QLatin1Char('\t') + QString::number(columns) +
           QLatin1Char('x') + QString::number(rows) + QLatin1Char('\t') +
           numbers.join(QLatin1Char(' '));
}

std::optional<LabelSheet> LabelSheet::fromListLine(const QString& line) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    if (parts.size() != 4 || parts[0].trimmed().isEmpty()) {
        return std::nullopt;
    }
    const QStringList grid = parts[2].split(QLatin1Char('x'));
    const QStringList numbers = parts[3].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (grid.size() != 2 || numbers.size() != 6) {
        return std::nullopt;
    }
    LabelSheet sheet;
    sheet.name = parts[0];
    sheet.caption = parts[0];
    sheet.paper = parts[1];
    bool ok = true;
    const auto whole = [&ok](const QString& text) {
        bool good = false;
        const int value = text.toInt(&good);
        ok = ok && good;
        return value;
    };
    const auto decimal = [&ok](const QString& text) {
        bool good = false;
        const double value = text.toDouble(&good);
        ok = ok && good;
        return value;
    };
    sheet.columns = whole(grid[0]);
    sheet.rows = whole(grid[1]);
    sheet.left = decimal(numbers[0]);
    sheet.top = decimal(numbers[1]);
    sheet.width = decimal(numbers[2]);
    sheet.height = decimal(numbers[3]);
    sheet.across = decimal(numbers[4]);
    sheet.down = decimal(numbers[5]);
    sheet.builtIn = false;
    if (!ok) {
        return std::nullopt;
    }
    return sheet;
}
