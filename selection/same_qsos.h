#pragma once

#include <vector>

#include "log/qso_record.h"

class QsoLog;

// Finds the QSOs of a log among QSOs read before, by their values: two records
// are the same QSO when every value is the same, whichever reading of a log
// made them.
namespace SameQsos {

// Marks the QSOs of `log` that `held` holds, each held QSO once and on a QSO
// not marked yet: a log that holds a QSO twice, of which one copy is held,
// still offers the other. The earliest copies in file order are taken first.
void mark(const QsoRecords& held, const QsoLog& log, std::vector<bool>& marked);

}  // namespace SameQsos
