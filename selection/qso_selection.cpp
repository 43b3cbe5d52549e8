#include "selection/qso_selection.h"

namespace {

std::vector<QByteArray> copyOf(const RowList& list) {
    std::vector<QByteArray> rows;
    rows.reserve(static_cast<size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        rows.push_back(list.rowBytes(i));
    }
    return rows;
}

}  // namespace

QsoSelection::QsoSelection(QObject* parent)
    : QObject(parent),
      qsoList_(RowList::Order::Unsorted),
      printList_(RowList::Order::Sorted),
      sortList_(RowList::Order::Sorted) {}

void QsoSelection::pick(int qsoIndex) {
    if (qsoIndex < 0 || qsoIndex >= qsoList_.count()) {
        return;
    }
    printList_.add(qsoList_.rowBytes(qsoIndex));
    qsoList_.removeAt(qsoIndex);
}

void QsoSelection::unpick(int printIndex) {
    if (printIndex < 0 || printIndex >= printList_.count()) {
        return;
    }
    qsoList_.add(printList_.rowBytes(printIndex));
    printList_.removeAt(printIndex);
}

void QsoSelection::pickAll() {
    printList_.addAll(qsoList_.takeAll());
}

void QsoSelection::sortQsoListByCall() {
    sortList_.clear();
    sortList_.addAll(copyOf(qsoList_));
    qsoList_.clear();
    qsoList_.addAll(copyOf(sortList_));
}
