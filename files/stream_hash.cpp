#include "files/stream_hash.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr quint64 kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kPrime3 = 0x165667B19E3779F9ULL;
constexpr quint64 kPrime4 = 0x85EBCA77C2B2AE63ULL;

constexpr quint64 rotate(quint64 value, int bits) {
    return (value << bits) | (value >> (64 - bits));
}

constexpr quint64 mixWord(quint64 lane, quint64 word) {
    return rotate(lane + word * kPrime2, 31) * kPrime1;
}

quint64 loadWord(const unsigned char* bytes) {
    quint64 word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

}  // namespace

StreamHash::StreamHash() : lanes_{kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1} {}

void StreamHash::addStripe(const unsigned char* stripe) {
    for (size_t lane = 0; lane < lanes_.size(); ++lane) {
        lanes_[lane] = mixWord(lanes_[lane], loadWord(stripe + 8 * lane));
    }
}

void StreamHash::add(QByteArrayView bytes) {
    if (bytes.isEmpty()) {
        return;  // and no null pointer handed to memcpy
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype left = bytes.size();
    size_ += left;
    if (tailSize_ > 0) {
        const qsizetype taken = std::min<qsizetype>(left, 32 - tailSize_);
        std::memcpy(tail_.data() + tailSize_, data, static_cast<size_t>(taken));
        tailSize_ += taken;
        data += taken;
        left -= taken;
        if (tailSize_ < 32) {
            return;
        }
        addStripe(tail_.data());
        tailSize_ = 0;
    }
    for (; left >= 32; left -= 32, data += 32) {
        addStripe(data);
    }
    std::memcpy(tail_.data(), data, static_cast<size_t>(left));
    tailSize_ = left;
}

quint64 StreamHash::value() const {
    quint64 hash =
        rotate(lanes_[0], 1) + rotate(lanes_[1], 7) + rotate(lanes_[2], 12) + rotate(lanes_[3], 18);
    for (const quint64 lane : lanes_) {
        hash = (hash ^ mixWord(0, lane)) * kPrime1 + kPrime4;
    }
    hash += static_cast<quint64>(size_);
    qsizetype at = 0;
    for (; at + 8 <= tailSize_; at += 8) {
        hash = rotate(hash ^ mixWord(0, loadWord(tail_.data() + at)), 27) * kPrime1 + kPrime4;
    }
    for (; at < tailSize_; ++at) {
        hash = rotate(hash ^ (tail_[static_cast<size_t>(at)] * kPrime3), 11) * kPrime1;
    }
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    return hash ^ (hash >> 32);
}
