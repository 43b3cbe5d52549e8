#include "mail/mailing_list.h"

#include <QSet>

#include "mail/address_source.h"

MailingList MailingList::of(const QsoRecords& printList, const AddressSource& source) {
    MailingList list;
    QSet<QString> seen;
    for (const QsoRecord* qso : printList) {
        const AddressSource::Recipient recipient = source.recipientFor(*qso);
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
