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
    printer.setDocName(QFileInfo(proposal).completeBaseName());
    if (!printer.outputFileName().isEmpty()) {
        printer.setOutputFileName(proposal);
    }
    if (!dialogs.choosePrinter(printer)) {
        return false;
    }
    const QString target = printer.outputFileName();
    if (target.isEmpty() || !QFileInfo::exists(target)) {
        return true;
    }
    return dialogs.askYesNo(QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?")
                                .arg(QDir::toNativeSeparators(target)));
}
