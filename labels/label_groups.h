#pragma once

#include <vector>

#include "log/qso_record.h"

// The QSOs of each label of a print run. Grouped, the QSOs with one station
// (the same callsign and the same QSL manager) share labels in print-list
// order, the station taking the place of its first QSO; a station with more
// QSOs than one label holds goes on to the next labels.
class LabelGroups {
  public:
    // One QSO per label when `perLabel` is below 2.
    static std::vector<QsoRecords> labels(const QsoRecords& printList, int perLabel);
};
