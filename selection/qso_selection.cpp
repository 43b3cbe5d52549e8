#include "selection/qso_selection.h"

#include <algorithm>
#include <set>

#include "log/qso_log.h"
#include "selection/bureau_order.h"
#include "selection/qsl_round.h"

QsoSelection::QsoSelection(QObject* parent)
    : QObject(parent),
      qsoList_(RowList::Order::Unsorted),
      printList_(RowList::Order::Sorted),
      sortList_(RowList::Order::Sorted) {}

QsoSelection::~QsoSelection() = default;

void QsoSelection::showLog(std::shared_ptr<const QsoLog> log) {
    qsoList_.clear();
    shown_ = log;
    logs_.push_back(std::move(log));
    forgetUnusedLogs();
    qsoList_.addAll(QslRound::recordsOf(*shown_, owedOnly_));
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

// The QSOs of the log shown that pass the filter and are not in the print list.
void QsoSelection::fillQsoList() {
    std::set<const QsoRecord*> printed;
    for (int i = 0; i < printList_.count(); ++i) {
        printed.insert(&printList_.record(i));
    }
    QsoRecords records;
    for (const QsoRecord* record : QslRound::recordsOf(*shown_, owedOnly_)) {
        if (printed.count(record) == 0) {
            records.push_back(record);
        }
    }
    qsoList_.clear();
    qsoList_.addAll(records);
}

void QsoSelection::sortPrintListForBureau(std::shared_ptr<const BureauOrder> order) {
    printList_.orderForBureau(std::move(order));
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
