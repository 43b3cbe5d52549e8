#pragma once

#include <vector>

#include "log/qso_record.h"

// The QSOs of each card of a run. Grouped, the QSOs with one station (the
// same callsign and the same QSL manager) fill a card's table rows in date
// and time order, the station taking the place of its first QSO in the print
// list; a station with more QSOs than rows goes on to the next cards.
class CardGroups {
  public:
    // One QSO per card when `rows` is below 1.
    static std::vector<QsoRecords> cards(const QsoRecords& printList, int rows);
    // Whether `a` was made before `b` (date, then time).
    static bool earlier(const QsoRecord* a, const QsoRecord* b);
};
