#pragma once

#include <QByteArrayView>
#include <QtAlgorithms>
#include <array>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "log/adif_text.h"

// How a record's tags and values are found, for every part of the program that
// reads them: the record readers, the marking, the addresses read back from a
// log and the header of a confirmation download. A tag is "<NAME:LENGTH>",
// "<NAME:LENGTH:T>" or "<NAME>", its name ended by its first ":" or ">" with no
// "<" before; its value is as long as the tag says where that fits, else it
// runs up to the next "<". Kept inline: the readers call this for every tag.
namespace adif {

// The first of `from` .. `limit` - 1 that is one of `Stops`, else `limit`.
// Bytes up to `readable` may be looked at, sixteen at a time.
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
            return from + qCountTrailingZeroBits(mask);
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

// Where the name of the tag at `at` ends (its ":" or ">"), or -1 when another
// "<" or the end of the text comes first.
inline qsizetype tagNameEnd(QByteArrayView text, qsizetype at) {
    static constexpr std::array<bool, 256> kEnds = [] {
        std::array<bool, 256> table{};
        table[':'] = table['>'] = table['<'] = true;
        return table;
    }();
    const auto* const data = reinterpret_cast<const unsigned char*>(text.data());
    qsizetype end = at + 1;
    while (end < text.size() && !kEnds[data[end]]) {
        ++end;
    }
    return end >= text.size() || text[end] == '<' ? -1 : end;
}

// The ">" that closes a tag whose name ends at `nameEnd`: that byte itself, or
// the first ">" after it, which may lie past the next "<" (the value is then
// read from there on); -1 when none follows. Most often a few digits on: those
// are looked at byte by byte before memchr is called.
inline qsizetype tagClose(QByteArrayView text, qsizetype nameEnd) {
    const qsizetype near = std::min(text.size(), nameEnd + 12);
    for (qsizetype at = nameEnd; at < near; ++at) {
        if (text[at] == '>') {
            return at;
        }
    }
    return find(text, '>', near);
}

// Where a value ends: after the `announced` bytes from `begin` where they
// hold no "<" and are followed (line breaks skipped) by a "<", a blank or the
// end; else at the next "<", or the end of the text. A reader of raw text
// names the line breaks as `Breaks`: a value may then hold none, and -1 says
// one fell inside it (the record's lines are to be joined first), or that no
// "<" follows it.
template <char... Breaks>
inline qsizetype valueStop(const char* data, qsizetype begin, qsizetype announced, qsizetype size) {
    qsizetype stop = begin;
    if (announced > 0 && announced <= size - begin) {
        stop = firstOf<'<', Breaks...>(data, begin, begin + announced, size);
        if (stop == begin + announced) {
            qsizetype after = stop;
            while (after < size && isLineBreak(data[after])) {
                ++after;
            }
            if (after == size || data[after] == '<' || isBlank(data[after])) {
                return stop;
            }
        }
    }
    const qsizetype end = firstOf<'<', Breaks...>(data, stop, size, size);
    if constexpr (sizeof...(Breaks) > 0) {
        return end < size && data[end] == '<' ? end : -1;
    }
    return end;
}

// Where the value of a text without line breaks ends (see valueStop).
inline qsizetype valueEnd(QByteArrayView text, qsizetype begin, qsizetype announced) {
    return valueStop<>(text.data(), begin, announced, text.size());
}

// One tag of a text.
struct AdifTag {
    qsizetype at = -1;     // its "<"
    qsizetype close = -1;  // its ">" (see tagClose), -1 when none follows
    qsizetype next = -1;   // the next "<" after its own, or the end of the text
    QByteArrayView name;

    bool closed() const { return close >= 0; }
    // "<NAME>", as <EOR> and <EOH> are.
    bool bare() const { return close == at + 1 + name.size(); }
};

// The tags of a record's text (its line breaks left out, as the reader reads
// it), one after another, and the values they read.
class AdifTagScanner {
  public:
    explicit AdifTagScanner(QByteArrayView text) : text_(text), next_(find(text, '<', 0)) {}

    // The next tag, false after the last. Every "<" followed by a name is
    // one: a "<" inside a value the tag's length covered is looked at too,
    // as the reader does.
    bool next(AdifTag* tag) {
        while (next_ >= 0) {
            const qsizetype at = next_;
            next_ = find(text_, '<', at + 1);
            const qsizetype nameEnd = tagNameEnd(text_, at);
            if (nameEnd >= 0) {
                tag->at = at;
                tag->name = text_.sliced(at + 1, nameEnd - at - 1);
                tag->close = tagClose(text_, nameEnd);
                tag->next = next_ < 0 ? text_.size() : next_;
                return true;
            }
        }
        return false;
    }

    // Where the value of a tag ends (its start is just past its ">").
    qsizetype valueEnd(const AdifTag& tag) const {
        const qsizetype begin = tag.close + 1;
        return adif::valueEnd(text_, begin,
                              announcedLength(text_.sliced(tag.at, tag.close - tag.at)));
    }

    // The value a tag reads, as the reader reads it; empty without a ">".
    QByteArrayView value(const AdifTag& tag) const {
        if (!tag.closed()) {
            return {};
        }
        return text_.sliced(tag.close + 1, valueEnd(tag) - tag.close - 1);
    }

  private:
    QByteArrayView text_;
    qsizetype next_;
};

// Calls `found` with the place of each "<" of `text` followed by `letter`
// (either case), in order; false, having stopped, at a line break.
template <char Letter, typename Found>
inline bool forEachTagStartingWith(QByteArrayView text, Found found) {
    static_assert(Letter >= 'A' && Letter <= 'Z', "an upper-case letter");
    const char* data = text.data();
    const qsizetype size = text.size();
    qsizetype at = 0;
#ifdef __SSE2__
    for (; at + 17 <= size; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + 1));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n')),
                                            _mm_cmpeq_epi8(block, _mm_set1_epi8('\r')));
        if (_mm_movemask_epi8(breaks) != 0) {
            return false;
        }
        const __m128i letter = _mm_or_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8(Letter)),
                                            _mm_cmpeq_epi8(next, _mm_set1_epi8(Letter + 32)));
        const __m128i opening = _mm_cmpeq_epi8(block, _mm_set1_epi8('<'));
        for (auto starts = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(opening, letter)));
             starts != 0; starts &= starts - 1) {
            found(at + qCountTrailingZeroBits(starts));
        }
    }
#endif
    for (; at < size; ++at) {
        if (isLineBreak(data[at])) {
            return false;
        }
        if (data[at] == '<' && at + 1 < size && upper(data[at + 1]) == Letter) {
            found(at);
        }
    }
    return true;
}

}  // namespace adif
