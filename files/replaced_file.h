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
// Names may carry bytes that are not UTF-8 (NativeFileName); a link at the
// target is followed, so the file it names is replaced and the link stays.
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
    // A path another writer may open to fill the file (QPdfWriter): the
    // temporary file's, or its open descriptor's when Qt cannot reach the name.
    QString temporaryPath() const;

    // False once any write failed; later writes are then ignored.
    bool write(QByteArrayView bytes);

    // A check of the whole written file before it takes the target's place,
    // for files filled by another writer; it is given the open descriptor.
    using ContentCheck = std::function<bool(int descriptor)>;
    bool commit(const ContentCheck& check = {});

    // For a file another writer failed to fill: sets the reason (a full
    // device, or an incomplete file) and leaves the older file; always false.
    bool abandon();

    // The system's words for the failure (never empty after one).
    QString reason() const { return reason_; }
    // "Impossible d'écrire le fichier NAME : REASON"
    QString error() const;

    // Writes `bytes` as the whole new content of `target`. Empty when done,
    // else error() followed by `consequence` (" ; les planches ne sont pas…").
    static QString replace(const QString& target, const QByteArray& bytes,
                           mode_t newFileMode = kUsualMode, bool alwaysThatMode = false);

    // The path with every link resolved; for a file that does not exist yet,
    // its folder's resolved path and its name (a dangling link is followed once).
    static QByteArray resolvedPath(const QByteArray& path);

  private:
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
