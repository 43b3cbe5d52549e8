#pragma once

#include <QString>
#include <QStringList>

#include "log/qso_record.h"

class BureauOrder;

// A run of cards or labels for the bureau: the QSOs whose card the bureau
// cannot deliver (their entity has no incoming bureau, or the station asks
// for direct cards) named before printing, and the count per bureau after.
class BureauRun {
  public:
    struct Split {
        QsoRecords deliverable;
        QsoRecords refused;
    };
    // `records` in their order, those the bureau cannot deliver apart.
    static Split split(const QsoRecords& records, const BureauOrder& order);

    // One line per QSO: call, date, band and why ("9N1AA 20240312 20M : 9N, pas de
    // bureau QSL"); at most `shown` lines, then how many more.
    static QStringList describe(const QsoRecords& refused, const BureauOrder& order,
                                int shown = 1000000);

    // "QSO par bureau : DL 12, F 3, sans entité 1", in bureau order.
    static QString countByBureau(const QsoRecords& printed, const BureauOrder& order);
};
