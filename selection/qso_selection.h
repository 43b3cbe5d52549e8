#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "log/qso_log.h"
#include "selection/qsl_round.h"
#include "selection/row_list.h"

class BureauOrder;
class QsoLog;

// The QSO lists of a running program and how QSOs move between them: the QSO
// list of the loaded log in file order, the sorted print list, and the hidden
// sorted work list of the sort by callsign. The logs whose QSOs the lists show
// are kept here for as long as any list shows one of them.
class QsoSelection : public QObject {
    Q_OBJECT

  public:
    explicit QsoSelection(QObject* parent = nullptr);
    ~QsoSelection() override;

    RowList& qsoList() { return qsoList_; }
    RowList& printList() { return printList_; }
    RowList& sortList() { return sortList_; }
    const RowList& qsoList() const { return qsoList_; }
    const RowList& printList() const { return printList_; }

    // Fills the QSO list with the QSOs of a newly read log, in file order;
    // the print list keeps what was picked before, and those QSOs stay out of
    // the QSO list: a QSO is never twice in the print list.
    void showLog(std::shared_ptr<const QsoLog> log);
    void clearQsoList();
    // Every list emptied and every log let go (the selection window was closed).
    void discardAll();

    // A QSO of the QSO list goes to its sorted place in the print list.
    void pick(int qsoIndex);
    // A QSO of the print list goes back to the end of the QSO list.
    void unpick(int printIndex);
    void pickAll();
    void sortQsoListByCall();
    // The print list in bureau order from now on: new picks take their bureau place.
    void sortPrintListForBureau(std::shared_ptr<const BureauOrder> order);
    // The print list back in the order of its rows (by callsign).
    void sortPrintListByCall();
    bool printListInBureauOrder() const { return printList_.inBureauOrder(); }

    // Only the QSOs of a queue and a route in the QSO list (QslRound::passes).
    // Changing it fills the QSO list anew from the log shown.
    void setFilter(const QslRound::Filter& filter);
    const QslRound::Filter& filter() const { return filter_; }
    // True for a QSO of the log the QSO list shows (read last).
    bool isOfShownLog(const QsoRecord& record) const {
        return shown_ != nullptr && record.logSerial() == shown_->serial();
    }
    // The log the QSO list shows, or null.
    const QsoLog* shownLog() const { return shown_.get(); }

  private:
    void forgetUnusedLogs();
    void fillQsoList();
    std::vector<bool> inPrintList() const;
    QsoRecords markReadingsOfTheSameBytes(std::vector<bool>& marked) const;

    RowList qsoList_;
    RowList printList_;
    RowList sortList_;
    std::vector<std::shared_ptr<const QsoLog>> logs_;
    std::shared_ptr<const QsoLog> shown_;
    QslRound::Filter filter_;
};
