#pragma once

#include <QStringList>
#include <vector>

#include "log/qso_record.h"
#include "mail/mail_piece.h"

class AddressSource;

// The addresses of a print list: one piece per recipient (a station with
// several QSOs, or several stations with one manager, get one), in the order
// of their first QSO, the recipients for whom no address was found, and the
// calls that name no station to mail to ("/P").
struct MailingList {
    std::vector<MailPiece> pieces;
    QStringList missing;
    QStringList withoutStation;

    static MailingList of(const QsoRecords& printList, const AddressSource& source);
    // The message that names the calls without a station.
    static QString withoutStationText(const QStringList& calls);
};
