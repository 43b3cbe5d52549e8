#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>

#include "log/qso_record.h"

class AddressSource;

// The addresses a log gives in its QSOs' ADDRESS_INTL and ADDRESS fields,
// read back from each QSO's own bytes in the log (the reader keeps neither):
// decoded as the reader decodes values (UTF-8 where valid, else Latin-1) but
// with their case and their line breaks, which are the address's lines.
namespace LogAddresses {

struct Found {
    QString address;  // empty when the record gives none
    QString when;     // QSO_DATE and TIME_ON, for "the most recent"
    QString call;     // the record's CALL, cleaned as the reader cleans it
};

// One record's text (UTF-8).
Found inRecord(QByteArrayView record);

// Offers `source` the address of every QSO of `qsos` whose station (the home
// call of its callsign, AddressSource::stationOf) is in `stations`. False, with a French
// message, when the log cannot be read or no longer holds those QSOs.
bool offer(const QString& logPath, const QsoRecords& qsos, const QSet<QString>& stations,
           AddressSource& source, QString* error);

}  // namespace LogAddresses
