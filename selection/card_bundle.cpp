#include "selection/card_bundle.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "log/adif_reader.h"
#include "log/band_table.h"
#include "selection/qsl_queue.h"

CardBundle::CardBundle(const QsoRecords& qsos) {
    byCall_.reserve(static_cast<qsizetype>(qsos.size()));
    for (const QsoRecord* qso : qsos) {
        // A QSO the log gives no CALL is no card's.
        if (!AdifReader::callsignWasMissing(*qso)) {
            byCall_[qso->value(QsoField::Callsign).toByteArray()].push_back(qso);
        }
    }
}

QByteArray CardBundle::logDate(const QString& word) {
    static const QRegularExpression adif(QStringLiteral("^\\d{8}$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    if (adif.match(word).hasMatch()) {
        return word.toLatin1();
    }
    const QRegularExpressionMatch found = iso.match(word);
    if (!found.hasMatch() || !QDate::fromString(word, Qt::ISODate).isValid()) {
        return {};
    }
    return (found.captured(1) + found.captured(2) + found.captured(3)).toLatin1();
}

QByteArray CardBundle::listDate(const QString& word) {
    static const QRegularExpression typed(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{2})$"));
    const QByteArray whole = logDate(word);
    if (!whole.isEmpty()) {
        return whole.mid(6, 2) + '/' + whole.mid(4, 2) + '/' + whole.mid(2, 2);
    }
    return typed.match(word).hasMatch() ? word.toLatin1() : QByteArray();
}

QByteArray CardBundle::listBand(const QString& word) {
    if (!word.endsWith(QLatin1Char('m'), Qt::CaseInsensitive)) {
        return {};
    }
    return BandTable::textForKey(word.toUpper().toLatin1()).value_or(QByteArray());
}

CardBundle::Line CardBundle::matchLine(const QString& text, int number) const {
    Line line;
    line.number = number;
    line.text = text;
    QStringList words =
        text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return line;
    }
    const QByteArray call = words.takeFirst().toUpper().toUtf8();
    QByteArray date;
    QsoField dateField = QsoField::Date;
    QByteArray band;
    for (const QString& word : words) {
        const QByteArray asDate = listDate(word);
        const QByteArray asBand = listBand(word);
        if (!asDate.isEmpty() && date.isEmpty()) {
            // A four-digit year is compared whole, with the log's own QSO_DATE.
            const QByteArray whole = logDate(word);
            date = whole.isEmpty() ? asDate : whole;
            dateField = whole.isEmpty() ? QsoField::Date : QsoField::QsoDate;
        } else if (!asBand.isEmpty() && band.isEmpty()) {
            band = asBand;
        } else {
            line.outcome = Outcome::Unreadable;
            line.unread = word;
            return line;
        }
    }
    for (const QsoRecord* qso : byCall_.value(call)) {
        if ((date.isEmpty() || qso->value(dateField) == date) &&
            (band.isEmpty() || qso->value(QsoField::Band) == band)) {
            line.qsos.push_back(qso);
            const QslQueue::QslFields fields{
                {}, {}, qso->value(QsoField::QslRcvd), qso->value(QsoField::QslRcvdVia)};
            line.alreadyReceived += QslQueue::cardReceived(fields) ? 1 : 0;
        }
    }
    line.outcome = line.qsos.empty()       ? Outcome::NotFound
                   : line.qsos.size() == 1 ? Outcome::Found
                                           : Outcome::Several;
    return line;
}

QString CardBundle::decode(const QByteArray& bytes) {
    const auto decodedAs = [&](QStringConverter::Encoding encoding, qsizetype skipped) {
        QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
        const QString text = decoder(QByteArrayView(bytes).sliced(skipped));
        return decoder.hasError() ? std::optional<QString>() : std::optional<QString>(text);
    };
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return decodedAs(bytes[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                         2)
            .value_or(QString());
    }
    // UTF-16 without its mark: ASCII text has a zero byte in every pair.
    const qsizetype pairs = bytes.size() / 2;
    qsizetype zeroFirst = 0;
    qsizetype zeroSecond = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        zeroFirst += bytes[2 * i] == '\0' ? 1 : 0;
        zeroSecond += bytes[2 * i + 1] == '\0' ? 1 : 0;
    }
    if (pairs > 0 && std::max(zeroFirst, zeroSecond) * 2 > pairs) {
        const auto encoding =
            zeroSecond > zeroFirst ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        return decodedAs(encoding, 0).value_or(QString());
    }
    const qsizetype mark = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return decodedAs(QStringConverter::Utf8, mark).value_or(QString::fromLatin1(bytes));
}

std::vector<CardBundle::Line> CardBundle::match(const QString& bundle) const {
    std::vector<Line> lines;
    const QStringList texts = bundle.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!texts[i].trimmed().isEmpty()) {
            lines.push_back(matchLine(texts[i].trimmed(), static_cast<int>(i) + 1));
        }
    }
    return lines;
}

QsoRecords CardBundle::found(const std::vector<Line>& lines) {
    QsoRecords qsos;
    QSet<const QsoRecord*> taken;
    for (const Line& line : lines) {
        if (line.outcome == Outcome::Found && !taken.contains(line.qsos.front())) {
            taken.insert(line.qsos.front());
            qsos.push_back(line.qsos.front());
        }
    }
    return qsos;
}
