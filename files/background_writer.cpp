#include "files/background_writer.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

#include "files/replaced_file.h"

BackgroundWriter::BackgroundWriter(ReplacedFile& file) : file_(file), thread_([this] { work(); }) {}

BackgroundWriter::~BackgroundWriter() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool BackgroundWriter::write(QByteArray& piece) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !handed_; });
    if (failed_) {
        return false;
    }
    std::swap(inHand_, piece);
    piece.truncate(0);
    handed_ = true;
    lock.unlock();
    changed_.notify_all();
    return true;
}

void BackgroundWriter::readAhead(int descriptor, char* into, qsizetype size) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !reading_; });
    source_ = descriptor;
    into_ = into;
    wanted_ = size;
    reading_ = true;
    lock.unlock();
    changed_.notify_all();
}

qsizetype BackgroundWriter::waitForRead(int* error) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !reading_; });
    *error = readError_;
    return read_;
}

bool BackgroundWriter::finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !handed_ && !reading_; });
    return !failed_;
}

// A read goes before a write, since the marking waits for it.
void BackgroundWriter::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return reading_ || handed_ || stopping_; });
        if (reading_) {
            readPiece(lock);
        } else if (handed_) {
            lock.unlock();
            const bool written = file_.write(inHand_);
            lock.lock();
            failed_ = failed_ || !written;
            handed_ = false;
        } else {
            return;
        }
        changed_.notify_all();
    }
}

void BackgroundWriter::readPiece(std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    ssize_t read = 0;
    do {
        read = ::read(source_, into_, static_cast<size_t>(wanted_));
    } while (read < 0 && errno == EINTR);
    const int error = read < 0 ? errno : 0;
    lock.lock();
    read_ = read;
    readError_ = error;
    reading_ = false;
}
