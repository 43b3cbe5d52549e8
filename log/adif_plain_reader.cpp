#include "log/adif_plain_reader.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstring>

#include "log/adif_text.h"

using namespace adif;

namespace {

// The helpers of the one-pass reading are inline: they run for every tag of a
// log, and a call each would cost more than their work.

// The first of `from` .. `limit` - 1 that is one of `Stops`, else
// `limit`. Bytes up to `readable` may be looked at, sixteen at a time.
template <char... Stops>
inline qsizetype firstOf(const char* data, qsizetype from, qsizetype limit, qsizetype readable) {
#ifdef __SSE2__
    while (from < limit && from + 16 <= readable) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(Stops)))), ...);
        unsigned int mask = static_cast<unsigned int>(_mm_movemask_epi8(hits));
        if (limit - from < 16) {
            mask &= (1U << (limit - from)) - 1;
        }
        if (mask != 0) {
            return from + __builtin_ctz(mask);
        }
        from += 16;
    }
#endif
    for (; from < limit; ++from) {
        if (((data[from] == Stops) || ...)) {
            return from;
        }
    }
    return limit;
}

// The next "<" at or after `from`, or -1; most often one of the next two bytes.
inline qsizetype nextTag(const char* data, qsizetype from, qsizetype size) {
    if (from < size && data[from] == '<') {
        return from;
    }
    if (from + 1 < size && data[from + 1] == '<') {
        return from + 1;
    }
    const qsizetype found = firstOf<'<'>(data, from, size, size);
    return found < size ? found : -1;
}

inline qsizetype tagNameStop(const char* data, qsizetype from, qsizetype size) {
    return firstOf<':', '>', '<', '\n', '\r'>(data, from, size, size);
}

inline qsizetype valueStop(const char* data, qsizetype from, qsizetype limit, qsizetype size) {
    return firstOf<'<', '\n', '\r'>(data, from, limit, size);
}

// Where the value starting at `begin` ends: after the `length` bytes its
// tag announces where they hold no "<" and a "<" or a blank follows them
// (line breaks skipped), else at the next "<". -1 when a line break falls
// inside the value or no "<" follows it.
inline qsizetype plainValueEnd(const char* data, qsizetype begin, qsizetype length,
                               qsizetype size) {
    qsizetype stop = begin;
    if (length > 0 && length <= size - begin) {
        stop = valueStop(data, begin, begin + length, size);
        if (stop == begin + length) {
            qsizetype after = stop;
            while (after < size && isLineBreak(data[after])) {
                ++after;
            }
            if (after < size && (data[after] == '<' || isBlank(data[after]))) {
                return stop;
            }
        }
    }
    stop = valueStop(data, stop, size, size);
    return stop < size && data[stop] == '<' ? stop : -1;
}

}  // namespace

qsizetype AdifPlainReader::read(QByteArrayView bytes, qsizetype position) const {
    const char* const data = bytes.data();
    const qsizetype size = bytes.size();
    FieldSpans spans;
    bool anyTag = false;
    qsizetype at = position;
    if (data[at] != '<') {
        return -1;
    }
    while (true) {
        const qsizetype nameEnd = tagNameStop(data, at + 1, size);
        if (nameEnd >= size || (data[nameEnd] != ':' && data[nameEnd] != '>')) {
            return -1;
        }
        const QByteArrayView name(data + at + 1, nameEnd - at - 1);
        const bool eorName = sameName(name, "EOR");
        if (data[nameEnd] == '>') {
            if (!eorName) {
                return -1;
            }
            const qsizetype end = nameEnd + 1;
            if (anyTag) {
                found_(spans, position, end, false);
            }
            return end;
        }
        if (name.isEmpty() || eorName || sameName(name, "EOH")) {
            return -1;
        }
        qsizetype digit = nameEnd + 1;
        qsizetype length = 0;
        while (digit < size && digit - nameEnd <= 9 && data[digit] >= '0' && data[digit] <= '9') {
            length = length * 10 + (data[digit] - '0');
            ++digit;
        }
        if (digit == nameEnd + 1 || digit + 2 >= size) {
            return -1;
        }
        const bool typed = data[digit] == ':' && data[digit + 2] == '>' &&
                           std::strchr(":<>\n\r", data[digit + 1]) == nullptr;
        if (typed) {
            digit += 2;
        } else if (data[digit] != '>') {
            return -1;
        }
        const qsizetype begin = digit + 1;
        anyTag = true;
        const Field field = fieldNamed(name, size - (at + 1));
        qsizetype next = -1;
        if (field == kFieldCount || spans.has(field)) {
            if (field == kCall) {
                return -1;
            }
            next = nextTag(data, begin, size);
        } else {
            const qsizetype valueEnd = plainValueEnd(data, begin, length, size);
            if (valueEnd < 0) {
                return -1;
            }
            spans.set(field, QByteArrayView(data + begin, valueEnd - begin));
            next = nextTag(data, valueEnd, size);
        }
        if (next < 0) {
            return -1;
        }
        at = next;
    }
}
