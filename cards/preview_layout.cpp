#include "cards/preview_layout.h"

#include "cards/card_layout.h"

PreviewLayout::PreviewLayout(const QslTemplate& model, const std::array<QString, 7>& samples)
    : model_(model) {
    std::array<QString, QslTemplate::kLines> text;
    for (size_t i = 0; i < samples.size(); ++i) {
        text[i] = model.text[i] + QLatin1Char(' ') + samples[i];
    }
    for (size_t i = samples.size(); i < text.size(); ++i) {
        text[i] = model.text[i];
    }
    const QChar blank = QLatin1Char(' ');

    place(1, model.joinLine2 ? text[0] + blank + text[1] : text[0], true);
    if (!model.joinLine2) {
        place(2, text[1], false);
    }
    place(3, model.joinLine4 ? text[2] + blank + text[3] : text[2], true);
    if (!model.joinLine4) {
        place(4, text[3], false);
    }
    place(5, model.joinLines6And7 ? text[4] + blank + text[5] + blank + text[6] : text[4], true);
    if (!model.joinLines6And7) {
        place(6, text[5], false);
        place(7, text[6], false);
    }
    for (int number = 8; number <= 10; ++number) {
        place(number, text[static_cast<size_t>(number - 1)], false);
    }
    lines_[0].bold = true;
}

void PreviewLayout::place(int number, const QString& text, bool firstOfGroup) {
    const auto at = static_cast<size_t>(number - 1);
    Line& line = lines_[at];
    line.text = text;
    const QString index = QString::number(number);
    const std::optional<double> g = CardLayout::position(model_.left[at]);
    const std::optional<double> h = CardLayout::position(model_.top[at]);
    if (!g) {
        badFields_.append(QStringLiteral("G") + index);
    }
    if (!h) {
        badFields_.append(QStringLiteral("H") + index);
    }
    if (!g || !h) {
        return;
    }
    // On a card with a QSO table, as in print, a line at 0 and 0 is not in use.
    const bool unused = *g == 0 && *h == 0 && model_.design.hasTable();
    if ((!firstOfGroup && (*g == 0 || *h == 0)) || unused) {
        return;
    }
    const std::optional<double> size = CardLayout::pointSize(model_.size[at]);
    if (!size) {
        badFields_.append(QStringLiteral("P") + index);
        return;
    }
    line.size = *size;
    line.placed = true;
    line.left = *g * kTwipsPerMillimetre;
    line.top = *h * kTwipsPerMillimetre;
}
