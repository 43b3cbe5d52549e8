#include "windows/sent_marking.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "files/replaced_file.h"
#include "files/run_files.h"
#include "log/log_fingerprint.h"
#include "log/qso_log.h"
#include "platform/dialogs.h"
#include "printing/print_job.h"
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

namespace {

bool sameValues(const QsoRecord& a, const QsoRecord& b) {
    if (a.fileLength() != b.fileLength()) {
        return false;
    }
    for (int field = 0; field < kQsoFieldCount; ++field) {
        if (a.value(static_cast<QsoField>(field)) != b.value(static_cast<QsoField>(field))) {
            return false;
        }
    }
    return true;
}

// The QSO of the shown log that stands where `record` stood in the log it was
// read from, with the same values: the same QSO, read again ("Tri par date").
const QsoRecord* sameInLog(const QsoLog& log, const QsoRecord& record) {
    int low = 0;
    int high = log.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (log.at(middle).fileOffset() < record.fileOffset()) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low < log.count() && log.at(low).fileOffset() == record.fileOffset() &&
        sameValues(log.at(low), record)) {
        return &log.at(low);
    }
    return nullptr;
}

}  // namespace

void SentMarking::offer(Workspace& workspace, PrintJob& job, const QString& output) {
    const QString log = workspace.logFileName();
    const QsoLog* shown = workspace.selection().shownLog();
    if (log.isEmpty() || shown == nullptr) {
        return;
    }
    // Only QSOs of the log last read can be marked in its copy: a QSO picked
    // before the log was read again is found in it, the others are named.
    QsoRecords marked;
    QStringList leftOut;
    for (const QsoRecord* record : job.records()) {
        const QsoRecord* inLog =
            workspace.selection().isOfShownLog(*record) ? record : sameInLog(*shown, *record);
        if (inLog != nullptr) {
            marked.push_back(inLog);
        } else {
            leftOut.append(record->text(QsoField::Callsign) + QLatin1Char(' ') +
                           record->text(QsoField::Date));
        }
    }
    Dialogs& dialogs = workspace.dialogs();
    const QString notMarked =
        leftOut.isEmpty() ? QString()
                          : Text::tr(
                                "\n%n QSO imprimés ne sont pas dans le journal lu %1 et ne "
                                "sont pas marqués : %2",
                                nullptr, static_cast<int>(leftOut.size()))
                                .arg(QFileInfo(log).fileName(), leftOut.join(QStringLiteral(", ")));
    if (marked.empty()) {
        if (!leftOut.isEmpty()) {
            dialogs.message(notMarked.mid(1));
        }
        return;
    }
    const QslQueue::Route route = workspace.selection().filter().route;
    job.setSendingMethod(QslQueue::sendingMethod(route, job.sendingMethod()));
    if (!dialogs.askYesNo(markQuestion(route, static_cast<int>(marked.size())) + notMarked)) {
        return;
    }
    markInCopy(workspace, job, output, marked);
}

void SentMarking::markInCopy(Workspace& workspace, PrintJob& job, const QString& output,
                             const QsoRecords& marked) {
    const QString log = workspace.logFileName();
    const QsoLog* shown = workspace.selection().shownLog();
    Dialogs& dialogs = workspace.dialogs();
    const QString copy = dialogs.saveFileName(QStringLiteral(".adi  (*.adi)"), proposedName(log));
    if (copy.isEmpty()) {
        return;
    }
    // The log itself may be replaced once confirmed; no other file of the run.
    RunFiles files = workspace.runFiles(job.inputs());
    files.addRead(output);
    if (const QString problem = files.copyProblem(copy, log); !problem.isEmpty()) {
        dialogs.message(problem);
        return;
    }
    if (!mayWrite(dialogs, log, copy)) {
        return;
    }
    const bool ontoLog = isTheLog(log, copy);
    QString error;
    if (ontoLog && !keepBackup(log, shown->fingerprint(), &error)) {
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

namespace {

QString logChanged(const QString& log) {
    return Text::tr(
               "Le fichier %1 a changé depuis sa lecture : la copie marquée "
               "n'est pas écrite ; relisez-le avant de marquer les QSO.")
        .arg(QDir::toNativeSeparators(log));
}

}  // namespace

// The log as it was, beside it, before the marked copy takes its place. The
// log is checked first: a log changed since it was read leaves the older
// backup alone; the new backup replaces the older one only once it is whole.
bool SentMarking::keepBackup(const QString& log, const LogFingerprint& fingerprint,
                             QString* error) {
    const QString backup = backupName(log);
    QFile source(log);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = Text::tr("Impossible de lire le fichier %1 : %2")
                     .arg(QDir::toNativeSeparators(log), source.errorString());
        return false;
    }
    LogFingerprint now;
    if (!LogFingerprint::describe(source.handle(), &now.size, &now.modifiedNs) ||
        !fingerprint.taken || now.size != fingerprint.size ||
        now.modifiedNs != fingerprint.modifiedNs) {
        *error = logChanged(log);
        return false;
    }
    ReplacedFile copy(backup);
    StreamHash hash;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (source.error() != QFileDevice::NoError) {
            *error = Text::tr("Impossible de lire le fichier %1 : %2")
                         .arg(QDir::toNativeSeparators(log), source.errorString());
            return false;
        }
        hash.add(chunk);
        copy.write(chunk);
    }
    if (hash.size() != fingerprint.size || hash.value() != fingerprint.hash) {
        *error = logChanged(log);
        return false;
    }
    if (!copy.commit()) {
        *error = Text::tr("%1 ; le journal n'est pas gardé, la copie marquée n'est pas écrite.")
                     .arg(copy.error());
        return false;
    }
    return true;
}
