#include "cards/card_values.h"

#include <array>

#include "log/qso_row.h"
#include "selection/qsl_round.h"

namespace {

struct Named {
    const char* key;
    CardValues::Value value;
};
constexpr std::array<Named, 14> kNames = {{{"call", CardValues::Value::Call},
                                           {"via", CardValues::Value::Via},
                                           {"date", CardValues::Value::Date},
                                           {"time", CardValues::Value::Time},
                                           {"band", CardValues::Value::Band},
                                           {"mode", CardValues::Value::Mode},
                                           {"rst", CardValues::Value::Rst},
                                           {"qsl", CardValues::Value::Qsl},
                                           {"sat_name", CardValues::Value::SatName},
                                           {"prop_mode", CardValues::Value::PropMode},
                                           {"submode", CardValues::Value::Submode},
                                           {"band_rx", CardValues::Value::BandRx},
                                           {"freq", CardValues::Value::Freq},
                                           {"qslmsg", CardValues::Value::QslMsg}}};

QString logged(const QsoRecord& record, QsoField field) {
    return record.text(field).trimmed();
}

QString frequency(const QsoRecord& record) {
    if (record.frequencyMhz() <= 0) {
        return {};
    }
    QString text = QString::number(record.frequencyMhz(), 'f', 6);
    while (text.endsWith(QLatin1Char('0')) && !text.endsWith(QStringLiteral(".0"))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

std::optional<CardValues::Value> CardValues::named(const QString& key) {
    const QString lower = key.trimmed().toLower();
    for (const Named& named : kNames) {
        if (lower == QLatin1String(named.key)) {
            return named.value;
        }
    }
    return std::nullopt;
}

QStringList CardValues::keys() {
    QStringList keys;
    for (const Named& named : kNames) {
        keys.append(QString::fromLatin1(named.key));
    }
    return keys;
}

QString CardValues::qsl(const QsoRecord& record, Thanks thanks) {
    switch (thanks) {
        case Thanks::Pse:
            return QStringLiteral("PSE");
        case Thanks::Tnx:
            return QStringLiteral("TNX");
        case Thanks::None:
            return {};
        case Thanks::ByCard:
            break;
    }
    return QslRound::cardReceived(record) ? QStringLiteral("TNX") : QStringLiteral("PSE");
}

bool CardValues::thanksForCard(const QsoRecords& qsos, Thanks thanks) {
    if (thanks != Thanks::ByCard) {
        return thanks == Thanks::Tnx;
    }
    for (const QsoRecord* record : qsos) {
        if (QslRound::cardReceived(*record)) {
            return true;
        }
    }
    return false;
}

QString CardValues::of(Value value, const QsoRecord& record, Thanks thanks) {
    switch (value) {
        case Value::Call:
            return QsoRow::trimmedCell(record, QsoField::Callsign, QsoRow::kCallsignWidth);
        case Value::Via:
            return QsoRow::trimmedCell(record, QsoField::QslVia, QsoRow::kViaWidth);
        case Value::Date:
            return QsoRow::trimmedCell(record, QsoField::Date, QsoRow::kDateWidth);
        case Value::Time:
            return QsoRow::trimmedCell(record, QsoField::Time, QsoRow::kTimeWidth);
        case Value::Band:
            return QsoRow::trimmedCell(record, QsoField::Band, QsoRow::kBandWidth);
        case Value::Mode:
            return QsoRow::trimmedCell(record, QsoField::Mode, QsoRow::kModeWidth);
        case Value::Rst:
            return QsoRow::trimmedCell(record, QsoField::RstSent, QsoRow::kRstWidth);
        case Value::Qsl:
            return qsl(record, thanks);
        case Value::SatName:
            return logged(record, QsoField::SatName);
        case Value::PropMode:
            return logged(record, QsoField::PropMode);
        case Value::Submode: {
            const QString submode = logged(record, QsoField::Submode);
            return submode.isEmpty() ? of(Value::Mode, record, thanks) : submode;
        }
        case Value::BandRx:
            return logged(record, QsoField::BandRx);
        case Value::Freq:
            return frequency(record);
        case Value::QslMsg:
            return logged(record, QsoField::QslMsg);
    }
    return {};
}
