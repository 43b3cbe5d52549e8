#include "mail/address_source.h"

#include <QRegularExpression>

#include "mail/address_book.h"

namespace {

bool isPortableSuffix(const QString& part) {
    return part == u"P" || part == u"M" || part == u"QRP" || part == u"A";
}

}  // namespace

AddressSource::Recipient AddressSource::recipientOf(const QString& callsign,
                                                    const QString& qslVia) {
    const QString via = AddressBook::normalCall(qslVia);
    if (!via.isEmpty()) {
        return {via, true};
    }
    QStringList parts =
        AddressBook::normalCall(callsign).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    while (parts.size() > 1 && isPortableSuffix(parts.last())) {
        parts.removeLast();
    }
    QString station;
    for (const QString& part : parts) {
        if (part.size() > station.size()) {
            station = part;
        }
    }
    return {station, false};
}

QStringList AddressSource::addressLines(const QString& value) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines;
    for (const QString& line : value.split(lineEnd)) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line.trimmed());
        }
    }
    return lines;
}

void AddressSource::offerLogAddress(const QString& station, const QString& when,
                                    const QString& value) {
    const QStringList lines = addressLines(value);
    if (lines.isEmpty()) {
        return;
    }
    Found& found = fromLog_[AddressBook::normalCall(station)];
    if (found.lines.isEmpty() || when >= found.when) {
        found = {when, lines};
    }
}

std::optional<QStringList> AddressSource::addressOf(const Recipient& recipient) const {
    QStringList lines{recipient.call};
    if (const AddressEntry* entry = book_.find(recipient.call)) {
        if (!entry->lines.isEmpty()) {
            return lines + entry->lines;
        }
    }
    // The log's addresses are each station's own, from its own QSOs: a
    // manager's is his own QSO's, never that of a station he answers for.
    const auto found = fromLog_.constFind(recipient.call);
    if (found == fromLog_.constEnd()) {
        return std::nullopt;
    }
    return lines + found->lines;
}
