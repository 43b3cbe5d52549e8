#include "files/replaced_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/native_file_name.h"
#include "files/pending_files.h"
#include "files/temporary_name.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReplacedFile)
};

}  // namespace

namespace {

constexpr qint64 kReadBackChunk = 1 << 20;
// Written data is handed to the device every so many bytes, so that the sync
// before the rename finds little left to do.
constexpr qint64 kWritebackStep = 8 << 20;

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1));
}

QByteArray realPath(const QByteArray& path) {
    QByteArray result;
    if (char* resolved = ::realpath(path.constData(), nullptr)) {
        result = resolved;
        std::free(resolved);
    }
    return result;
}

mode_t usualMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

// The file a chain of links ends at, or the last link when the chain goes
// on past the system's limit (a loop).
QByteArray ReplacedFile::followedLinks(const QByteArray& path) {
    QByteArray current = path;
    for (int step = 0; step < kMostLinks; ++step) {
        char link[4096];
        const ssize_t size = ::readlink(current.constData(), link, sizeof link - 1);
        if (size <= 0) {
            return current;
        }
        const QByteArray next(link, size);
        current = next.startsWith('/') ? next : folderOf(current) + '/' + next;
    }
    return current;
}

QByteArray ReplacedFile::resolvedPath(const QByteArray& path) {
    if (const QByteArray resolved = realPath(path); !resolved.isEmpty()) {
        return resolved;
    }
    const QByteArray target = followedLinks(path);
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1);
    if (const QByteArray folder = realPath(folderOf(target)); !folder.isEmpty()) {
        return (folder.endsWith('/') ? folder : folder + '/') + name;
    }
    return target;
}

ReplacedFile::ReplacedFile(const QString& target, mode_t newFileMode, bool alwaysThatMode)
    : target_(target),
      nativeTarget_(resolvedPath(NativeFileName::encode(target))),
      newFileMode_(newFileMode == kUsualMode ? usualMode() : newFileMode),
      alwaysThatMode_(alwaysThatMode) {
    if (!mayReplaceTarget()) {
        return;
    }
    const QByteArray folder = folderOf(nativeTarget_);
    const QByteArray stem =
        TemporaryName::stem(folder, nativeTarget_.mid(nativeTarget_.lastIndexOf('/') + 1));
    TemporaryName::removeStale(folder, stem);
    QByteArray name = folder + '/' + stem + TemporaryName::kEnd;
    // A signal between the file's making and its noting would leave it behind:
    // SIGINT and SIGTERM wait until it is noted.
    sigset_t stopping;
    sigset_t before;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGINT);
    sigaddset(&stopping, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopping, &before);
    descriptor_ = ::mkostemps(name.data(), 5, O_CLOEXEC);
    const int cause = errno;
    if (descriptor_ >= 0) {
        temporary_ = name;
        PendingFiles::add(temporary_);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (descriptor_ < 0) {
        errno = cause;
        failWithErrno();
    }
}

// A link loop is refused; a file the user may not write is kept, as cp keeps it.
bool ReplacedFile::mayReplaceTarget() {
    struct stat state {};
    if (::lstat(nativeTarget_.constData(), &state) != 0) {
        return true;
    }
    if (S_ISLNK(state.st_mode)) {
        errno = ELOOP;
        return failWithErrno();
    }
    return ::access(nativeTarget_.constData(), W_OK) == 0 || failWithErrno();
}

ReplacedFile::~ReplacedFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!temporary_.isEmpty()) {
        PendingFiles::forget(temporary_);
        ::unlink(temporary_.constData());
    }
}

bool ReplacedFile::fail(const QString& reason) {
    if (reason_.isEmpty()) {
        reason_ = reason;
    }
    return false;
}

bool ReplacedFile::failWithErrno() {
    const int cause = errno;
    return fail(cause == 0 ? Text::tr("erreur d'écriture")
                           : QString::fromLocal8Bit(std::strerror(cause)));
}

QString ReplacedFile::error() const {
    return Text::tr("Impossible d'écrire le fichier %1 : %2")
        .arg(NativeFileName::display(target_), reason_);
}

bool ReplacedFile::write(QByteArrayView bytes) {
    if (!isOpen() || !reason_.isEmpty()) {
        return false;
    }
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor_, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return failWithErrno();
        }
        if (written == 0) {
            errno = ENOSPC;
            return failWithErrno();
        }
        data += written;
        left -= written;
    }
    hash_.add(bytes);
    startWriteback();
    return true;
}

void ReplacedFile::keepModeAndOwner() {
    struct stat existing {};
    if (::stat(nativeTarget_.constData(), &existing) != 0 || !S_ISREG(existing.st_mode)) {
        ::fchmod(descriptor_, newFileMode_);
        return;
    }
    ::fchmod(descriptor_, alwaysThatMode_ ? newFileMode_ : existing.st_mode & 07777);
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
        static_cast<void>(::fchown(descriptor_, existing.st_uid, existing.st_gid));
    }
}

// Hands the data written since the last step to the device, and reads back
// what the step before handed over (written out by now): a large file is
// read back while the rest of it is written. The sync in commit() waits for
// the rest and reports what failed.
void ReplacedFile::startWriteback() {
    if (hash_.size() - writebackFrom_ < kWritebackStep) {
        return;
    }
    readBackUpTo(writebackFrom_);
    ::sync_file_range(descriptor_, static_cast<off_t>(writebackFrom_),
                      static_cast<off_t>(hash_.size() - writebackFrom_), SYNC_FILE_RANGE_WRITE);
    writebackFrom_ = hash_.size();
}

// Adds the file's bytes from where the reading back stands up to `end` to
// its hash, once they are on the device.
bool ReplacedFile::readBackUpTo(qint64 end) {
    const qint64 from = readBack_.size();
    if (end <= from || readBackFailed_) {
        return !readBackFailed_;
    }
    ::sync_file_range(
        descriptor_, static_cast<off_t>(from), static_cast<off_t>(end - from),
        SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
    QByteArray chunk(std::min(kReadBackChunk, end - from), Qt::Uninitialized);
    for (qint64 at = from; at < end;) {
        const ssize_t read = ::pread(descriptor_, chunk.data(),
                                     static_cast<size_t>(std::min<qint64>(chunk.size(), end - at)),
                                     static_cast<off_t>(at));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            readBackFailed_ = true;
            readBackErrno_ = read < 0 ? errno : 0;
            return false;
        }
        readBack_.add(QByteArrayView(chunk.constData(), read));
        at += read;
    }
    return true;
}

// What the device holds is what was written: a device that loses or alters
// bytes on the way is found here, before the older file goes.
bool ReplacedFile::readsBackAsWritten() {
    struct stat state {};
    if (::fstat(descriptor_, &state) != 0) {
        return failWithErrno();
    }
    if (!readBackUpTo(state.st_size) && readBackErrno_ != 0) {
        errno = readBackErrno_;
        return failWithErrno();
    }
    return !readBackFailed_ && state.st_size == hash_.size() && readBack_.size() == hash_.size() &&
           readBack_.value() == hash_.value();
}

QString ReplacedFile::incompleteReason() const {
    struct statvfs device {};
    if (isOpen() && ::fstatvfs(descriptor_, &device) == 0 && device.f_bavail == 0) {
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    }
    return Text::tr("le fichier écrit est incomplet ou abîmé");
}

bool ReplacedFile::abandon(int cause) {
    if (cause != 0) {
        errno = cause;
        return failWithErrno();
    }
    return fail(incompleteReason());
}

bool ReplacedFile::syncFolder() const {
    const int folder = ::open(folderOf(nativeTarget_).constData(), O_RDONLY | O_CLOEXEC);
    if (folder < 0) {
        return false;
    }
    const bool synced = ::fsync(folder) == 0;
    ::close(folder);
    return synced;
}

bool ReplacedFile::commit(const ContentCheck& check) {
    if (!isOpen() || !reason_.isEmpty()) {
        return fail(Text::tr("erreur d'écriture"));
    }
    keepModeAndOwner();
    if (::fsync(descriptor_) != 0) {
        return failWithErrno();
    }
    if (!readsBackAsWritten() || (check && !check(descriptor_))) {
        return fail(incompleteReason());
    }
    if (std::rename(temporary_.constData(), nativeTarget_.constData()) != 0) {
        return failWithErrno();
    }
    PendingFiles::forget(temporary_, true);
    temporary_.clear();
    // The rename is done; a folder that cannot be synced leaves it to the system.
    syncFolder();
    return true;
}

QString ReplacedFile::replace(const QString& target, const QByteArray& bytes, mode_t newFileMode,
                              bool alwaysThatMode) {
    ReplacedFile file(target, newFileMode, alwaysThatMode);
    if (file.write(bytes) && file.commit()) {
        return {};
    }
    return file.error();
}
