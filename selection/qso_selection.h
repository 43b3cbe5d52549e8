#pragma once

#include <QObject>

#include "selection/row_list.h"

// The lists of the selection window and how rows move between them:
// the QSO list in file order, the sorted print list, and the hidden
// sorted work list of the sort by callsign.
class QsoSelection : public QObject {
    Q_OBJECT

  public:
    explicit QsoSelection(QObject* parent = nullptr);

    RowList& qsoList() { return qsoList_; }
    RowList& printList() { return printList_; }
    RowList& sortList() { return sortList_; }
    const RowList& printList() const { return printList_; }

    // A row of the QSO list goes to its sorted place in the print list.
    void pick(int qsoIndex);
    // A row of the print list goes back to the end of the QSO list.
    void unpick(int printIndex);
    void pickAll();
    void sortQsoListByCall();

  private:
    RowList qsoList_;
    RowList printList_;
    RowList sortList_;
};
