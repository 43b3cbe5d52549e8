#pragma once

#include <QByteArrayView>
#include <QString>

#include "log/qso_record.h"

// Files that confirmation services hand out rather than logs: what their QSL
// fields mean is not what a logger's do. A LoTW status report (PROGRAMID LoTW)
// holds its electronic confirmations in QSL_RCVD; an eQSL inbox (PROGRAMID
// "eQSL.cc DownloadInBox") writes the cards received as the sender's QSL_SENT
// Y via E. Both are read as received electronically: QSL_RCVD Y via E.
namespace ConfirmationDownload {

enum class Kind { Log, LotwReport, EqslInbox };

// The kind a file's header (the text before its <EOH>) says it is.
Kind kindOf(QByteArrayView header);

// The kind a file says it is; a log when it cannot be read (the reader says why).
Kind kindOfFile(const QString& path);

// Why marking the cards received in such a file is refused: it is no log of
// the operator's, and its QSL fields are the service's.
QString notTheLogMessage(Kind kind, const QString& fileName);

// Said once when such a file is read; empty for a log.
QString messageFor(Kind kind);

// The QSO's QSL fields read as the kind of file means them.
void readAsMeant(Kind kind, QsoValues& values);

}  // namespace ConfirmationDownload
