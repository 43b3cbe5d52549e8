#include "log/sent_marker.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "files/background_writer.h"
#include "files/native_file_name.h"
#include "files/replaced_file.h"
#include "files/run_files.h"
#include "log/marked_record.h"
#include "log/radix_sort.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SentMarker)
};

}  // namespace

namespace {

constexpr qint64 kCopyChunk = 1 << 20;
constexpr qint64 kCarriedRoom = 64 << 10;

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

using PlacedRecord = std::pair<qint64, const QsoRecord*>;

// The printed records in file order, each once.
std::vector<const QsoRecord*> inFileOrder(const QsoRecords& printed) {
    // Offsets read once: a million records in print-list order lie all over memory.
    std::vector<PlacedRecord> placed;
    placed.reserve(printed.size());
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < printed.size(); ++i) {
        if (i + kAhead < printed.size()) {
            __builtin_prefetch(printed[i + kAhead]);
        }
        placed.emplace_back(printed[i]->fileOffset(), printed[i]);
    }
    if (!std::is_sorted(placed.begin(), placed.end(),
                        [](const auto& a, const auto& b) { return a.first < b.first; })) {
        qint64 largest = 0;
        for (const PlacedRecord& record : placed) {
            largest = std::max(largest, record.first);
        }
        int usedBits = 0;
        for (quint64 rest = static_cast<quint64>(largest); rest != 0; rest >>= 1) {
            ++usedBits;
        }
        radixSort<11>(
            placed, [](const PlacedRecord& record) { return static_cast<quint64>(record.first); },
            0, usedBits);
    }
    std::vector<const QsoRecord*> records;
    records.reserve(placed.size());
    for (size_t i = 0; i < placed.size(); ++i) {
        if (i == 0 || placed[i].first != placed[i - 1].first) {
            records.push_back(placed[i].second);
        }
    }
    return records;
}

// Copies a log into an open file, marking the records on the way and hashing
// every byte read, as the reader did.
class MarkedCopy {
  public:
    MarkedCopy(int log, ReplacedFile& copy, const QByteArray& via, const QByteArray& date,
               const MarkedFields& fields)
        : log_(log), copy_(copy), via_(via), date_(date), fields_(fields), writer_(copy) {
        readAhead();
    }

    SentMarker::Result run(const std::vector<const QsoRecord*>& records) {
        if (!readChunk() && !atEnd_) {
            return failure_;
        }
        const bool utf16 = window_.size() >= 2 && ((window_[0] == '\xFF' && window_[1] == '\xFE') ||
                                                   (window_[0] == '\xFE' && window_[1] == '\xFF'));
        const bool littleEndian = utf16 && window_[0] == '\xFF';
        for (const QsoRecord* record : records) {
            const qint64 end = record->fileOffset() + record->fileLength();
            if (record->fileLength() <= 0 || record->fileOffset() < copied_) {
                continue;
            }
            while (windowEnd() < end) {
                if (!emitUpTo(record->fileOffset()) || !readChunk()) {
                    return atEnd_ ? SentMarker::Result::LogChanged : failure_;
                }
            }
            const QByteArrayView text =
                window_.sliced(record->fileOffset() - windowStart_, record->fileLength());
            if (!emitUpTo(record->fileOffset()) ||
                !(utf16 ? put(MarkedRecord::markedUtf16(text, littleEndian, via_, date_, fields_))
                        : putMarked(text, record->readAsPlain()))) {
                return failure_;
            }
            copied_ = end;
        }
        while (!atEnd_) {
            if (!emitUpTo(windowEnd()) || (!readChunk() && !atEnd_)) {
                return failure_;
            }
        }
        if (!emitUpTo(windowEnd()) || !flush() || !finishWriting()) {
            return failure_;
        }
        return SentMarker::Result::Written;
    }

    // Once run() is done.
    const StreamHash& hash() const { return hash_; }
    QString reason() const { return reason_; }

  private:
    qint64 windowEnd() const { return windowStart_ + window_.size(); }

    // Writes out the log's bytes from where the copy stands up to `until`.
    bool emitUpTo(qint64 until) {
        until = std::min(until, windowEnd());
        if (until <= copied_) {
            return true;
        }
        const bool written = put(window_.sliced(copied_ - windowStart_, until - copied_));
        copied_ = until;
        return written;
    }

    // The next piece of the log, read on the writer's thread while the one
    // before is marked, goes into the spare buffer just after the bytes of the
    // window not yet copied; it is hashed here, the writer having enough to do.
    bool readChunk() {
        int error = 0;
        const qsizetype read = writer_.waitForRead(&error);
        if (read < 0) {
            errno = error;
            reason_ = systemReason();
            failure_ = SentMarker::Result::LogUnreadable;
            return false;
        }
        const QByteArrayView kept = window_.sliced(copied_ - windowStart_);
        QByteArray& next = buffers_[1 - current_];
        if (kept.size() <= kCarriedRoom) {
            char* const begin = next.data() + kCarriedRoom - kept.size();
            if (!kept.isEmpty()) {  // (the first window is empty, and null)
                std::memcpy(begin, kept.data(), static_cast<size_t>(kept.size()));
            }
            window_ = QByteArrayView(begin, kept.size() + read);
        } else {
            // A record longer than the room: the window grows to hold it whole.
            QByteArray joined = kept.toByteArray();
            joined.append(QByteArrayView(next).sliced(kCarriedRoom, read));
            oversized_.swap(joined);
            window_ = oversized_;
        }
        windowStart_ = copied_;
        current_ = 1 - current_;
        atEnd_ = read == 0;
        if (!atEnd_) {
            readAhead();
        }
        hash_.add(window_.last(read));
        return read > 0;
    }

    void readAhead() {
        writer_.readAhead(log_, buffers_[1 - current_].data() + kCarriedRoom, kCopyChunk);
    }

    // A record with its edits, put straight into the pending bytes.
    bool putMarked(QByteArrayView record, bool readAsPlain) {
        qsizetype copied = 0;
        for (const MarkedRecord::Edit& edit :
             MarkedRecord::edits(record, via_, date_, fields_, readAsPlain)) {
            if (!put(record.sliced(copied, edit.begin - copied)) || !put(edit.text)) {
                return false;
            }
            copied = edit.end;
        }
        return put(record.sliced(copied));
    }

    // The copy's bytes wait in a buffer of a fixed size, filled by memcpy
    // (a million records make several million small pieces).
    bool put(QByteArrayView bytes) {
        if (bytes.isEmpty()) {
            return true;  // and no null pointer handed to memcpy
        }
        if (used_ + bytes.size() > pending_.size()) {
            if (!flush()) {
                return false;
            }
            if (bytes.size() > pending_.size()) {
                QByteArray whole = bytes.toByteArray();
                return writer_.write(whole) || writeFailed();
            }
        }
        std::memcpy(pending_.data() + used_, bytes.data(), static_cast<size_t>(bytes.size()));
        used_ += bytes.size();
        return true;
    }

    bool flush() {
        pending_.resize(used_);
        // The writer gives back the buffer it wrote, its room kept.
        const bool handed = writer_.write(pending_);
        pending_.resize(kCopyChunk);
        used_ = 0;
        return handed || writeFailed();
    }

    bool finishWriting() { return writer_.finish() || writeFailed(); }

    bool writeFailed() {
        reason_ = copy_.reason();
        failure_ = SentMarker::Result::NotWritten;
        return false;
    }

    int log_;
    ReplacedFile& copy_;
    QByteArray via_;
    QByteArray date_;
    const MarkedFields& fields_;
    // Two buffers of room for the bytes of a record carried over from the
    // piece before, then a piece: one read into while the other is marked.
    std::array<QByteArray, 2> buffers_{QByteArray(kCarriedRoom + kCopyChunk, Qt::Uninitialized),
                                       QByteArray(kCarriedRoom + kCopyChunk, Qt::Uninitialized)};
    int current_ = 0;
    QByteArray oversized_;   // a window that holds a record longer than the room
    QByteArrayView window_;  // the log's bytes from windowStart_
    qint64 windowStart_ = 0;
    qint64 copied_ = 0;  // the log's bytes handled so far
    bool atEnd_ = false;
    QByteArray pending_ = QByteArray(kCopyChunk, Qt::Uninitialized);
    qsizetype used_ = 0;  // of pending_
    StreamHash hash_;
    SentMarker::Result failure_ = SentMarker::Result::NotWritten;
    QString reason_;
    // Last, so that it is gone before the bytes and the hash it works on.
    BackgroundWriter writer_;
};

// A file descriptor closed when it goes.
struct OpenFile {
    int descriptor = -1;
    ~OpenFile() {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
};

}  // namespace

bool SentMarker::isSendingMethod(const QString& via) {
    return via == u"B" || via == u"D" || via == u"E" || via == u"M";
}

QString SentMarker::targetProblem(const QString& copyPath, const QStringList& runFiles) {
    return RunFiles::copyProblemAmong(copyPath, runFiles);
}

SentMarker::Result SentMarker::writeCopy(const QString& logPath, const LogFingerprint& fingerprint,
                                         const QString& copyPath, const QsoRecords& printed,
                                         const QString& via, const QDate& date, QString* error,
                                         const MarkedFields& fields) {
    const QString logName = NativeFileName::display(logPath);
    const QString copyName = NativeFileName::display(copyPath);
    const auto fail = [&](Result result, const QString& text) {
        if (error != nullptr) {
            *error = text;
        }
        return result;
    };
    const auto unreadable = [&](const QString& reason) {
        return fail(Result::LogUnreadable,
                    Text::tr("Impossible de lire le fichier %1 : %2").arg(logName, reason));
    };
    const auto changed = [&] {
        return fail(Result::LogChanged,
                    Text::tr("Le fichier %1 a changé depuis sa lecture : la copie marquée "
                             "n'est pas écrite ; relisez-le avant de marquer les QSO.")
                        .arg(logName));
    };
    const auto notWritten = [&](const QString& reason) {
        return fail(Result::NotWritten,
                    Text::tr("Impossible d'écrire le fichier %1 : %2 ; la copie marquée "
                             "n'est pas enregistrée.")
                        .arg(copyName, reason));
    };
    OpenFile log;
    log.descriptor =
        ::open(NativeFileName::encode(logPath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat logState {};
    if (log.descriptor < 0 || ::fstat(log.descriptor, &logState) != 0) {
        return unreadable(systemReason());
    }
    LogFingerprint now;
    if (!S_ISREG(logState.st_mode) ||
        !LogFingerprint::describe(log.descriptor, &now.size, &now.modifiedNs)) {
        return changed();
    }
    if (!fingerprint.taken || now.size != fingerprint.size ||
        now.modifiedNs != fingerprint.modifiedNs) {
        return changed();
    }
    // A new copy takes the log's permissions, a replaced file keeps its own.
    ReplacedFile copy(copyPath, logState.st_mode & 07777);
    if (!copy.isOpen()) {
        return notWritten(copy.reason());
    }
    MarkedCopy marking(log.descriptor, copy, via.toLatin1(),
                       date.toString(QStringLiteral("yyyyMMdd")).toLatin1(), fields);
    const Result result = marking.run(inFileOrder(printed));
    if (result == Result::LogUnreadable) {
        return unreadable(marking.reason());
    }
    if (result == Result::NotWritten) {
        return notWritten(marking.reason().isEmpty() ? Text::tr("support plein")
                                                     : marking.reason());
    }
    if (result == Result::LogChanged || marking.hash().size() != fingerprint.size ||
        marking.hash().value() != fingerprint.hash) {
        return changed();
    }
    if (!copy.commit()) {
        return notWritten(copy.reason());
    }
    return Result::Written;
}
