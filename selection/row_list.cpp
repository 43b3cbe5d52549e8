#include "selection/row_list.h"

#include <algorithm>
#include <iterator>

namespace {

unsigned char upper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 32) : byte;
}

}  // namespace

RowList::RowList(Order order, QObject* parent) : QAbstractListModel(parent), order_(order) {}

QString RowList::row(int index) const {
    return QString::fromUtf8(rows_[static_cast<size_t>(index)]);
}

bool RowList::lessIgnoringCase(const QByteArray& a, const QByteArray& b) {
    const qsizetype common = std::min(a.size(), b.size());
    const char* pa = a.constData();
    const char* pb = b.constData();
    for (qsizetype i = 0; i < common; ++i) {
        if (pa[i] != pb[i]) {
            const unsigned char ua = upper(pa[i]);
            const unsigned char ub = upper(pb[i]);
            if (ua != ub) {
                return ua < ub;
            }
        }
    }
    return a.size() < b.size();
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
    std::stable_sort(rows.begin(), rows.end(), lessIgnoringCase);
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
