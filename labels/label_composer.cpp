#include "labels/label_composer.h"

#include <cmath>

#include "log/qso_row.h"
#include "selection/qsl_round.h"

namespace {

// After the left label's text, the blanks that bring it to its fixed width.
enum class Ending { B, BPlusOne };

int floorHalf(int value) {
    return static_cast<int>(std::floor(value / 2.0));
}

}  // namespace

LabelFields LabelFields::fromRecord(const QsoRecord* record) {
    LabelFields fields;
    if (record == nullptr) {
        return fields;
    }
    fields.callsign = QsoRow::trimmedCell(*record, QsoField::Callsign, 12);
    fields.date = QsoRow::cell(*record, QsoField::Date, 8);
    fields.time = QsoRow::cell(*record, QsoField::Time, 5);
    fields.band = QsoRow::trimmedCell(*record, QsoField::Band, 8);
    fields.mode = QsoRow::trimmedCell(*record, QsoField::Mode, 7);
    fields.rst = QsoRow::trimmedCell(*record, QsoField::RstSent, 8);
    fields.via = QsoRow::trimmedCell(*record, QsoField::QslVia, 8);
    fields.cardReceived = QslRound::cardReceived(*record);
    return fields;
}

QString LabelFields::viaText() const {
    return via.isEmpty() ? QString() : QStringLiteral("Via ") + via;
}

QString LabelComposer::blanks(int count) {
    return count > 0 ? QString(count, QLatin1Char(' ')) : QString();
}

namespace {

// A line centred in `width` characters: `fixed` stands for the characters of
// its fixed texts, the values' lengths add up to `variable`; the separator
// between `before` and `after` is two blanks when the line would otherwise
// come out one character short of centred.
QString centred(int width, int fixed, int variable, const QString& before, const QString& after,
                bool left, Ending ending) {
    int b = floorHalf(width - (fixed + variable));
    const int r = width - (2 * b + fixed + variable);
    QString separator = QStringLiteral(" ");
    if (r == 0) {
        b -= 1;
        separator = QStringLiteral("  ");
    }
    QString line = LabelComposer::blanks(b) + before + separator + after;
    if (left) {
        line += LabelComposer::blanks(b);
        if (ending == Ending::BPlusOne) {
            line += QLatin1Char(' ');
        }
    }
    return line;
}

QString centredPhrase(int width, const QString& phrase, bool left) {
    const int length = static_cast<int>(phrase.size());
    const int b = floorHalf(width - length);
    const int r = width - (2 * b + length);
    QString line = LabelComposer::blanks(b) + phrase;
    if (left) {
        line += LabelComposer::blanks(b) + (r == 0 ? QStringLiteral(" ") : QStringLiteral("  "));
    }
    return line;
}

QString indented(int indent, const QString& content, bool left) {
    return LabelComposer::blanks(indent) + content +
           (left ? LabelComposer::blanks(indent + 1) : QString());
}

int lengthOf(const QString& text) {
    return static_cast<int>(text.size());
}

}  // namespace

LabelComposer::LabelComposer(const LabelOptions& options, SheetProfile::AddressSpacing spacing)
    : options_(options), spacing_(spacing) {}

namespace {

// Where each value of a grouped QSO line starts.
constexpr int kTimeColumn = 9;
constexpr int kBandColumn = 16;
constexpr int kModeColumn = 25;
constexpr int kRstColumn = 33;

}  // namespace

QString LabelComposer::groupedQsoLine(const LabelFields& fields) {
    // A value longer than its column pushes the next ones on, a blank apart.
    return fields.date.leftJustified(kTimeColumn) +
           fields.time.leftJustified(kBandColumn - kTimeColumn) +
           fields.band.leftJustified(kModeColumn - kBandColumn) +
           fields.mode.leftJustified(kRstColumn - kModeColumn) +
           fields.rst.leftJustified(kGroupedLineLength - kRstColumn);
}

std::vector<std::pair<QString, int>> LabelComposer::groupHeading() const {
    return {{QStringLiteral("Date"), 0},
            {QStringLiteral("UTC"), kTimeColumn},
            {options_.french ? QStringLiteral("Bande") : QStringLiteral("Band"), kBandColumn},
            {QStringLiteral("Mode"), kModeColumn},
            {QStringLiteral("RST"), kRstColumn}};
}

QString LabelComposer::thanksPhrase(bool cardReceived) const {
    static const QString french[] = {QStringLiteral("Merci pour le QSO  Pse QSL"),
                                     QStringLiteral("Merci pour le QSO et pour la QSL"),
                                     QStringLiteral("Merci pour le QSO pas de QSL")};
    static const QString english[] = {QStringLiteral("Tnx for the QSO  Pse QSL"),
                                      QStringLiteral("Tnx for the QSO and for your QSL"),
                                      QStringLiteral("Tnx for the QSO no QSL")};
    if (options_.qsl < 1 || options_.qsl > LabelOptions::kQslByCard) {
        return {};
    }
    const int index =
        options_.qsl == LabelOptions::kQslByCard ? (cardReceived ? 1 : 0) : options_.qsl - 1;
    return options_.french ? french[index] : english[index];
}

QString LabelComposer::line(LabelLine kind, LineFamily family, const QsoRecord* left,
                            const QsoRecord* right) const {
    if (kind == LabelLine::Blank) {
        return {};
    }
    return side(kind, family, LabelFields::fromRecord(left), Side::Left) +
           side(kind, family, LabelFields::fromRecord(right), Side::Right);
}

QString LabelComposer::side(LabelLine kind, LineFamily family, const LabelFields& fields,
                            Side which) const {
    if (family == LineFamily::Qso42 || family == LineFamily::Qso44) {
        return qsoLine(kind, family, fields, which);
    }
    return activationLine(kind, fields, which);
}

QString LabelComposer::qsoLine(LabelLine kind, LineFamily family, const LabelFields& fields,
                               Side which) const {
    const bool left = which == Side::Left;
    const bool wide = family == LineFamily::Qso44;
    const int width = wide ? 44 : 42;
    switch (kind) {
        case LabelLine::Address: {
            const QString via = fields.viaText();
            const int variable = lengthOf(fields.callsign) + lengthOf(via);
            if (options_.french) {
                const QString before = QStringLiteral("Pour ") + fields.callsign;
                if (wide) {
                    return centred(32, left ? 4 : 6, variable, before, via, left, Ending::BPlusOne);
                }
                const int fixed =
                    spacing_ == SheetProfile::AddressSpacing::BySide ? (left ? 4 : 6) : 5;
                return centred(left ? 31 : 32, fixed, variable, before, via, left, Ending::B);
            }
            const QString before = QStringLiteral("To ") + fields.callsign;
            const int addressWidth = wide ? (left ? 34 : 32) : (left ? 31 : 32);
            return centred(addressWidth, 3, variable, before, via, left, Ending::B);
        }
        case LabelLine::Date:
            return indented(wide ? 7 : 6,
                            QStringLiteral("Date ") + fields.date + QStringLiteral("   Time ") +
                                fields.time + QStringLiteral(" UTC"),
                            left);
        case LabelLine::Band: {
            const int variable =
                lengthOf(fields.band) + lengthOf(fields.mode) + lengthOf(fields.rst);
            const QString word =
                options_.french ? QStringLiteral("Bande ") : QStringLiteral("Band ");
            const int fixed = options_.french ? 16 : 15;
            const Ending ending = (wide && !options_.french) ? Ending::B : Ending::BPlusOne;
            return centred(width, fixed, variable,
                           word + fields.band + QStringLiteral(" Mode ") + fields.mode,
                           QStringLiteral("RST ") + fields.rst, left, ending);
        }
        case LabelLine::Station: {
            const QString antenna = options_.antenna.trimmed();
            const int variable = lengthOf(options_.transceiver) + lengthOf(antenna);
            return centred(width, 7, variable, QStringLiteral("TX ") + options_.transceiver,
                           QStringLiteral("Ant ") + antenna, left,
                           wide ? Ending::B : Ending::BPlusOne);
        }
        case LabelLine::Comment:
            return centredPhrase(width, options_.comment, left);
        case LabelLine::Thanks:
            return centredPhrase(width, thanksPhrase(fields.cardReceived), left);
        default:
            return {};
    }
}

QString LabelComposer::activationLine(LabelLine kind, const LabelFields& fields, Side which) const {
    const bool left = which == Side::Left;
    const QString number = options_.activationNumber.trimmed();
    const QString name = options_.activationName.trimmed();
    const QString canton = options_.canton.trimmed();
    const QString postcode = options_.postcode.trimmed();
    const QString municipality = options_.municipality.trimmed();
    switch (kind) {
        case LabelLine::From: {
            const int variable = lengthOf(options_.station) + lengthOf(fields.callsign);
            if (options_.french) {
                return centred(31, 8, variable, QStringLiteral("De ") + options_.station,
                               QStringLiteral("pour ") + fields.callsign, left, Ending::B);
            }
            return centred(31, 8, variable, QStringLiteral("From ") + options_.station,
                           QStringLiteral("to ") + fields.callsign, left, Ending::B);
        }
        case LabelLine::Activation:
            return centred(46, 0, lengthOf(number) + lengthOf(name), number, name, left,
                           Ending::BPlusOne);
        case LabelLine::Place:
            return centred(
                46, 8, lengthOf(postcode) + lengthOf(municipality), QString(),
                QStringLiteral("CP ") + postcode + QStringLiteral(" QTH ") + municipality, left,
                Ending::BPlusOne);
        case LabelLine::Canton:
            return indented(16, QStringLiteral("Canton N° ") + canton, left);
        case LabelLine::DdcfPlace:
            return centred(
                46, 14, lengthOf(canton) + lengthOf(postcode) + lengthOf(municipality),
                QStringLiteral("DDCF ") + canton,
                QStringLiteral("CP ") + postcode + QStringLiteral("  QTH ") + municipality, left,
                Ending::BPlusOne);
        case LabelLine::Contact:
            return centred(
                46, 29, lengthOf(fields.band) + lengthOf(fields.mode) + lengthOf(fields.rst),
                fields.date + QLatin1Char(' ') + fields.time + QStringLiteral(" TU  QRG ") +
                    fields.band,
                fields.mode + QStringLiteral("  RST ") + fields.rst, left, Ending::BPlusOne);
        case LabelLine::Station: {
            const QString transceiver = options_.transceiver.trimmed();
            const QString antenna = options_.antenna.trimmed();
            return centred(46, 11, lengthOf(transceiver) + lengthOf(antenna),
                           QStringLiteral("TX : ") + transceiver,
                           QStringLiteral("Ant : ") + antenna, left, Ending::BPlusOne);
        }
        case LabelLine::Thanks:
            return centredPhrase(46, thanksPhrase(fields.cardReceived), left);
        default:
            return {};
    }
}
