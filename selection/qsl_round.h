#pragma once

#include <QString>
#include <memory>

#include "log/qso_record.h"
#include "selection/qsl_queue.h"
#include "selection/row_list.h"

class BureauOrder;
class QsoLog;

// The rules of a QSL round, each kept here once: which QSOs are still owed,
// the orders a print list can take, and where the bureau order's country
// file comes from. The command line and the windows both ask here.
class QslRound {
  public:
    // File: as the log lists them; Call: as "Tri par call"; Bureau: as "Tri bureau".
    enum class Order { File, Call, Bureau };

    // Which QSOs a round answers: a queue and a route (QslQueue); the default
    // lets every QSO through.
    struct Filter {
        QslQueue::Owed owed = QslQueue::Owed::All;
        QslQueue::Route route = QslQueue::Route::All;
        // Only QSOs neither LoTW nor eQSL confirmed ("Sans confirmation électronique").
        bool unconfirmed = false;
        bool letsAllThrough() const {
            return owed == QslQueue::Owed::All && route == QslQueue::Route::All && !unconfirmed;
        }
        bool operator==(const Filter& other) const {
            return owed == other.owed && route == other.route && unconfirmed == other.unconfirmed;
        }
    };

    static QslQueue::QslFields qslFieldsOf(const QsoRecord& record);
    // The QSO is in the filter's queue and takes its route.
    static bool passes(const Filter& filter, const QsoRecord& record);
    // LOTW_QSL_RCVD or EQSL_QSL_RCVD Y or V.
    static bool confirmedElectronically(const QsoRecord& record);
    // The QSO's paper card came (QslQueue::cardReceived).
    static bool cardReceived(const QsoRecord& record);
    // The QSOs of `log` in file order that pass `filter`.
    static QsoRecords recordsOf(const QsoLog& log, const Filter& filter);

    // How a list in `order` keeps its rows.
    static RowList::Order rowOrder(Order order);
    // Puts `records` into `rows` (made with rowOrder(order), empty) in `order`;
    // the bureau order uses `bureau`.
    static void arrange(RowList& rows, Order order, const QsoRecords& records,
                        std::shared_ptr<const BureauOrder> bureau);

    // The bureau order from the first country file found, the one beside the
    // settings file `settingsFile` first, with the entities without a bureau.
    // When no country file can be read, `problem` tells why and the order falls
    // back to the callsigns; it also says an unreadable list of entities without
    // a bureau, one message a line.
    static std::shared_ptr<const BureauOrder> bureauOrder(const QString& settingsFile,
                                                          QString* problem);
};
