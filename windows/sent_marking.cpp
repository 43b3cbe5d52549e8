#include "windows/sent_marking.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "labels/sheet_table.h"
#include "log/qso_log.h"
#include "platform/dialogs.h"
#include "printing/print_job.h"
#include "settings/settings_store.h"
#include "windows/workspace.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SentMarking)
};

}  // namespace

QString SentMarking::proposedName(const QString& logFileName) {
    const QFileInfo log(logFileName);
    return log.dir().filePath(log.completeBaseName() + QStringLiteral("-envoyees.adi"));
}

namespace {

// The question, naming the route chosen in the selection window.
QString markQuestion(QslQueue::Route route, int count) {
    switch (route) {
        case QslQueue::Route::Bureau:
            return Text::tr("Marquer les %n QSO imprimés comme envoyés par le bureau ?", nullptr,
                            count);
        case QslQueue::Route::Direct:
            return Text::tr("Marquer les %n QSO imprimés comme envoyés en direct ?", nullptr,
                            count);
        case QslQueue::Route::All:
            break;
    }
    return Text::tr("Marquer les %n QSO imprimés comme envoyés ?", nullptr, count);
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
    if (!dialogs.askYesNo(markQuestion(route, static_cast<int>(marked.size())))) {
        return;
    }
    const QString copy = dialogs.saveFileName(QStringLiteral(".adi  (*.adi)"), proposedName(log));
    if (copy.isEmpty()) {
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
    if (!mayWrite(dialogs, log, copy)) {
        return;
    }
    const bool ontoLog = isTheLog(log, copy);
    QString error;
    if (ontoLog && !keepBackup(log, &error)) {
        dialogs.message(error);
        return;
    }
    if (job.writeMarkedCopy(log, shown->fingerprint(), copy, marked, &error) !=
        SentMarker::Result::Written) {
        dialogs.message(error);
        return;
    }
    QString written =
        QStringLiteral("La copie marquée est écrite dans %1.").arg(QDir::toNativeSeparators(copy));
    if (ontoLog) {
        written += Text::tr("\nLe journal d'avant est gardé dans %1.")
                       .arg(QDir::toNativeSeparators(backupName(log)));
    }
    dialogs.message(written);
}

QString SentMarking::backupName(const QString& logFileName) {
    return logFileName + QStringLiteral(".bak");
}

bool SentMarking::isTheLog(const QString& log, const QString& copy) {
    return QFileInfo(copy).canonicalFilePath() == QFileInfo(log).canonicalFilePath();
}

// One question when the copy would replace a file, No by default.
bool SentMarking::mayWrite(Dialogs& dialogs, const QString& log, const QString& copy) {
    if (!QFileInfo::exists(copy)) {
        return true;
    }
    const QString name = QFileInfo(copy).fileName();
    if (isTheLog(log, copy)) {
        return dialogs.askToReplace(
            Text::tr("Le fichier %1 est le journal lui-même. Le remplacer par la copie "
                     "marquée ?\nLe journal d'avant sera gardé dans %2.")
                .arg(name, QFileInfo(backupName(log)).fileName()));
    }
    return dialogs.askToReplace(
        Text::tr("Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?").arg(name));
}

// The log as it was, beside it, before the marked copy takes its place.
bool SentMarking::keepBackup(const QString& log, QString* error) {
    const QString backup = backupName(log);
    if ((QFileInfo::exists(backup) && !QFile::remove(backup)) || !QFile::copy(log, backup)) {
        *error = Text::tr(
                     "Impossible de garder le journal dans %1 : la copie marquée n'est pas "
                     "écrite.")
                     .arg(QDir::toNativeSeparators(backup));
        return false;
    }
    return true;
}
