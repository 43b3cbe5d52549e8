#include "mail/mailing_list.h"

#include <QCoreApplication>
#include <QSet>

#include "log/adif_reader.h"
#include "mail/address_source.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MailingList)
};

}  // namespace

QString MailingList::withoutStationText(const QStringList& calls) {
    return Text::tr("Pas de destinataire pour : %1 (l'indicatif ne nomme aucune station)")
        .arg(calls.join(QStringLiteral(", ")));
}

MailingList MailingList::of(const QsoRecords& printList, const AddressSource& source) {
    MailingList list;
    QSet<QString> seen;
    for (const QsoRecord* qso : printList) {
        const AddressSource::Recipient recipient = source.recipientFor(*qso);
        if (recipient.call.isEmpty() && !AdifReader::callsignWasMissing(*qso)) {
            const QString call = qso->text(QsoField::Callsign);
            if (!list.withoutStation.contains(call)) {
                list.withoutStation.append(call);
            }
            continue;
        }
        if (recipient.call.isEmpty() || seen.contains(recipient.call)) {
            continue;
        }
        seen.insert(recipient.call);
        if (const std::optional<QStringList> lines = source.addressOf(recipient)) {
            list.pieces.push_back({recipient.call, *lines});
        } else {
            list.missing.append(recipient.call);
        }
    }
    return list;
}
