#include "selection/qso_selection.h"

#include <QHash>
#include <algorithm>
#include <set>

#include "log/qso_log.h"
#include "selection/bureau_order.h"

QsoSelection::QsoSelection(QObject* parent)
    : QObject(parent),
      qsoList_(RowList::Order::Unsorted),
      printList_(RowList::Order::Sorted),
      sortList_(RowList::Order::Sorted) {}

QsoSelection::~QsoSelection() = default;

void QsoSelection::showLog(std::shared_ptr<const QsoLog> log) {
    shown_ = log;
    logs_.push_back(std::move(log));
    forgetUnusedLogs();
    fillQsoList();
}

bool QsoSelection::isOwed(const QsoRecord& record) {
    const QByteArrayView sent = record.value(QsoField::QslSent);
    return sent.isEmpty() || sent == "N" || sent == "R" || sent == "Q";
}

void QsoSelection::setOwedOnly(bool owedOnly) {
    if (owedOnly == owedOnly_) {
        return;
    }
    owedOnly_ = owedOnly;
    if (shown_ != nullptr) {
        fillQsoList();
    }
}

namespace {

// Every value of a QSO, each after its length: two records with the same key
// are the same QSO, whichever reading of the log made them.
QByteArray identity(const QsoRecord& record) {
    QByteArray key;
    for (int field = 0; field < kQsoFieldCount; ++field) {
        const QByteArrayView value = record.value(static_cast<QsoField>(field));
        key.append(QByteArray::number(value.size())).append(':').append(value);
    }
    return key;
}

// The QSOs of a list counted by identity (a log may hold a QSO twice).
QHash<QByteArray, int> countByIdentity(const RowList& list) {
    QHash<QByteArray, int> counts;
    counts.reserve(list.count());
    for (int i = 0; i < list.count(); ++i) {
        ++counts[identity(list.record(i))];
    }
    return counts;
}

}  // namespace

// The QSOs of the log shown that pass the filter and are not in the print
// list already, whether they came from this reading of the log or an earlier one.
void QsoSelection::fillQsoList() {
    QHash<QByteArray, int> printed = countByIdentity(printList_);
    QsoRecords records;
    records.reserve(static_cast<size_t>(shown_->count()));
    for (int i = 0; i < shown_->count(); ++i) {
        const QsoRecord* record = &shown_->at(i);
        if (owedOnly_ && !isOwed(*record)) {
            continue;
        }
        if (!printed.isEmpty()) {
            const auto found = printed.find(identity(*record));
            if (found != printed.end()) {
                if (--found.value() == 0) {
                    printed.erase(found);
                }
                continue;
            }
        }
        records.push_back(record);
    }
    qsoList_.clear();
    qsoList_.addAll(records);
}

void QsoSelection::sortPrintListForBureau(std::shared_ptr<const BureauOrder> order) {
    printList_.orderForBureau(std::move(order));
}

void QsoSelection::sortPrintListByCall() {
    printList_.orderForBureau(nullptr);
}

void QsoSelection::clearQsoList() {
    qsoList_.clear();
}

void QsoSelection::discardAll() {
    qsoList_.clear();
    printList_.orderForBureau(nullptr);
    printList_.clear();
    sortList_.clear();
    shown_.reset();
    logs_.clear();
}

void QsoSelection::pick(int qsoIndex) {
    if (qsoIndex < 0 || qsoIndex >= qsoList_.count()) {
        return;
    }
    printList_.add(qsoList_.record(qsoIndex));
    qsoList_.removeAt(qsoIndex);
}

void QsoSelection::unpick(int printIndex) {
    if (printIndex < 0 || printIndex >= printList_.count()) {
        return;
    }
    qsoList_.add(printList_.record(printIndex));
    printList_.removeAt(printIndex);
}

void QsoSelection::pickAll() {
    printList_.addAll(qsoList_);
    qsoList_.clear();
}

void QsoSelection::sortQsoListByCall() {
    sortList_.clear();
    sortList_.addAll(qsoList_);
    qsoList_.clear();
    qsoList_.addAll(sortList_);
}

// A log read again replaces the one before it; the print list may still hold
// QSOs of older logs, which stay until they leave it.
void QsoSelection::forgetUnusedLogs() {
    std::set<quint32> used{logs_.back()->serial()};
    for (const RowList* list : {&qsoList_, &printList_, &sortList_}) {
        for (int i = 0; i < list->count(); ++i) {
            used.insert(list->record(i).logSerial());
        }
    }
    logs_.erase(std::remove_if(logs_.begin(), logs_.end(),
                               [&used](const std::shared_ptr<const QsoLog>& log) {
                                   return used.count(log->serial()) == 0;
                               }),
                logs_.end());
}
