#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <condition_variable>
#include <mutex>
#include <thread>

class ReplacedFile;

// The input and output of a large copy, on a thread of its own: it writes the
// pieces of a file one at a time while the next one is being made, and reads
// the next piece of the source meanwhile. A large copy then costs
// the time of its slower half instead of both. Once a write failed, the
// file's reason() says why and every later piece is refused.
class BackgroundWriter {
  public:
    explicit BackgroundWriter(ReplacedFile& file);
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Hands `piece` over once the piece before it is written, and gives back
    // an empty buffer in its place. False when a write failed.
    bool write(QByteArray& piece);
    // Reads up to `size` bytes of `descriptor` into `into`, which must stay
    // until waitForRead() returned.
    void readAhead(int descriptor, char* into, qsizetype size);
    // The bytes that read gave: 0 at the end, -1 on an error (then `*error`
    // is the system's errno).
    qsizetype waitForRead(int* error);
    // Waits until every piece is written. False when a write failed.
    bool finish();

  private:
    void work();
    void readPiece(std::unique_lock<std::mutex>& lock);

    ReplacedFile& file_;
    std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray inHand_;  // the piece the thread writes
    bool handed_ = false;
    bool failed_ = false;
    // The read asked for, until it is done; then its outcome.
    int source_ = -1;
    char* into_ = nullptr;
    qsizetype wanted_ = 0;
    bool reading_ = false;
    qsizetype read_ = 0;
    int readError_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};
