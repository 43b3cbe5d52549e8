#include "cards/card_layout.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardLayout)
};

}  // namespace

std::optional<double> CardLayout::number(const QString& text) {
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

namespace {

std::optional<double> within(const QString& text, double lowest, double highest) {
    const std::optional<double> value = CardLayout::number(text);
    return value && *value >= lowest && *value <= highest ? value : std::nullopt;
}

}  // namespace

std::optional<double> CardLayout::position(const QString& text) {
    return within(text, 0, kLargestPosition);
}

std::optional<double> CardLayout::pointSize(const QString& text) {
    return within(text, kSmallestSize, kLargestSize);
}

std::optional<CardLayout> CardLayout::from(const QslTemplate& model, QString* problem) {
    const auto fail = [&](const QString& field, const QString& value) {
        if (problem != nullptr) {
            *problem = value.isEmpty()
                           ? Text::tr("Modèle de QSL inutilisable : %1 est vide.").arg(field)
                           : Text::tr(
                                 "Modèle de QSL inutilisable : %1 (« %2 ») n'est pas "
                                 "un nombre.")
                                 .arg(field, value);
        }
        return std::nullopt;
    };
    CardLayout layout;
    const std::optional<double> left = position(model.marginLeft);
    if (!left) {
        return fail(QStringLiteral("MG"), model.marginLeft);
    }
    const std::optional<double> top = position(model.marginTop);
    if (!top) {
        return fail(QStringLiteral("MH"), model.marginTop);
    }
    layout.leftMargin = *left;
    layout.topMargin = *top;
    for (size_t i = 0; i < static_cast<size_t>(QslTemplate::kLines); ++i) {
        const QString line = QString::number(i + 1);
        const std::optional<double> g = position(model.left[i]);
        if (!g) {
            return fail(QStringLiteral("G") + line, model.left[i]);
        }
        const std::optional<double> h = position(model.top[i]);
        if (!h) {
            return fail(QStringLiteral("H") + line, model.top[i]);
        }
        const std::optional<double> p = number(model.size[i]);
        if (!p) {
            return fail(QStringLiteral("P") + line, model.size[i]);
        }
        if (*p <= 0) {
            if (problem != nullptr) {
                *problem = Text::tr(
                               "Modèle de QSL inutilisable : la taille P%1 (« %2 ») doit "
                               "être plus grande que 0.")
                               .arg(line, model.size[i]);
            }
            return std::nullopt;
        }
        if (!pointSize(model.size[i])) {
            return fail(QStringLiteral("P") + line, model.size[i]);
        }
        layout.x[i] = *g - *left;
        layout.y[i] = *h - *top;
        layout.size[i] = static_cast<float>(*p);
    }
    std::optional<CardDesignLayout> design = CardDesignLayout::from(model.design, problem);
    if (!design) {
        return std::nullopt;
    }
    layout.design = std::move(*design);
    return layout;
}
