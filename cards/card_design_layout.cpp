#include "cards/card_design_layout.h"

#include <QCoreApplication>
#include <QLocale>

#include "cards/card_layout.h"

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72;

QString unusable(const QString& key, const QString& value) {
    return QCoreApplication::translate("CardDesignLayout",
                                       "Modèle de QSL inutilisable : %1 (« %2 ») ne convient pas.")
        .arg(key, value);
}

// A position, a size or a count read into `out`; false with the message set.
bool readPosition(const QString& key, const QString& text, double& out, QString* problem) {
    const std::optional<double> value = CardLayout::position(text);
    if (!value) {
        *problem = unusable(key, text);
        return false;
    }
    out = *value;
    return true;
}

bool readSize(const QString& key, const QString& text, float& out, QString* problem) {
    const std::optional<double> value = CardLayout::pointSize(text);
    if (!value) {
        *problem = unusable(key, text);
        return false;
    }
    out = static_cast<float>(*value);
    return true;
}

bool readTable(const CardDesign& design, CardDesignLayout& layout, QString* problem) {
    if (!design.hasTable()) {
        return true;
    }
    bool rowsRead = false;
    const int rows = design.tableRows.trimmed().toInt(&rowsRead);
    if (!rowsRead || rows < 1 || rows > CardDesign::kLargestRows) {
        *problem = unusable(QStringLiteral("table.rows"), design.tableRows);
        return false;
    }
    layout.rows = rows;
    if (!readPosition(QStringLiteral("table.x"), design.tableX, layout.tableX, problem) ||
        !readPosition(QStringLiteral("table.y"), design.tableY, layout.tableY, problem) ||
        !readPosition(QStringLiteral("table.pitch"), design.tablePitch, layout.pitch, problem) ||
        !readSize(QStringLiteral("table.size"), design.tableSize, layout.tableSize, problem)) {
        return false;
    }
    // Rows closer than the height of their text print over each other.
    const double textHeight = layout.tableSize * kMillimetresPerPoint;
    if (layout.pitch < textHeight) {
        *problem = QCoreApplication::translate(
                       "CardDesignLayout",
                       "Modèle de QSL inutilisable : table.pitch (« %1 ») est plus petit que la "
                       "hauteur du texte du tableau (%2 mm) : ses rangées s'imprimeraient l'une "
                       "sur l'autre.")
                       .arg(design.tablePitch, QLocale().toString(textHeight, 'f', 1));
        return false;
    }
    for (const CardDesign::Column& column : design.columns) {
        CardDesignLayout::Column read;
        const std::optional<CardValues::Value> value = CardValues::named(column.value);
        if (!value) {
            *problem = unusable(QStringLiteral("table.column"), column.value);
            return false;
        }
        if (!readPosition(QStringLiteral("table.column"), column.x, read.x, problem)) {
            return false;
        }
        read.value = *value;
        read.heading = column.heading;
        layout.columns.push_back(read);
    }
    return true;
}

bool readThanks(const CardDesign& design, CardDesignLayout& layout, QString* problem) {
    if (!design.hasThanks()) {
        return true;
    }
    layout.hasThanks = true;
    layout.pse = design.thanksPse.isEmpty() ? QStringLiteral("PSE QSL") : design.thanksPse;
    layout.tnx = design.thanksTnx.isEmpty() ? QStringLiteral("TNX QSL") : design.thanksTnx;
    return readPosition(QStringLiteral("thanks.x"), design.thanksX, layout.thanksX, problem) &&
           readPosition(QStringLiteral("thanks.y"), design.thanksY, layout.thanksY, problem) &&
           readSize(QStringLiteral("thanks.size"), design.thanksSize, layout.thanksSize, problem);
}

bool readRest(const CardDesign& design, CardDesignLayout& layout, QString* problem) {
    const CardSize* size = CardSize::find(design.cardSize);
    if (size == nullptr) {
        *problem = unusable(QStringLiteral("card.size"), design.cardSize);
        return false;
    }
    layout.size = *size;
    layout.keepStrip = design.keepStrip;
    for (size_t i = 0; i < layout.freeValue.size(); ++i) {
        const QString& key = design.freeValue[i];
        if (key.isEmpty()) {
            continue;
        }
        layout.freeValue[i] = CardValues::named(key);
        if (!layout.freeValue[i]) {
            *problem = unusable(QStringLiteral("line%1.value").arg(i + 8), key);
            return false;
        }
    }
    const QString fit = design.pictureFit.trimmed().toLower();
    if (!fit.isEmpty() && fit != u"cover" && fit != u"contain") {
        *problem = unusable(QStringLiteral("picture.fit"), design.pictureFit);
        return false;
    }
    layout.cover = fit != u"contain";
    layout.picture = design.picture;
    layout.frame = design.pictureFrame;
    layout.printPicture = design.printPicture && !design.picture.isEmpty();
    return true;
}

}  // namespace

bool CardDesignLayout::hasHeading() const {
    for (const Column& column : columns) {
        if (!column.heading.isEmpty()) {
            return true;
        }
    }
    return false;
}

std::optional<CardDesignLayout> CardDesignLayout::from(const CardDesign& design, QString* problem) {
    CardDesignLayout layout;
    QString ignored;
    QString* message = problem != nullptr ? problem : &ignored;
    if (!readTable(design, layout, message) || !readThanks(design, layout, message) ||
        !readRest(design, layout, message)) {
        return std::nullopt;
    }
    return layout;
}
