#include "files/stream_hash.h"

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr quint64 kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kPrime3 = 0x165667B19E3779F9ULL;
constexpr quint64 kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr quint32 kStirPrime = 0x9E3779B1U;

// Keys of the lanes: any bytes without a pattern do; these are the fractional
// digits of pi.
alignas(16) constexpr quint64 kKeys[8] = {
    0x243F6A8885A308D3ULL, 0x13198A2E03707344ULL, 0xA4093822299F31D0ULL, 0x082EFA98EC4E6C89ULL,
    0x452821E638D01377ULL, 0xBE5466CF34E90C6CULL, 0xC0AC29B7C97C50DDULL, 0x3F84D5B5B5470917ULL};
alignas(16) constexpr quint64 kStirKeys[8] = {
    0x9216D5D98979FB1BULL, 0xD1310BA698DFB5ACULL, 0x2FFD72DBD01ADFB7ULL, 0xB8E1AFED6A267E96ULL,
    0xBA7C9045F12C7F99ULL, 0x24A19947B3916CF7ULL, 0x0801F2E2858EFC16ULL, 0x636920D871574E69ULL};

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

#ifdef __SSE2__
struct Lanes {
    __m128i value[4];
    static constexpr size_t size() { return 4; }
    __m128i& operator[](size_t i) { return value[i]; }
};

void addStripe(Lanes& lanes, const unsigned char* stripe) {
    for (size_t i = 0; i < lanes.size(); ++i) {
        const __m128i words = _mm_loadu_si128(reinterpret_cast<const __m128i*>(stripe + 16 * i));
        const __m128i keyed =
            _mm_xor_si128(words, _mm_load_si128(reinterpret_cast<const __m128i*>(kKeys + 2 * i)));
        const __m128i product = _mm_mul_epu32(keyed, _mm_shuffle_epi32(keyed, 0x31));
        const __m128i neighbours = _mm_shuffle_epi32(words, 0x4E);
        lanes[i] = _mm_add_epi64(lanes[i], _mm_add_epi64(product, neighbours));
    }
}

void stir(Lanes& lanes) {
    const __m128i prime = _mm_set1_epi32(static_cast<int>(kStirPrime));
    for (size_t i = 0; i < lanes.size(); ++i) {
        __m128i lane = _mm_xor_si128(lanes[i], _mm_srli_epi64(lanes[i], 47));
        lane = _mm_xor_si128(lane,
                             _mm_load_si128(reinterpret_cast<const __m128i*>(kStirKeys + 2 * i)));
        const __m128i low = _mm_mul_epu32(lane, prime);
        const __m128i high = _mm_slli_epi64(_mm_mul_epu32(_mm_srli_epi64(lane, 32), prime), 32);
        lanes[i] = _mm_add_epi64(low, high);
    }
}
#else
using Lanes = std::array<quint64, 8>;

void addStripe(Lanes& lanes, const unsigned char* stripe) {
    for (size_t i = 0; i < lanes.size(); ++i) {
        const quint64 keyed = loadWord(stripe + 8 * i) ^ kKeys[i];
        lanes[i] += (keyed & 0xFFFFFFFFU) * (keyed >> 32) + loadWord(stripe + 8 * (i ^ 1));
    }
}

void stir(Lanes& lanes) {
    for (size_t i = 0; i < lanes.size(); ++i) {
        const quint64 lane = (lanes[i] ^ (lanes[i] >> 47)) ^ kStirKeys[i];
        lanes[i] = lane * kStirPrime;
    }
}
#endif

}  // namespace

StreamHash::StreamHash()
    : lanes_{kPrime3, kPrime2, kPrime1, kPrime4, kPrime2, kPrime3, kPrime4, kPrime1} {}

void StreamHash::addStripes(const unsigned char* stripes, qsizetype count) {
    Lanes lanes;
    std::memcpy(&lanes, lanes_.data(), sizeof lanes);
    for (qsizetype i = 0; i < count; ++i) {
        addStripe(lanes, stripes + kStripe * i);
        if (++stripesInBlock_ == kStripesPerBlock) {
            stir(lanes);
            stripesInBlock_ = 0;
        }
    }
    std::memcpy(lanes_.data(), &lanes, sizeof lanes);
}

void StreamHash::add(QByteArrayView bytes) {
    if (bytes.isEmpty()) {
        return;  // and no null pointer handed to memcpy
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype left = bytes.size();
    size_ += left;
    if (tailSize_ > 0) {
        const qsizetype taken = std::min<qsizetype>(left, kStripe - tailSize_);
        std::memcpy(tail_.data() + tailSize_, data, static_cast<size_t>(taken));
        tailSize_ += taken;
        data += taken;
        left -= taken;
        if (tailSize_ < kStripe) {
            return;
        }
        addStripes(tail_.data(), 1);
        tailSize_ = 0;
    }
    addStripes(data, left / kStripe);
    data += left / kStripe * kStripe;
    left %= kStripe;
    std::memcpy(tail_.data(), data, static_cast<size_t>(left));
    tailSize_ = left;
}

quint64 StreamHash::value() const {
    quint64 hash = static_cast<quint64>(size_) * kPrime1;
    for (const quint64 lane : lanes_) {
        hash = rotate(hash ^ mixWord(0, lane), 27) * kPrime1 + kPrime4;
    }
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
