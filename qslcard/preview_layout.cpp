#include "qslcard/preview_layout.h"

#include "qslcard/card_layout.h"

PreviewLayout::PreviewLayout(const Modele_QSL& model, const std::array<QString, 7>& samples)
    : model_(model) {
    std::array<QString, Modele_QSL::kLines> text;
    for (size_t i = 0; i < samples.size(); ++i) {
        text[i] = model.T[i] + QLatin1Char(' ') + samples[i];
    }
    for (size_t i = samples.size(); i < text.size(); ++i) {
        text[i] = model.T[i];
    }
    const QChar blank = QLatin1Char(' ');

    place(1, model.Check1 ? text[0] + blank + text[1] : text[0], true);
    if (!model.Check1) {
        place(2, text[1], false);
    }
    place(3, model.Check2 ? text[2] + blank + text[3] : text[2], true);
    if (!model.Check2) {
        place(4, text[3], false);
    }
    place(5, model.Check3 ? text[4] + blank + text[5] + blank + text[6] : text[4], true);
    if (!model.Check3) {
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
    const std::optional<double> g = CardLayout::number(model_.G[at]);
    const std::optional<double> h = CardLayout::number(model_.H[at]);
    if (!g) {
        badFields_.append(QStringLiteral("G") + index);
    }
    if (!h) {
        badFields_.append(QStringLiteral("H") + index);
    }
    if (!g || !h || (!firstOfGroup && (*g == 0 || *h == 0))) {
        return;
    }
    const std::optional<double> size = CardLayout::number(model_.P[at]);
    if (!size || *size <= 0) {
        badFields_.append(QStringLiteral("P") + index);
        return;
    }
    line.size = *size;
    line.placed = true;
    line.left = *g * kTwipsPerMillimetre;
    line.top = *h * kTwipsPerMillimetre;
}
