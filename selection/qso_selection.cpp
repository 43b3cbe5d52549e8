#include "selection/qso_selection.h"

#include <QHashFunctions>
#include <algorithm>
#include <functional>
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
    shown_ = log;
    logs_.push_back(std::move(log));
    forgetUnusedLogs();
    fillQsoList();
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

// Two records are the same QSO when every value is the same, whichever
// reading of the log made them.
bool sameQso(const QsoRecord& a, const QsoRecord& b) {
    for (int field = 0; field < kQsoFieldCount; ++field) {
        if (a.value(static_cast<QsoField>(field)) != b.value(static_cast<QsoField>(field))) {
            return false;
        }
    }
    return true;
}

size_t hashOfQso(const QsoRecord& record) {
    size_t hash = 0;
    for (int field = 0; field < kQsoFieldCount; ++field) {
        const QByteArrayView value = record.value(static_cast<QsoField>(field));
        hash = qHashBits(value.data(), static_cast<size_t>(value.size()),
                         hash ^ static_cast<size_t>(value.size()));
    }
    return hash;
}

struct HashedQso {
    size_t hash;
    int index;  // in the list it comes from
    bool operator<(const HashedQso& other) const { return hash < other.hash; }
};

// Sorted by hash, so that two lists meet in one pass over each: a million
// QSOs against a million take a fraction of a second, without a hash table.
std::vector<HashedQso> sortedByHash(int count, const std::function<const QsoRecord&(int)>& at) {
    std::vector<HashedQso> hashed;
    hashed.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        hashed.push_back({hashOfQso(at(i)), i});
    }
    std::sort(hashed.begin(), hashed.end());
    return hashed;
}

size_t endOfRun(const std::vector<HashedQso>& hashed, size_t from) {
    size_t end = from;
    while (end < hashed.size() && hashed[end].hash == hashed[from].hash) {
        ++end;
    }
    return end;
}

}  // namespace

// Marks the QSOs of the log shown that the print list holds, each print list
// QSO once: a log that holds a QSO twice still offers the copy not picked.
std::vector<bool> QsoSelection::inPrintList() const {
    std::vector<bool> marked(static_cast<size_t>(shown_->count()), false);
    if (printList_.count() == 0) {
        return marked;
    }
    const std::vector<HashedQso> printed = sortedByHash(
        printList_.count(), [this](int i) -> const QsoRecord& { return printList_.record(i); });
    const std::vector<HashedQso> shown =
        sortedByHash(shown_->count(), [this](int i) -> const QsoRecord& { return shown_->at(i); });
    size_t p = 0;
    size_t s = 0;
    while (p < printed.size() && s < shown.size()) {
        if (printed[p].hash != shown[s].hash) {
            (printed[p].hash < shown[s].hash ? p : s) += 1;
            continue;
        }
        const size_t printedEnd = endOfRun(printed, p);
        const size_t shownEnd = endOfRun(shown, s);
        // A QSO the log holds many times makes a long run: start after the
        // copies already taken, so that the run costs its length, not its square.
        size_t firstFree = s;
        for (; p < printedEnd; ++p) {
            while (firstFree < shownEnd && marked[static_cast<size_t>(shown[firstFree].index)]) {
                ++firstFree;
            }
            for (size_t candidate = firstFree; candidate < shownEnd; ++candidate) {
                const auto at = static_cast<size_t>(shown[candidate].index);
                if (!marked[at] && sameQso(printList_.record(printed[p].index),
                                           shown_->at(shown[candidate].index))) {
                    marked[at] = true;
                    break;
                }
            }
        }
        s = shownEnd;
    }
    return marked;
}

// The QSOs of the log shown that pass the filter and are not in the print
// list already, whether they came from this reading of the log or an earlier one.
void QsoSelection::fillQsoList() {
    const std::vector<bool> printed = inPrintList();
    QsoRecords records;
    records.reserve(static_cast<size_t>(shown_->count()));
    for (int i = 0; i < shown_->count(); ++i) {
        const QsoRecord* record = &shown_->at(i);
        if ((!owedOnly_ || QslRound::isOwed(*record)) && !printed[static_cast<size_t>(i)]) {
            records.push_back(record);
        }
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
