#include "labels/label_options_store.h"

#include <QRegularExpression>
#include <cmath>

#include "labels/sheet_table.h"
#include "settings/settings_store.h"

namespace {

constexpr int kDefaultOffsetPosition = 2;
// The sheet chosen by name when it is none of the tuned ones.
constexpr const char* kSheetKey = "Planche etiquette";

QString key(const char* name) {
    return QString::fromUtf8(name);
}

// "1".."last" selects that index; any other text keeps `initial`.
int optionIndex(const QString& stored, int first, int last, int initial) {
    for (int index = first; index <= last; ++index) {
        if (stored == QString::number(index)) {
            return index;
        }
    }
    return initial;
}

}  // namespace

double LabelOptionsStore::leadingNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

std::optional<bool> LabelOptionsStore::parseBoolean(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool isNumber = false;
    const double value = word.toDouble(&isNumber);
    if (isNumber) {
        return value != 0.0;
    }
    return std::nullopt;
}

int LabelOptionsStore::offsetPosition(const QString& storedText) {
    const double position = std::nearbyint(leadingNumber(storedText));
    if (position < -1 || position > 4) {
        return kDefaultOffsetPosition;
    }
    return static_cast<int>(position);
}

int LabelOptionsStore::positionOfOffset(const QString& offsetText) {
    return static_cast<int>(LabelOptions::offsets().indexOf(offsetText));
}

LabelOptions LabelOptionsStore::load(const QString& station) const {
    const QString section = SettingsStore::stationSection(station);
    const auto read = [&](const char* name, const QString& fallback) {
        return store_.read(section, key(name), fallback);
    };
    LabelOptions options;
    options.station = station;
    options.format = 1;  // the window's first choice when the stored text names no format
    options.activationNumber = read("N° Activite", QString());
    options.activationName = read("Nom Activite", QString());
    options.canton = read("N° Canton", QString());
    options.postcode = read("N° CP", QString());
    options.municipality = read("Commune", QString());
    options.transceiver = read("Transceiver", QString());
    options.antenna = read("Antenne", QString());
    const QString language = read("Language", QStringLiteral("True"));
    options.comment = read("Texte_QSL", QString());
    options.french = parseBoolean(language).value_or(true);
    const QString storedFormat = read("Format etiquette", QStringLiteral("2"));
    options.onCards = storedFormat == QString::number(LabelOptions::kCardFormat);
    const int number = storedFormat.toInt();
    if (QString::number(number) == storedFormat && SheetTable::tuned(number) != nullptr) {
        options.format = number;
    }
    options.sheet = read(kSheetKey, QString());
    options.type =
        optionIndex(read("Type etiquette", QStringLiteral("1")), 2, 3, LabelOptions::kQsoLabel);
    options.qsl = optionIndex(read("Format QSL", QStringLiteral("1")), 1, 3, 1);
    const int position =
        offsetPosition(read("Centrage V", QString::number(kDefaultOffsetPosition)));
    options.offset = position < 0 ? QString() : LabelOptions::offsets().at(position);
    return options;
}

void LabelOptionsStore::save(const LabelOptions& options) const {
    const QString section = SettingsStore::stationSection(options.station);
    const auto write = [&](const char* name, const QString& value) {
        store_.write(section, key(name), value);
    };
    write("Transceiver", options.transceiver);
    write("Antenne", options.antenna);
    write("N° Activite", options.activationNumber);
    write("Nom Activite", options.activationName);
    write("N° Canton", options.canton);
    write("N° CP", options.postcode);
    write("Commune", options.municipality);
    write("Texte_QSL", options.comment);
    write("Language", options.french ? QStringLiteral("True") : QStringLiteral("False"));
    write("Type etiquette", QString::number(options.type));
    write("Format etiquette",
          QString::number(options.onCards ? LabelOptions::kCardFormat : options.format));
    write("Format QSL", QString::number(options.qsl));
    write("Centrage V", QString::number(positionOfOffset(options.offset)));
    // Settings files that never named another sheet are left as they were.
    if (!options.sheet.isEmpty() || !store_.read(section, key(kSheetKey), QString()).isEmpty()) {
        write(kSheetKey, options.sheet);
    }
}
