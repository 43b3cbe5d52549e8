#pragma once

#include <QString>
#include <memory>

#include "log/qso_record.h"
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

    // QSL_SENT absent, empty, N, R or Q: the QSL is still owed.
    static bool isOwed(const QsoRecord& record);
    // The QSOs of `log` in file order; with `owedOnly`, only those still owed.
    static QsoRecords recordsOf(const QsoLog& log, bool owedOnly);

    // How a list in `order` keeps its rows.
    static RowList::Order rowOrder(Order order);
    // Puts `records` into `rows` (made with rowOrder(order), empty) in `order`;
    // the bureau order uses `bureau`.
    static void arrange(RowList& rows, Order order, const QsoRecords& records,
                        std::shared_ptr<const BureauOrder> bureau);

    // The bureau order from the first country file found, the one beside the
    // settings file `settingsFile` first. When none can be read, `problem`
    // tells why and the order falls back to the callsigns.
    static std::shared_ptr<const BureauOrder> bureauOrder(const QString& settingsFile,
                                                          QString* problem);
};
