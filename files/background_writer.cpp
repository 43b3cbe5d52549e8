#include "files/background_writer.h"

#include <utility>

#include "files/replaced_file.h"
#include "files/stream_hash.h"

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

void BackgroundWriter::hash(QByteArrayView bytes, StreamHash& hash) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return hash_ == nullptr; });
    toHash_ = bytes;
    hash_ = &hash;
    lock.unlock();
    changed_.notify_all();
}

void BackgroundWriter::waitForHash() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return hash_ == nullptr; });
}

bool BackgroundWriter::finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !handed_ && hash_ == nullptr; });
    return !failed_;
}

void BackgroundWriter::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return handed_ || hash_ != nullptr || stopping_; });
        if (hash_ != nullptr) {
            lock.unlock();
            hash_->add(toHash_);
            lock.lock();
            hash_ = nullptr;
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
