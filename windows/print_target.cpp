#include "windows/print_target.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "platform/dialogs.h"

QString PrintTarget::proposedFile(const QString& logFile, const QString& kind) {
    const QFileInfo log(logFile.isEmpty() ? QStringLiteral("QSL") : logFile);
    const QString name = QStringLiteral("%1-%2.pdf").arg(log.completeBaseName(), kind);
    return logFile.isEmpty() ? name : log.absoluteDir().filePath(name);
}

bool PrintTarget::choose(Dialogs& dialogs, QPrinter& printer, const QString& logFile,
                         const QString& kind) {
    const QString proposal = proposedFile(logFile, kind);
    // The first print of the session (no document named yet) and every print
    // after a PDF propose the PDF beside the log.
    const bool firstPrint = printer.docName().isEmpty();
    printer.setDocName(QFileInfo(proposal).completeBaseName());
    if (firstPrint || !printer.outputFileName().isEmpty()) {
        printer.setOutputFileName(proposal);
    }
    // The printer dialog itself asks before an existing file is replaced.
    return dialogs.choosePrinter(printer);
}
