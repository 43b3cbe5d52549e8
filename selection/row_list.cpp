#include "selection/row_list.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

unsigned char upper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 32) : byte;
}

// The first 24 bytes of a row (callsign and date columns), upper-cased, as
// numbers that order like them.
struct SortKey {
    std::array<quint64, 3> words;
    quint32 index;
};

SortKey sortKey(const QByteArray& row, quint32 index) {
    SortKey key{{0, 0, 0}, index};
    const qsizetype n = std::min<qsizetype>(24, row.size());
    for (qsizetype i = 0; i < 24; ++i) {
        quint64& word = key.words[static_cast<size_t>(i / 8)];
        word = (word << 8) | (i < n ? upper(row[i]) : 0u);
    }
    return key;
}

// Sorts by keys first, so that most comparisons touch no row text.
void sortRows(std::vector<QByteArray>& rows) {
    std::vector<SortKey> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        keys[i] = sortKey(rows[i], static_cast<quint32>(i));
    }
    std::sort(keys.begin(), keys.end(), [&rows](const SortKey& a, const SortKey& b) {
        if (a.words != b.words) {
            return a.words < b.words;
        }
        const int order = RowList::compareIgnoringCase(rows[a.index], rows[b.index]);
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<QByteArray> sorted;
    sorted.reserve(rows.size());
    for (const SortKey& key : keys) {
        sorted.push_back(std::move(rows[key.index]));
    }
    rows = std::move(sorted);
}

}  // namespace

RowList::RowList(Order order, QObject* parent) : QAbstractListModel(parent), order_(order) {}

QString RowList::row(int index) const {
    return QString::fromUtf8(rows_[static_cast<size_t>(index)]);
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

bool RowList::lessIgnoringCase(const QByteArray& a, const QByteArray& b) {
    return compareIgnoringCase(a, b) < 0;
}

void RowList::add(QByteArray row) {
    auto place = rows_.end();
    if (order_ == Order::Sorted) {
        place = std::upper_bound(rows_.begin(), rows_.end(), row, lessIgnoringCase);
    }
    const int at = static_cast<int>(place - rows_.begin());
    beginInsertRows(QModelIndex(), at, at);
    rows_.insert(place, std::move(row));
    endInsertRows();
}

void RowList::addAll(std::vector<QByteArray> rows) {
    if (rows.empty()) {
        return;
    }
    if (order_ == Order::Unsorted) {
        const int first = count();
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
        rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                     std::make_move_iterator(rows.end()));
        endInsertRows();
        return;
    }
    sortRows(rows);
    if (rows_.empty()) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        return;
    }
    std::vector<QByteArray> merged;
    merged.reserve(rows_.size() + rows.size());
    std::merge(std::make_move_iterator(rows_.begin()), std::make_move_iterator(rows_.end()),
               std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()),
               std::back_inserter(merged), lessIgnoringCase);
    beginResetModel();
    rows_ = std::move(merged);
    endResetModel();
}

void RowList::removeAt(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    beginRemoveRows(QModelIndex(), index, index);
    rows_.erase(rows_.begin() + index);
    endRemoveRows();
}

void RowList::clear() {
    if (rows_.empty()) {
        return;
    }
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

std::vector<QByteArray> RowList::takeAll() {
    beginResetModel();
    std::vector<QByteArray> taken = std::move(rows_);
    rows_.clear();
    endResetModel();
    return taken;
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
