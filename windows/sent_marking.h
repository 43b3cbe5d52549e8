#pragma once

#include <QString>
#include <QStringList>

#include "log/qso_record.h"

class Workspace;

// After a print run that ended normally, offers to write a copy of the log in
// which the printed QSOs are marked as sent, for the logger to import.
class SentMarking {
  public:
    // `via`: the sending method marked, B (labels) or D (cards).
    // `runFiles`: the files the print run read or wrote besides the log, which
    // the copy may not replace.
    static void offer(Workspace& workspace, const QsoRecords& printed, const QString& via,
                      const QStringList& runFiles);

    // The name proposed for the copy: LOG-envoyees.adi beside the log.
    static QString proposedName(const QString& logFileName);
};
