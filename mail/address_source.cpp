#include "mail/address_source.h"

#include <QRegularExpression>

#include "log/adif_reader.h"
#include "log/home_call.h"
#include "log/qsl_via.h"
#include "mail/address_book.h"

AddressSource::Recipient AddressSource::recipientOf(const QString& callsign, const QString& qslVia,
                                                    const CountryFile* countries) {
    const QString manager = QslVia::managerOf(qslVia);
    if (!manager.isEmpty()) {
        return {manager, true};
    }
    return {homeCallOf(AddressBook::normalCall(callsign), countries), false};
}

AddressSource::Recipient AddressSource::recipientOf(const QsoRecord& qso,
                                                    const CountryFile* countries) {
    if (AdifReader::callsignWasMissing(qso)) {
        return {};
    }
    return recipientOf(qso.text(QsoField::Callsign), qso.text(QsoField::QslVia), countries);
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
