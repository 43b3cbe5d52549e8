#include "selection/row_list.h"

#include <algorithm>
#include <iterator>

#include "log/qso_record.h"
#include "log/qso_row.h"
#include "selection/bureau_order.h"
#include "selection/row_bytes.h"

namespace {

unsigned char upper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 32) : byte;
}

}  // namespace

RowList::RowList(Order order, QObject* parent) : QAbstractListModel(parent), order_(order) {}

namespace {

quint64 packed(const QByteArray& text, qsizetype from, char filler) {
    quint64 word = 0;
    for (qsizetype i = from; i < from + 8; ++i) {
        const char c = i < text.size() ? text[i] : filler;
        word = (word << 8) | static_cast<unsigned char>(c);
    }
    return word;
}

}  // namespace

RowList::Entry RowList::entryOf(const QsoRecord& record) const {
    return bureau_ != nullptr ? bureauEntryOf(record) : rowEntryOf(record);
}

RowList::Entry RowList::bureauEntryOf(const QsoRecord& record) const {
    Entry entry{{0, 0, 0}, &record};
    const BureauOrder::Key key = bureau_->keyOf(record);
    // QSOs without an entity go last.
    entry.key[0] = key.prefix.isEmpty() ? ~quint64(0) : packed(key.prefix, 0, '\0');
    entry.key[1] = packed(key.route, 0, '\0');
    entry.key[2] = packed(key.route, 8, '\0');
    return entry;
}

RowList::Entry RowList::rowEntryOf(const QsoRecord& record) {
    Entry entry{{0, 0, 0}, &record};
    unsigned char start[24] = {};
    size_t filled = 0;
    for (int field = 0; field < kListedFieldCount && filled < sizeof start; ++field) {
        const QByteArrayView value = record.value(static_cast<QsoField>(field));
        for (qsizetype i = 0; i < value.size() && filled < sizeof start; ++i) {
            start[filled++] = upper(value[i]);
        }
        int blanks = QsoRow::slotWidth(static_cast<QsoField>(field)) - utf8Length(value);
        for (; blanks > 0 && filled < sizeof start; --blanks) {
            start[filled++] = ' ';
        }
    }
    for (size_t i = 0; i < sizeof start; ++i) {
        quint64& word = entry.key[i / 8];
        word = (word << 8) | start[i];
    }
    return entry;
}

// Two bureau keys that fill their words may differ past them: a prefix of 8
// characters or more, a route of 16 or more.
int RowList::compareBureauKeys(const Entry& a, const Entry& b) const {
    if (a.key != b.key) {
        return a.key < b.key ? -1 : 1;
    }
    const bool longPrefix = a.key[0] != ~quint64(0) && (a.key[0] & 0xff) != 0;
    const bool longRoute = (a.key[2] & 0xff) != 0;
    if (!longPrefix && !longRoute) {
        return 0;
    }
    return BureauOrder::compare(bureau_->keyOf(*a.record), bureau_->keyOf(*b.record));
}

bool RowList::less(const Entry& a, const Entry& b) const {
    if (bureau_ != nullptr) {
        const int order = compareBureauKeys(a, b);
        if (order != 0) {
            return order < 0;
        }
    } else if (a.key != b.key) {
        return a.key < b.key;
    }
    return compareRowsIgnoringCase(*a.record, *b.record) < 0;
}

bool RowList::rowLess(const Entry& a, const Entry& b) {
    if (a.key != b.key) {
        return a.key < b.key;
    }
    return compareRowsIgnoringCase(*a.record, *b.record) < 0;
}

// In bureau order the QSOs of one station are many: sorting by row first and
// then, stably, by the bureau keys alone compares few rows.
void RowList::sortEntries(std::vector<Entry>& entries) const {
    if (bureau_ == nullptr) {
        std::stable_sort(entries.begin(), entries.end(), rowLess);
        return;
    }
    for (Entry& entry : entries) {
        entry = rowEntryOf(*entry.record);
    }
    std::stable_sort(entries.begin(), entries.end(), rowLess);
    sortRowOrderedForBureau(entries);
}

// `entries` in row order: the bureau order keeps it among the QSOs of one
// recipient, so a stable sort by the bureau keys alone is enough.
void RowList::sortRowOrderedForBureau(std::vector<Entry>& entries) const {
    // In row order the QSOs of one station follow each other: one look-up each.
    QByteArrayView via;
    QByteArrayView call;
    std::array<quint64, 3> key{};
    for (size_t i = 0; i < entries.size(); ++i) {
        const QsoRecord& record = *entries[i].record;
        if (i == 0 || record.value(QsoField::QslVia) != via ||
            record.value(QsoField::Callsign) != call) {
            via = record.value(QsoField::QslVia);
            call = record.value(QsoField::Callsign);
            key = bureauEntryOf(record).key;
        }
        entries[i].key = key;
    }
    std::stable_sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
        return compareBureauKeys(a, b) < 0;
    });
}

void RowList::orderForBureau(std::shared_ptr<const BureauOrder> order) {
    const bool inRowOrder = bureau_ == nullptr;
    bureau_ = std::move(order);
    if (order_ != Order::Sorted) {
        return;
    }
    std::vector<Entry> entries = entries_;
    if (bureau_ == nullptr) {
        for (Entry& entry : entries) {
            entry = rowEntryOf(*entry.record);
        }
        std::stable_sort(entries.begin(), entries.end(), rowLess);
    } else if (inRowOrder) {
        sortRowOrderedForBureau(entries);
    } else {
        sortEntries(entries);
    }
    replaceAll(std::move(entries));
}

QString RowList::row(int index) const {
    return QString::fromUtf8(QsoRow::compose(record(index)));
}

QsoRecords RowList::records() const {
    QsoRecords records;
    records.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        records.push_back(entry.record);
    }
    return records;
}

int RowList::compareIgnoringCase(const QByteArray& a, const QByteArray& b) {
    const qsizetype common = std::min(a.size(), b.size());
    const char* pa = a.constData();
    const char* pb = b.constData();
    for (qsizetype i = 0; i < common; ++i) {
        if (pa[i] != pb[i]) {
            const unsigned char ua = upper(pa[i]);
            const unsigned char ub = upper(pb[i]);
            if (ua != ub) {
                return ua < ub ? -1 : 1;
            }
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void RowList::add(const QsoRecord& record) {
    const Entry entry = entryOf(record);
    auto place = entries_.end();
    if (order_ == Order::Sorted) {
        place = std::upper_bound(entries_.begin(), entries_.end(), entry,
                                 [this](const Entry& a, const Entry& b) { return less(a, b); });
    }
    const int at = static_cast<int>(place - entries_.begin());
    beginInsertRows(QModelIndex(), at, at);
    entries_.insert(place, entry);
    endInsertRows();
}

// Many rows change at once: one reset tells the views (and screen readers)
// once, instead of once per row.
void RowList::replaceAll(std::vector<Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

void RowList::addAll(const QsoRecords& records) {
    std::vector<Entry> added;
    added.reserve(records.size());
    for (const QsoRecord* record : records) {
        added.push_back(entryOf(*record));
    }
    addEntries(std::move(added));
}

void RowList::addAll(const RowList& other) {
    if (bureau_ == other.bureau_) {
        addEntries(other.entries_);
        return;
    }
    addAll(other.records());
}

void RowList::addEntries(std::vector<Entry> added) {
    if (added.empty()) {
        return;
    }
    if (order_ == Order::Unsorted) {
        if (entries_.empty()) {
            replaceAll(std::move(added));
            return;
        }
        const int first = count();
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(added.size()) - 1);
        entries_.insert(entries_.end(), added.begin(), added.end());
        endInsertRows();
        return;
    }
    sortEntries(added);
    if (entries_.empty()) {
        replaceAll(std::move(added));
        return;
    }
    std::vector<Entry> merged;
    merged.reserve(entries_.size() + added.size());
    std::merge(entries_.begin(), entries_.end(), added.begin(), added.end(),
               std::back_inserter(merged),
               [this](const Entry& a, const Entry& b) { return less(a, b); });
    replaceAll(std::move(merged));
}

void RowList::removeAt(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    beginRemoveRows(QModelIndex(), index, index);
    entries_.erase(entries_.begin() + index);
    endRemoveRows();
}

void RowList::clear() {
    if (entries_.empty()) {
        return;
    }
    std::vector<Entry> none;
    replaceAll(std::move(none));
}

int RowList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant RowList::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count()) {
        return {};
    }
    return row(index.row());
}
