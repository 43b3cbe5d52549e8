#pragma once

#include <optional>

#include "log/qso_record.h"

class Workspace;

// A run of labels or cards for the bureau (route "Bureau", or the print list
// in bureau order): the QSOs whose card the bureau cannot deliver are named in
// one question before printing, and the count per bureau said after.
class BureauCheck {
  public:
    explicit BureauCheck(Workspace& workspace) : workspace_(workspace) {}

    bool isBureauRun() const;
    // The QSOs to print of `records` (the print list's, as the operator keeps
    // them): without those the bureau cannot deliver when the operator leaves
    // them out; none when the operator stops.
    std::optional<QsoRecords> recordsToPrint(QsoRecords records);
    // After a bureau run that ended normally: how many QSOs go to each bureau.
    void sayCount(const QsoRecords& printed);

  private:
    Workspace& workspace_;
};
