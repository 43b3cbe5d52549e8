#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>

// A 64-bit hash of a stream of bytes, the same however the stream is cut into
// pieces: four lanes of eight-byte words, each mixed by multiply and rotate.
// Several gigabytes a second, so that a log is hashed while it is read.
class StreamHash {
  public:
    StreamHash();
    void add(QByteArrayView bytes);
    quint64 value() const;
    qint64 size() const { return size_; }

  private:
    void addStripe(const unsigned char* stripe);

    std::array<quint64, 4> lanes_;
    std::array<unsigned char, 32> tail_{};
    qsizetype tailSize_ = 0;
    qint64 size_ = 0;
};

// What a log was when it was read: its size, its modification time and a hash
// of the bytes read. A copy made from the log later is made from those bytes
// or not at all.
struct LogFingerprint {
    bool taken = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // nanoseconds since the epoch
    quint64 hash = 0;

    bool operator==(const LogFingerprint& other) const {
        return taken == other.taken && size == other.size && modifiedNs == other.modifiedNs &&
               hash == other.hash;
    }
    bool operator!=(const LogFingerprint& other) const { return !(*this == other); }

    // The size and modification time of an open file; false when it cannot be asked.
    static bool describe(int descriptor, qint64* size, qint64* modifiedNs);
};
