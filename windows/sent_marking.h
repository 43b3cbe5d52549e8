#pragma once

#include <QString>

#include "log/qso_record.h"

class Dialogs;
struct LogFingerprint;
class PrintJob;
class Workspace;

// After a print run that ended normally, offers to write a copy of the log in
// which the printed QSOs are marked as sent, for the logger to import, and
// says where it went. A copy written over the log keeps the log beside it.
class SentMarking {
  public:
    // The job's QSOs of the log last read (or read again since they were
    // picked) are marked with the sending method
    // of the route the selection window shows, else the job's own.
    // `output`: the file the run wrote (its PDF), or empty; the copy may
    // replace neither it nor any other file the run read.
    static void offer(Workspace& workspace, PrintJob& job, const QString& output);

    // The name proposed for the copy: LOG-envoyees.adi beside the log.
    static QString proposedName(const QString& logFileName);
    // Where the log is kept when the marked copy replaces it: LOG.adi.bak.
    static QString backupName(const QString& logFileName);

    // What the marking of cards received shares: the copy onto the log, the
    // question before a file is replaced, the backup of a log replaced.
    static bool isTheLog(const QString& log, const QString& copy);
    static bool mayWrite(Dialogs& dialogs, const QString& log, const QString& copy);
    static bool keepBackup(const QString& log, const LogFingerprint& fingerprint, QString* error);

  private:
    static void markInCopy(Workspace& workspace, PrintJob& job, const QString& output,
                           const QsoRecords& marked);
};
