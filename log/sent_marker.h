#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "log/log_fingerprint.h"
#include "log/marked_record.h"
#include "log/qso_record.h"

// Writes a copy of a log in which the printed QSOs are marked as sent: each
// of their records carries QSL_SENT Y, QSL_SDATE and QSL_SENT_VIA once
// (MarkedRecord); every other byte of the log is copied as it is. The copy is
// made from the log's bytes only when they are still those read (the log's
// fingerprint), through a temporary file renamed over the target.
// Names may carry bytes that are not UTF-8 (NativeFileName).
class SentMarker {
  public:
    enum class Result { Written, LogUnreadable, LogChanged, NotWritten };

    // B (bureau), D (direct), E (electronic) or M (manager).
    static bool isSendingMethod(const QString& via);

    // Why the copy must not be written at `copyPath`: it is one of the files
    // the run reads or writes (`runFiles`: the same file, or the same path once
    // links are followed), or it exists and is not a regular file. Empty when
    // it may be written.
    static QString targetProblem(const QString& copyPath, const QStringList& runFiles);

    // Anything but Written comes with a French message; the target is then
    // left as it was. A new copy takes the log's permissions, a replaced file
    // keeps its own (and its owner where the program may set it).
    // `fields`: the marking, as sent unless told (MarkedFields::received()).
    static Result writeCopy(const QString& logPath, const LogFingerprint& fingerprint,
                            const QString& copyPath, const QsoRecords& printed, const QString& via,
                            const QDate& date, QString* error,
                            const MarkedFields& fields = MarkedFields::sent());
};
