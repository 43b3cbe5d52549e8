#include "selection/qso_selection.h"

#include <algorithm>
#include <set>

#include "log/qso_log.h"
#include "selection/bureau_order.h"
#include "selection/qsl_round.h"
#include "selection/same_qsos.h"

namespace {

// A list in callsign order reaches its records all over memory: each record is
// asked for some rows before it is read, by its last bytes, where the log's
// serial and the file offset lie.
void prefetchRecordAhead(const RowList& list, int index) {
    constexpr int kRowsAhead = 16;
    if (index + kRowsAhead < list.count()) {
        const QsoRecord* ahead = &list.record(index + kRowsAhead);
        __builtin_prefetch(reinterpret_cast<const char*>(ahead + 1) - 1);
    }
}

}  // namespace

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

void QsoSelection::setFilter(const QslRound::Filter& filter) {
    if (filter == filter_) {
        return;
    }
    filter_ = filter;
    if (shown_ != nullptr) {
        fillQsoList();
    }
}

// The print list's QSOs read from the very bytes of the log shown (the same file
// read again, unchanged): the QSO at the same place of the file is the same
// QSO. They are marked; the others are returned.
QsoRecords QsoSelection::markReadingsOfTheSameBytes(std::vector<bool>& marked) const {
    const LogFingerprint& shown = shown_->fingerprint();
    std::set<quint32> sameBytes;
    for (const std::shared_ptr<const QsoLog>& log : logs_) {
        const LogFingerprint& other = log->fingerprint();
        if (shown.taken && other.taken && other.size == shown.size && other.hash == shown.hash) {
            sameBytes.insert(log->serial());
        }
    }
    // A QSO is known by where its record lies and how long it is: a record at
    // the same place but of another length is another reading, matched by its values.
    struct Place {
        qint64 offset;
        qint64 length;
        const QsoRecord* record;
        bool operator<(const Place& other) const {
            return offset != other.offset ? offset < other.offset : length < other.length;
        }
        bool samePlace(const QsoRecord& other) const {
            return offset == other.fileOffset() && length == other.fileLength();
        }
    };
    std::vector<Place> places;
    QsoRecords others;
    others.reserve(static_cast<size_t>(printList_.count()));
    for (int i = 0; i < printList_.count(); ++i) {
        prefetchRecordAhead(printList_, i);
        const QsoRecord& record = printList_.record(i);
        if (sameBytes.count(record.logSerial()) > 0) {
            places.push_back({record.fileOffset(), record.fileLength(), &record});
        } else {
            others.push_back(&record);
        }
    }
    // The log's QSOs are in file order: one pass over both.
    std::sort(places.begin(), places.end());
    size_t next = 0;
    for (int i = 0; i < shown_->count() && next < places.size(); ++i) {
        const QsoRecord& record = shown_->at(i);
        const Place here{record.fileOffset(), record.fileLength(), &record};
        while (next < places.size() && places[next] < here) {
            others.push_back(places[next++].record);
        }
        if (next < places.size() && places[next].samePlace(record)) {
            marked[static_cast<size_t>(i)] = true;
            ++next;
        }
    }
    for (; next < places.size(); ++next) {
        others.push_back(places[next].record);
    }
    return others;
}

// Marks the QSOs of the log shown that the print list holds, each print list
// QSO once: a log that holds a QSO twice still offers the copy not picked.
std::vector<bool> QsoSelection::inPrintList() const {
    std::vector<bool> marked(static_cast<size_t>(shown_->count()), false);
    if (printList_.count() == 0) {
        return marked;
    }
    SameQsos::mark(markReadingsOfTheSameBytes(marked), *shown_, marked);
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
        if (QslRound::passes(filter_, *record) && !printed[static_cast<size_t>(i)]) {
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
        quint32 last = logs_.back()->serial();
        for (int i = 0; i < list->count(); ++i) {
            prefetchRecordAhead(*list, i);
            const quint32 serial = list->record(i).logSerial();
            if (serial != last) {
                used.insert(serial);
                last = serial;
            }
        }
    }
    logs_.erase(std::remove_if(logs_.begin(), logs_.end(),
                               [&used](const std::shared_ptr<const QsoLog>& log) {
                                   return used.count(log->serial()) == 0;
                               }),
                logs_.end());
}
