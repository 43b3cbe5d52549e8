#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QString>
#include <vector>

// A list of QSO list rows, kept compact (one UTF-8 byte array per row) and
// shown through Qt's model/view. A sorted list keeps its rows in ascending
// order of the whole row text, letter case ignored.
class RowList : public QAbstractListModel {
    Q_OBJECT

  public:
    enum class Order { Unsorted, Sorted };

    explicit RowList(Order order, QObject* parent = nullptr);

    int count() const { return static_cast<int>(rows_.size()); }
    QString row(int index) const;
    const QByteArray& rowBytes(int index) const { return rows_[static_cast<size_t>(index)]; }

    // At the end of an unsorted list; at its sorted place in a sorted one.
    void add(QByteArray row);
    // Many rows at once: appended in order, or sorted and merged.
    void addAll(std::vector<QByteArray> rows);
    void removeAt(int index);
    void clear();
    std::vector<QByteArray> takeAll();

    static int compareIgnoringCase(const QByteArray& a, const QByteArray& b);
    static bool lessIgnoringCase(const QByteArray& a, const QByteArray& b);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    Order order_;
    std::vector<QByteArray> rows_;
};
