#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "log/qso_record.h"

class BureauOrder;

// A list of QSOs shown through Qt's model/view as QSO list rows, composed
// when shown. A sorted list keeps its QSOs in ascending order of their whole
// row text, letter case ignored; each entry carries the start of its row so
// that most comparisons touch no record.
class RowList : public QAbstractListModel {
    Q_OBJECT

  public:
    enum class Order { Unsorted, Sorted };

    explicit RowList(Order order, QObject* parent = nullptr);

    int count() const { return static_cast<int>(entries_.size()); }
    const QsoRecord& record(int index) const {
        return *entries_[static_cast<size_t>(index)].record;
    }
    QString row(int index) const;
    QsoRecords records() const;

    // At the end of an unsorted list; at its sorted place in a sorted one.
    void add(const QsoRecord& record);
    // Many at once: appended in order, or sorted and merged.
    void addAll(const QsoRecords& records);
    // Every QSO of another list, in that list's order (then sorted and merged here).
    void addAll(const RowList& other);
    void removeAt(int index);
    void clear();
    // A sorted list in bureau order from now on (null: back to row text order).
    void orderForBureau(std::shared_ptr<const BureauOrder> order);
    bool inBureauOrder() const { return bureau_ != nullptr; }

    static int compareIgnoringCase(const QByteArray& a, const QByteArray& b);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    struct Entry {
        std::array<quint64, 3> key;  // the row's first 24 bytes, upper-cased
        const QsoRecord* record;
    };

    Entry entryOf(const QsoRecord& record) const;
    Entry bureauEntryOf(const QsoRecord& record) const;
    static Entry rowEntryOf(const QsoRecord& record);
    int compareBureauKeys(const Entry& a, const Entry& b) const;
    bool less(const Entry& a, const Entry& b) const;
    static bool rowLess(const Entry& a, const Entry& b);
    void sortEntries(std::vector<Entry>& entries) const;
    void sortRowOrderedForBureau(std::vector<Entry>& entries) const;
    void replaceAll(std::vector<Entry> entries);
    void addEntries(std::vector<Entry> added);

    Order order_;
    std::shared_ptr<const BureauOrder> bureau_;
    std::vector<Entry> entries_;
};
