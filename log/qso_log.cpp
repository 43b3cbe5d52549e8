#include "log/qso_log.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

constexpr size_t kBlockSize = 1 << 20;

quint32 nextSerial() {
    static std::atomic<quint32> serial{0};
    return ++serial;
}

}  // namespace

QsoLog::QsoLog() : serial_(nextSerial()) {}

char* QsoLog::room(size_t bytes) {
    if (blocks_.empty() || blockUsed_ + bytes > blockSize_) {
        blockSize_ = std::max(kBlockSize, bytes);
        blocks_.push_back(std::make_unique<char[]>(blockSize_));
        blockUsed_ = 0;
    }
    char* at = blocks_.back().get() + blockUsed_;
    blockUsed_ += bytes;
    return at;
}

const QsoRecord& QsoLog::add(const QsoValues& values) {
    size_t total = 0;
    for (const QByteArrayView value : values.values) {
        total += static_cast<size_t>(value.size());
    }
    QsoRecord record;
    char* out = room(total);
    record.text_ = out;
    quint32 end = 0;
    // The reader hands values that follow one another: one copy for all.
    const char* first = nullptr;
    bool contiguous = true;
    for (size_t i = 0; i < values.values.size(); ++i) {
        const QByteArrayView value = values.values[i];
        if (!value.isEmpty()) {
            first = first != nullptr ? first : value.data();
            contiguous &= value.data() == first + end;
        }
        end += static_cast<quint32>(value.size());
        record.ends_[i] = end;
    }
    if (contiguous) {
        if (first != nullptr) {
            std::memcpy(out, first, total);
        }
    } else {
        for (size_t i = 0; i < values.values.size(); ++i) {
            const QByteArrayView value = values.values[i];
            if (!value.isEmpty()) {
                std::memcpy(out + record.ends_[i] - value.size(), value.data(),
                            static_cast<size_t>(value.size()));
            }
        }
    }
    record.frequencyMhz_ = values.frequencyMhz;
    record.fileOffset_ = values.fileOffset;
    record.fileLength_ = values.fileLength;
    record.replaced_ = values.replaced;
    record.readAsPlain_ = values.readAsPlain;
    record.logSerial_ = serial_;
    records_.push_back(record);
    return records_.back();
}
