#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>

// A 64-bit hash of a stream of bytes, the same however the stream is cut into
// pieces. Each 64-byte stripe feeds eight lanes: a word xored with a key is
// multiplied by itself (its two halves), its neighbour added; every 16 stripes
// the lanes are stirred. Tens of gigabytes a second where the processor has
// SSE2, so that a log is hashed while it is read and a copy while it is written.
class StreamHash {
  public:
    StreamHash();
    void add(QByteArrayView bytes);
    quint64 value() const;
    qint64 size() const { return size_; }

    static constexpr qsizetype kStripe = 64;
    static constexpr int kStripesPerBlock = 16;

  private:
    void addStripes(const unsigned char* stripes, qsizetype count);

    std::array<quint64, 8> lanes_;
    std::array<unsigned char, kStripe> tail_{};
    qsizetype tailSize_ = 0;
    int stripesInBlock_ = 0;
    qint64 size_ = 0;
};
