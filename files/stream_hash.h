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
