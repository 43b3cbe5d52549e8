#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

#include "files/stream_hash.h"

// The one way the program replaces a file: everything is written beside the
// target under a temporary name (removed on SIGINT and SIGTERM), every write
// is checked, the data is synced and read back, and only then is the
// temporary file renamed over the target. On any failure the older file stays
// as it was and error() names the file and the system's reason.
// Names may carry bytes that are not UTF-8 (NativeFileName); links at the
// target are followed to their end, so the file they name is replaced and the
// links stay; a loop of links, or a file the user may not write, is refused.
// Temporary files a killed writer left beside the target are removed
// (TemporaryName).
class ReplacedFile {
  public:
    // The mode of a new file: the one files get (0666 less the umask) unless told.
    static constexpr mode_t kUsualMode = 0;
    // A file kept private: 0600 whatever the older one had.
    static constexpr mode_t kPrivateMode = 0600;

    explicit ReplacedFile(const QString& target, mode_t newFileMode = kUsualMode,
                          bool alwaysThatMode = false);
    ~ReplacedFile();
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }

    // False once any write failed; later writes are then ignored.
    bool write(QByteArrayView bytes);

    // A further check of the whole written file before it takes the target's
    // place (its form); it is given the open descriptor.
    using ContentCheck = std::function<bool(int descriptor)>;
    bool commit(const ContentCheck& check = {});

    // For a file another writer failed to fill: sets the reason (the
    // system's words for `cause`, else a full device or an incomplete file)
    // and leaves the older file; always false.
    bool abandon(int cause = 0);

    // The system's words for the failure (never empty after one).
    QString reason() const { return reason_; }
    // "Impossible d'écrire le fichier NAME : REASON"
    QString error() const;

    // Writes `bytes` as the whole new content of `target`. Empty when done,
    // else error() followed by `consequence` (" ; les planches ne sont pas…").
    static QString replace(const QString& target, const QByteArray& bytes,
                           mode_t newFileMode = kUsualMode, bool alwaysThatMode = false);

    // The path with every link resolved; for a file that does not exist yet,
    // its folder's resolved path and its name (dangling links followed to
    // their end; a loop gives its last link).
    static QByteArray resolvedPath(const QByteArray& path);

  private:
    static constexpr int kMostLinks = 40;  // as the system follows them
    static QByteArray followedLinks(const QByteArray& path);
    bool mayReplaceTarget();
    bool fail(const QString& reason);
    bool failWithErrno();
    void keepModeAndOwner();
    void startWriteback();
    bool readBackUpTo(qint64 end);
    bool readsBackAsWritten();
    QString incompleteReason() const;
    bool syncFolder() const;

    QString target_;
    QByteArray nativeTarget_;
    QByteArray temporary_;  // empty once renamed, or when none could be made
    int descriptor_ = -1;
    mode_t newFileMode_;
    bool alwaysThatMode_;
    StreamHash hash_;  // of every byte written
    qint64 writebackFrom_ = 0;
    StreamHash readBack_;  // of the bytes read back so far, from the start
    bool readBackFailed_ = false;
    int readBackErrno_ = 0;
    QString reason_;
};
