#include "printing/pdf_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "printing/native_file_name.h"
#include "printing/pending_files.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PdfOutput)
};

}  // namespace

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A temporary file is private (0600): give the document the mode of the file it
// replaces, or the one a new file gets.
mode_t modeFor(const QByteArray& target) {
    struct stat state {};
    if (::stat(target.constData(), &state) == 0) {
        return state.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

PdfOutput::PdfOutput(const QString& target)
    : target_(target), nativeTarget_(NativeFileName::encode(target)) {
    // A link to a document: the document is replaced, the link stays.
    if (char* resolved = ::realpath(nativeTarget_.constData(), nullptr)) {
        nativeTarget_ = resolved;
        std::free(resolved);
    }
    const qsizetype slash = nativeTarget_.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : nativeTarget_.left(std::max<qsizetype>(slash, 1));
    QByteArray name = folder + "/." + nativeTarget_.mid(slash + 1) + ".XXXXXX.part";
    descriptor_ = ::mkostemps(name.data(), 5, O_CLOEXEC);
    if (descriptor_ < 0) {
        error_ = Text::tr("Impossible d'écrire le fichier %1 : %2")
                     .arg(NativeFileName::display(target), systemReason());
        return;
    }
    temporaryBytes_ = name;
    PendingFiles::add(temporaryBytes_);
    // Qt opens files by a UTF-8 name: a name it cannot reach is given as the open file.
    temporaryPath_ = NativeFileName::hasCarriedBytes(target)
                         ? QStringLiteral("/proc/self/fd/%1").arg(descriptor_)
                         : QString::fromUtf8(temporaryBytes_);
}

PdfOutput::~PdfOutput() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!temporaryBytes_.isEmpty()) {
        PendingFiles::forget(temporaryBytes_);
        ::unlink(temporaryBytes_.constData());
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
    if (temporaryBytes_.isEmpty()) {
        return false;
    }
    if (!endsAsPdf(temporaryPath_) || ::fsync(descriptor_) != 0) {
        error_ = Text::tr(
                     "Impossible d'écrire le fichier %1 (support plein ou erreur d'écriture) : "
                     "il n'est pas modifié.")
                     .arg(NativeFileName::display(target_));
        return false;
    }
    ::fchmod(descriptor_, modeFor(nativeTarget_));
    PendingFiles::forget(temporaryBytes_);
    if (std::rename(temporaryBytes_.constData(), nativeTarget_.constData()) != 0) {
        error_ = Text::tr("Impossible d'écrire le fichier %1 : %2")
                     .arg(NativeFileName::display(target_), systemReason());
        return false;
    }
    temporaryBytes_.clear();
    return true;
}

QString PdfOutput::targetProblem(const QString& target, const QStringList& inputs) {
    struct stat targetState {};
    if (::stat(NativeFileName::encode(target).constData(), &targetState) != 0) {
        return {};  // a new file: nothing read can be overwritten
    }
    for (const QString& input : inputs) {
        struct stat inputState {};
        if (!input.isEmpty() &&
            ::stat(NativeFileName::encode(input).constData(), &inputState) == 0 &&
            sameFile(targetState, inputState)) {
            return Text::tr("Le fichier de sortie %1 est le fichier lu %2 : rien n'est écrit.")
                .arg(NativeFileName::display(target), NativeFileName::display(input));
        }
    }
    if (!S_ISREG(targetState.st_mode)) {
        return Text::tr(
                   "Le fichier de sortie %1 n'est pas un fichier ordinaire : rien n'est écrit.")
            .arg(NativeFileName::display(target));
    }
    return {};
}

void PdfOutput::removeOnSignals() {
    PendingFiles::removeOnSignals();
}
