#include "windows/sent_marking.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "labels/sheet_table.h"
#include "log/qso_log.h"
#include "platform/dialogs.h"
#include "settings/settings_store.h"
#include "printing/print_job.h"
#include "windows/workspace.h"

QString SentMarking::proposedName(const QString& logFileName) {
    const QFileInfo log(logFileName);
    return log.dir().filePath(log.completeBaseName() + QStringLiteral("-envoyees.adi"));
}

namespace {

// The route chosen in the selection window, named in the question.
QString sentBy(QslQueue::Route route) {
    switch (route) {
        case QslQueue::Route::Bureau:
            return QStringLiteral(" par le bureau");
        case QslQueue::Route::Direct:
            return QStringLiteral(" en direct");
        case QslQueue::Route::All:
            break;
    }
    return {};
}

}  // namespace

void SentMarking::offer(Workspace& workspace, PrintJob& job, const QString& output) {
    const QString log = workspace.logFileName();
    const QsoLog* shown = workspace.selection().shownLog();
    // Only QSOs of the log last read can be marked in its copy.
    QsoRecords marked;
    for (const QsoRecord* record : job.records()) {
        if (workspace.selection().isOfShownLog(*record)) {
            marked.push_back(record);
        }
    }
    if (log.isEmpty() || marked.empty() || shown == nullptr) {
        return;
    }
    const QslQueue::Route route = workspace.selection().filter().route;
    job.setSendingMethod(QslQueue::sendingMethod(route, job.sendingMethod()));
    Dialogs& dialogs = workspace.dialogs();
    if (!dialogs.askYesNo(QStringLiteral("Marquer les %1 QSO imprimés comme envoyés%2 ?")
                              .arg(marked.size())
                              .arg(sentBy(route)))) {
        return;
    }
    const QString copy = dialogs.saveFileName(QStringLiteral(".adi  (*.adi)"), proposedName(log));
    if (copy.isEmpty()) {
        return;
    }
    const bool ontoLog = QFileInfo(copy).canonicalFilePath() == QFileInfo(log).canonicalFilePath();
    if (ontoLog && !dialogs.askYesNo(QStringLiteral("Le fichier %1 est le journal lui-même. "
                                                    "Le remplacer par la copie marquée ?")
                                         .arg(QFileInfo(copy).fileName()))) {
        return;
    }
    // The log itself may be replaced once confirmed; no other file of the run.
    QStringList runFiles = job.inputs();
    runFiles.removeAll(log);
    const QString settings = workspace.store().fileName();
    runFiles << output << SheetTable::ownSheetsPath(settings) << settings;
    if (const QString problem = SentMarker::targetProblem(copy, runFiles); !problem.isEmpty()) {
        dialogs.message(problem);
        return;
    }
    QString error;
    if (job.writeMarkedCopy(log, shown->fingerprint(), copy, marked, &error) !=
        SentMarker::Result::Written) {
        dialogs.message(error);
    }
}
