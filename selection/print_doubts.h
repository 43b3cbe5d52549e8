#pragma once

#include <QString>
#include <QStringList>

#include "log/qso_record.h"

// The QSOs a print run should not take without the operator's word: those
// whose callsign, date or band the log lacked (the reader put FXXXX,
// 01/01/2000 or 1.8 Mhz in their place), and those whose station asks in
// QSL_VIA for no paper card (NO QSL, LOTW ONLY, EQSL ONLY).
namespace PrintDoubts {

// One line per such QSO: its list row and why, in the print list's order.
// Without `replaced`, only the stations' wishes (the reader names the values
// it replaced itself).
QStringList of(const QsoRecords& records, bool replaced = true);
bool isDoubtful(const QsoRecord& record);

// The one question the windows ask before printing: Yes prints them, No
// leaves them out.
QString question(const QStringList& doubts);

// `records` without the doubtful ones.
QsoRecords withoutDoubtful(const QsoRecords& records);

}  // namespace PrintDoubts
