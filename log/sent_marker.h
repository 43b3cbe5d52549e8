#pragma once

#include <QDate>
#include <QString>

#include "log/qso_record.h"

// Writes a copy of a log in which the printed QSOs are marked as sent: each
// of their records carries QSL_SENT Y, QSL_SDATE and QSL_SENT_VIA (replacing
// those fields where it had them); every other byte of the log is copied as
// it is. The copy goes through a temporary file renamed over the target.
class SentMarker {
  public:
    // B (bureau), D (direct), E (electronic) or M (manager).
    static bool isSendingMethod(const QString& via);

    // False with a French message when the copy cannot be written; the target
    // is then left as it was.
    static bool writeCopy(const QString& logPath, const QString& copyPath,
                          const QsoRecords& printed, const QString& via, const QDate& date,
                          QString* error);

    // One record's text with the three fields set.
    static QByteArray markedRecord(const QByteArray& record, const QByteArray& via,
                                   const QByteArray& date);
};
