#include "labels/label_options_store.h"

#include <QRegularExpression>
#include <cmath>

#include "labels/label_option_table.h"
#include "settings/settings_store.h"

namespace {

constexpr int kDefaultOffsetPosition = 2;

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
    LabelOptions options;
    options.station = station;
    for (const LabelOptionField& field : labelOptionTable()) {
        field.restore(options, store_.read(*field.setting, station));
    }
    // The sheet name is none of the thirteen keys: it is written only once a station
    // has printed on a sheet other than the five tuned ones.
    options.sheet = store_.read(StoredSettings::kSheetName, station);
    return options;
}

void LabelOptionsStore::save(const LabelOptions& options) const {
    const QString& station = options.station;
    for (const LabelOptionField& field : labelOptionTable()) {
        const QString stored = field.stored(options);
        if (field.writtenOnceUsed && stored == field.setting->absentText() &&
            store_.written(*field.setting, station).isEmpty()) {
            continue;
        }
        store_.write(*field.setting, stored, station);
    }
    // Settings files that never named another sheet are left as they were.
    if (!options.sheet.isEmpty() ||
        !store_.written(StoredSettings::kSheetName, station).isEmpty()) {
        store_.write(StoredSettings::kSheetName, options.sheet, station);
    }
}
