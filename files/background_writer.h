#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <condition_variable>
#include <mutex>
#include <thread>

class ReplacedFile;
class StreamHash;

// Writes the pieces of a file on a thread of its own, one piece at a time,
// while the next one is being made: a large copy then costs the time of its
// slower half instead of both. The same thread hashes the bytes it is given.
// Once a write failed, the file's reason() says why and every later piece is
// refused.
class BackgroundWriter {
  public:
    explicit BackgroundWriter(ReplacedFile& file);
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Hands `piece` over once the piece before it is written, and gives back
    // an empty buffer in its place. False when a write failed.
    bool write(QByteArray& piece);
    // Adds `bytes` to `hash` on the writer's thread; the bytes must stay as
    // they are, and the hash unread, until waitForHash() or finish() returned.
    void hash(QByteArrayView bytes, StreamHash& hash);
    void waitForHash();
    // Waits until every piece is written and every byte hashed. False when a
    // write failed.
    bool finish();

  private:
    void work();

    ReplacedFile& file_;
    std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray inHand_;  // the piece the thread writes
    bool handed_ = false;
    bool failed_ = false;
    QByteArrayView toHash_;
    StreamHash* hash_ = nullptr;  // while bytes wait to be hashed
    bool stopping_ = false;
    std::thread thread_;
};
