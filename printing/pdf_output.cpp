#include "printing/pdf_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// The temporary file a signal handler must remove; empty when none.
char pendingPath[4096];
volatile std::sig_atomic_t hasPending = 0;

void removePendingAndExit(int signalNumber) {
    if (hasPending != 0) {
        ::unlink(pendingPath);
    }
    static const char kText[] = "Impression interrompue : aucun fichier n'est écrit.\n";
    const ssize_t ignored = ::write(STDERR_FILENO, kText, sizeof kText - 1);
    static_cast<void>(ignored);
    ::_exit(128 + signalNumber);
}

void setPending(const QString& path) {
    hasPending = 0;
    const QByteArray bytes = QFile::encodeName(path);
    if (!path.isEmpty() && static_cast<size_t>(bytes.size()) < sizeof pendingPath) {
        std::memcpy(pendingPath, bytes.constData(), static_cast<size_t>(bytes.size()) + 1);
        hasPending = 1;
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool flushedToDisk(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool done = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return done;
}

// A temporary file is private (0600): give the document the mode of the file it
// replaces, or the one a new file gets.
void keepModeOf(const QString& target, const QString& temporary) {
    struct stat state {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &state) == 0) {
        mode = state.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(temporary).constData(), mode);
}

}  // namespace

PdfOutput::PdfOutput(const QString& target) : target_(target) {
    const QFileInfo info(target);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX.part"));
    file.setAutoRemove(false);
    if (!file.open()) {
        error_ = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                     .arg(target, file.errorString());
        return;
    }
    temporaryPath_ = file.fileName();
    setPending(temporaryPath_);
}

PdfOutput::~PdfOutput() {
    if (!temporaryPath_.isEmpty()) {
        forget();
        QFile::remove(temporaryPath_);
    }
}

void PdfOutput::forget() {
    if (hasPending != 0 && QFile::encodeName(temporaryPath_) == pendingPath) {
        hasPending = 0;
    }
}

bool PdfOutput::endsAsPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32) {
        return false;
    }
    const qint64 tailSize = std::min<qint64>(file.size(), 1024);
    if (!file.seek(file.size() - tailSize)) {
        return false;
    }
    const QByteArray tail = file.read(tailSize);
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0 || !tail.trimmed().endsWith("%%EOF")) {
        return false;
    }
    // The cross-reference table must stand where the trailer says: a document
    // that lost bytes on the way has it elsewhere.
    const QByteArray number = tail.mid(start + 9).trimmed().split('\n').value(0).trimmed();
    bool ok = false;
    const qint64 offset = number.toLongLong(&ok);
    return ok && offset > 0 && file.seek(offset) && file.read(4) == "xref";
}

bool PdfOutput::commit() {
    if (temporaryPath_.isEmpty()) {
        return false;
    }
    if (!endsAsPdf(temporaryPath_) || !flushedToDisk(temporaryPath_)) {
        error_ = QStringLiteral(
                     "Impossible d'écrire le fichier %1 (support plein ou erreur d'écriture) : "
                     "il n'est pas modifié.")
                     .arg(target_);
        return false;
    }
    keepModeOf(target_, temporaryPath_);
    forget();
    if (std::rename(QFile::encodeName(temporaryPath_).constData(),
                    QFile::encodeName(target_).constData()) != 0) {
        error_ = QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                     .arg(target_, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    temporaryPath_.clear();
    return true;
}

QString PdfOutput::targetProblem(const QString& target, const QStringList& inputs) {
    struct stat targetState {};
    if (::stat(QFile::encodeName(target).constData(), &targetState) != 0) {
        return {};  // a new file: nothing read can be overwritten
    }
    for (const QString& input : inputs) {
        struct stat inputState {};
        if (!input.isEmpty() && ::stat(QFile::encodeName(input).constData(), &inputState) == 0 &&
            sameFile(targetState, inputState)) {
            return QStringLiteral(
                       "Le fichier de sortie %1 est le fichier lu %2 : rien n'est écrit.")
                .arg(target, input);
        }
    }
    if (!S_ISREG(targetState.st_mode)) {
        return QStringLiteral(
                   "Le fichier de sortie %1 n'est pas un fichier ordinaire : rien "
                   "n'est écrit.")
            .arg(target);
    }
    return {};
}

void PdfOutput::removeOnSignals() {
    struct sigaction action {};
    action.sa_handler = removePendingAndExit;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
