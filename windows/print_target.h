#pragma once

#include <QString>

class Dialogs;
class QPrinter;

// The printer dialog of a print run on a log. A PDF output is proposed next
// to the log, named after it (`LOG-etiquettes.pdf`), never the file of the
// previous run (the first print of a session proposes it too); the printer
// dialog asks, once, before an existing file is replaced.
class PrintTarget {
  public:
    // The PDF proposed for a run on `logFile`; `kind` is "etiquettes" or "cartes".
    static QString proposedFile(const QString& logFile, const QString& kind);

    // Shows the printer dialog. False when the operator cancels it (or would
    // not replace the chosen file): nothing is to print, nothing more is asked.
    static bool choose(Dialogs& dialogs, QPrinter& printer, const QString& logFile,
                       const QString& kind);
};
