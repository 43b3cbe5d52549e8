#include "log/adif_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "log/band_table.h"
#include "log/qso_row.h"

namespace {

constexpr int kMaxCallsign = 12;
constexpr int kMaxVia = 12;
constexpr int kMaxMode = 9;
constexpr int kMaxRst = 10;

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool matchesUpper(const char* text, const char* upperWord, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (upper(text[i]) != upperWord[i]) {
            return false;
        }
    }
    return true;
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSpacing(char c) {
    return isBlank(c) || isLineBreak(c);
}

// Position of the first `c` at or after `from`, or -1.
qsizetype find(QByteArrayView text, char c, qsizetype from) {
    if (from >= text.size()) {
        return -1;
    }
    const void* found = std::memchr(text.data() + from, c, static_cast<size_t>(text.size() - from));
    return found ? static_cast<const char*>(found) - text.data() : -1;
}

// Offset just past the first <EOH> (any case), or 0 when the log has no header.
qsizetype recordsStart(QByteArrayView bytes) {
    for (qsizetype at = find(bytes, '<', 0); at >= 0; at = find(bytes, '<', at + 1)) {
        if (bytes.size() - at >= 5 && matchesUpper(bytes.data() + at, "<EOH>", 5)) {
            return at + 5;
        }
    }
    return 0;
}

// True when "EOR>" (any case) follows the "<" at `at`, line breaks skipped.
// Sets `end` just past the ">".
bool isEorAt(QByteArrayView text, qsizetype at, qsizetype* end) {
    static const char kRest[] = "EOR>";
    qsizetype i = at + 1;
    for (int matched = 0; matched < 4; ++i) {
        if (i >= text.size()) {
            return false;
        }
        if (isLineBreak(text[i])) {
            continue;
        }
        if (upper(text[i]) != kRest[matched]) {
            return false;
        }
        ++matched;
    }
    *end = i;
    return true;
}

// Offset just past the first <EOR> at or after `from`, or -1.
qsizetype findEorEnd(QByteArrayView text, qsizetype from) {
    qsizetype end = -1;
    for (qsizetype at = find(text, '<', from); at >= 0; at = find(text, '<', at + 1)) {
        if (isEorAt(text, at, &end)) {
            return end;
        }
    }
    return -1;
}

// Offset just past the last plain five-byte <EOR> that starts at or after
// `from`, or -1. Every such <EOR> ends a record, so a log may be cut there.
qsizetype lastEorEnd(QByteArrayView text, qsizetype from) {
    for (qsizetype at = text.size() - 5; at >= from; --at) {
        const void* found = memrchr(text.data() + from, '<', static_cast<size_t>(at + 1 - from));
        if (found == nullptr) {
            return -1;
        }
        at = static_cast<const char*>(found) - text.data();
        if (matchesUpper(text.data() + at, "<EOR>", 5)) {
            return at + 5;
        }
    }
    return -1;
}

enum Field {
    kCall,
    kQsoDate,
    kTimeOn,
    kBand,
    kFreq,
    kMode,
    kRstSent,
    kQslVia,
    kQslSent,
    kQslSentVia,
    kQslRcvd,
    kDxcc,
    kCountry,
    kPropMode,
    kSatName,
    kFieldCount
};

// The fields whose tag alone makes the text after the last <EOR> a QSO.
bool isListedField(Field field) {
    return field <= kQslVia;
}

template <size_t N>
bool sameName(QByteArrayView name, const char (&known)[N]) {
    return name.size() == static_cast<qsizetype>(N - 1) && matchesUpper(name.data(), known, N - 1);
}

// Up to 16 bytes of a name, little-endian, bytes past its end zero.
struct PackedName {
    quint64 low = 0;
    quint64 high = 0;
    constexpr bool operator==(const PackedName& other) const {
        return low == other.low && high == other.high;
    }
};

constexpr PackedName packName(const char* name, size_t size) {
    PackedName packed;
    for (size_t i = 0; i < size && i < 16; ++i) {
        const auto byte = static_cast<quint64>(static_cast<unsigned char>(name[i]));
        (i < 8 ? packed.low : packed.high) |= byte << (8 * (i % 8));
    }
    return packed;
}

// The eight bytes with a to z upper-cased, every other byte left as it is.
constexpr quint64 upperAscii(quint64 bytes) {
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const quint64 low7 = bytes & ~kHighBits;
    const quint64 pastZ = low7 + kOnes * (0x7F - 'z');
    const quint64 fromA = low7 + kOnes * (0x80 - 'a');
    const quint64 lower = fromA & ~pastZ & ~bytes & kHighBits;
    return bytes - (lower >> 2);
}

struct KnownName {
    PackedName name;
    qsizetype size;
    Field field;
};

#define QE_KNOWN(text, field)                                     \
    KnownName {                                                   \
        packName(text, sizeof(text) - 1), sizeof(text) - 1, field \
    }
constexpr KnownName kKnownNames[] = {
    QE_KNOWN("CALL", kCall),        QE_KNOWN("QSO_DATE", kQsoDate),
    QE_KNOWN("TIME_ON", kTimeOn),   QE_KNOWN("BAND", kBand),
    QE_KNOWN("FREQ", kFreq),        QE_KNOWN("MODE", kMode),
    QE_KNOWN("RST_SENT", kRstSent), QE_KNOWN("QSL_VIA", kQslVia),
    QE_KNOWN("QSL_SENT", kQslSent), QE_KNOWN("QSL_SENT_VIA", kQslSentVia),
    QE_KNOWN("QSL_RCVD", kQslRcvd), QE_KNOWN("DXCC", kDxcc),
    QE_KNOWN("COUNTRY", kCountry),  QE_KNOWN("PROP_MODE", kPropMode),
    QE_KNOWN("SAT_NAME", kSatName),
};
#undef QE_KNOWN

// Where a packed, upper-cased name may stand in the table of known names.
constexpr unsigned nameSlot(const PackedName& name) {
    return static_cast<unsigned>(((name.low ^ (name.high * 31)) * 0xC4CEB9FE1A85EC53ULL) >> 58);
}

struct NameTable {
    std::array<qint8, 64> known{};
    bool distinct = true;
};

constexpr NameTable makeNameTable() {
    NameTable table;
    for (auto& entry : table.known) {
        entry = -1;
    }
    for (size_t i = 0; i < std::size(kKnownNames); ++i) {
        qint8& entry = table.known[nameSlot(kKnownNames[i].name)];
        table.distinct = table.distinct && entry < 0;
        entry = static_cast<qint8>(i);
    }
    return table;
}

constexpr NameTable kNameTable = makeNameTable();
static_assert(kNameTable.distinct, "two known field names share a slot");

// The field a tag name stands for (any case), or kFieldCount for any other
// name. `readable`: how many bytes from the name's start may be looked at.
Field fieldNamed(QByteArrayView name, qsizetype readable = 0) {
    if (name.size() < 4 || name.size() > 12) {
        return kFieldCount;
    }
    PackedName packed;
    if (readable >= 16) {
        // Read in place: words loaded from a fresh copy would wait for it.
        std::memcpy(&packed.low, name.data(), 8);
        std::memcpy(&packed.high, name.data() + 8, 8);
        const auto kept = [](qsizetype bytes) {
            return bytes >= 8 ? ~quint64(0) : (quint64(1) << (8 * bytes)) - 1;
        };
        packed.low &= kept(name.size());
        packed.high &= name.size() > 8 ? kept(name.size() - 8) : 0;
    } else {
        char bytes[16] = {};
        std::memcpy(bytes, name.data(), static_cast<size_t>(name.size()));
        std::memcpy(&packed.low, bytes, 8);
        std::memcpy(&packed.high, bytes + 8, 8);
    }
    packed.low = upperAscii(packed.low);
    packed.high = upperAscii(packed.high);
    const int index = kNameTable.known[nameSlot(packed)];
    if (index < 0) {
        return kFieldCount;
    }
    const KnownName& known = kKnownNames[index];
    return known.name == packed && known.size == name.size() ? known.field : kFieldCount;
}

QByteArrayView trimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

bool isValidUtf8(QByteArrayView text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        int continuation = 0;
        unsigned int codePoint = 0;
        if (c < 0x80) {
            ++p;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            continuation = 1;
            codePoint = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            continuation = 2;
            codePoint = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            continuation = 3;
            codePoint = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= continuation) {
            return false;
        }
        for (int k = 1; k <= continuation; ++k) {
            if ((p[k] & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6) | (p[k] & 0x3F);
        }
        const bool overlong =
            (continuation == 2 && codePoint < 0x800) || (continuation == 3 && codePoint < 0x10000);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF) {
            return false;
        }
        p += continuation + 1;
    }
    return true;
}

// A value as the QSO list shows it: control characters as spaces, blanks
// trimmed, byte order marks removed, decoded (UTF-8 where valid, else
// Latin-1) and upper-cased, as UTF-8. `storage` keeps a changed copy alive.
QByteArrayView cleanValue(QByteArrayView raw, QByteArray& storage) {
    enum : quint8 { kPlain = 0, kLower = 1, kOther = 2 };
    static const std::array<quint8, 256> kinds = [] {
        std::array<quint8, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            table[byte] = byte < 0x20 || byte >= 0x7F  ? kOther
                          : byte >= 'a' && byte <= 'z' ? kLower
                                                       : kPlain;
        }
        return table;
    }();
    quint8 seen = kPlain;
    for (const char c : raw) {
        seen |= kinds[static_cast<unsigned char>(c)];
    }
    const bool plain = (seen & kOther) == 0;
    const bool lowerCase = (seen & kLower) != 0;
    if (plain) {
        const QByteArrayView trimmed = trimBlanks(raw);
        if (!lowerCase) {
            return trimmed;
        }
        storage.resize(trimmed.size());
        std::transform(trimmed.begin(), trimmed.end(), storage.begin(), upper);
        return storage;
    }
    QByteArray bytes = raw.toByteArray();
    for (char& c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    QString text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    text.remove(QChar(0xFEFF));
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ') {
        ++begin;
    }
    while (end > begin && text.at(end - 1) == u' ') {
        --end;
    }
    storage = text.mid(begin, end - begin).toUpper().toUtf8();
    return storage;
}

// The QSOs of one piece of a log, ready to be handed on in file order.
struct ParsedQso {
    enum Message : quint8 {
        kMissingEnd = 1,
        kMissingDate = 2,
        kMissingTime = 4,
        kMissingCallsign = 8,
        kMissingBand = 16
    };
    std::array<quint32, kQsoFieldCount + 1> bounds;  // set by the parser for every QSO
    double frequencyMhz = 0;
    qint64 fileOffset = 0;
    qint64 fileLength = 0;
    quint8 messages = 0;
};

// Bytes added at the end, left uninitialised until written.
class ByteBuffer {
  public:
    const char* data() const { return bytes_.get(); }
    size_t size() const { return size_; }
    void clear() { size_ = 0; }
    void reserve(size_t capacity) {
        if (capacity > capacity_) {
            std::unique_ptr<char[]> larger(new char[capacity]);
            if (size_ > 0) {
                std::memcpy(larger.get(), bytes_.get(), size_);
            }
            bytes_ = std::move(larger);
            capacity_ = capacity;
        }
    }
    // Room for `bytes` more at the end; the size grows by them.
    char* extend(size_t bytes) {
        if (size_ + bytes > capacity_) {
            reserve(std::max(2 * capacity_, size_ + bytes));
        }
        char* at = bytes_.get() + size_;
        size_ += bytes;
        return at;
    }

  private:
    std::unique_ptr<char[]> bytes_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

struct ParsedPiece {
    ByteBuffer text;
    std::vector<ParsedQso> qsos;
};

// The raw value of each used field of one QSO, before cleaning. Left
// uninitialised where absent: it is made for every QSO of a log.
class FieldSpans {
  public:
    bool has(Field field) const { return (present_ & (1U << field)) != 0; }
    QByteArrayView value(Field field) const {
        return has(field) ? QByteArrayView(begins_[field], sizes_[field]) : QByteArrayView();
    }
    void set(Field field, QByteArrayView value) {
        present_ |= 1U << field;
        begins_[field] = value.data();
        sizes_[field] = value.size();
    }

  private:
    quint32 present_ = 0;
    const char* begins_[kFieldCount];
    qsizetype sizes_[kFieldCount];
};

// One QSO's text: where each used field's tag starts.
class QsoText {
  public:
    explicit QsoText(QByteArrayView text) : text_(text) { tagAt_.fill(-1); }

    void note(Field field, qsizetype at) {
        if (field != kFieldCount && tagAt_[field] < 0) {
            tagAt_[field] = at;
        }
    }
    bool has(Field field) const { return tagAt_[field] >= 0; }
    void endAt(qsizetype size) { text_ = text_.first(size); }

    FieldSpans spans() const {
        FieldSpans spans;
        for (int field = 0; field < kFieldCount; ++field) {
            if (has(Field(field))) {
                spans.set(Field(field), value(Field(field)));
            }
        }
        return spans;
    }

    // The value of a field's tag, blanks trimmed; empty when it is missing.
    // The length the tag announces is taken where it fits: that many bytes
    // with no "<", followed by "<", a blank or the end of the text.
    QByteArrayView value(Field field) const {
        const qsizetype tag = tagAt_[field];
        if (tag < 0) {
            return {};
        }
        const qsizetype close = find(text_, '>', tag);
        if (close < 0) {
            return {};
        }
        const qsizetype begin = close + 1;
        const qsizetype announced = announcedLength(text_.sliced(tag, close - tag));
        if (announced > 0 && announced <= text_.size() - begin) {
            const qsizetype after = begin + announced;
            const bool fits =
                std::memchr(text_.data() + begin, '<', static_cast<size_t>(announced)) == nullptr &&
                (after == text_.size() || text_[after] == '<' || isBlank(text_[after]));
            if (fits) {
                return text_.sliced(begin, announced);
            }
        }
        qsizetype next = find(text_, '<', begin);
        if (next < 0) {
            next = text_.size();
        }
        return text_.sliced(begin, next - begin);
    }

  private:
    // n of a tag "<NAME:n" or "<NAME:n:T" (n of 1 to 9 digits), else 0.
    static qsizetype announcedLength(QByteArrayView tag) {
        const qsizetype colon = find(tag, ':', 0);
        if (colon < 0) {
            return 0;
        }
        qsizetype i = colon + 1;
        qsizetype length = 0;
        while (i < tag.size() && tag[i] >= '0' && tag[i] <= '9' && i - colon <= 9) {
            length = length * 10 + (tag[i] - '0');
            ++i;
        }
        const qsizetype digits = i - colon - 1;
        const bool typed = i + 2 == tag.size() && tag[i] == ':';
        return digits >= 1 && digits <= 9 && (i == tag.size() || typed) ? length : 0;
    }

    QByteArrayView text_;
    std::array<qsizetype, kFieldCount> tagAt_{};
};

// Turns the record texts of one piece of a log into QSOs.
class PieceParser {
  public:
    // `flush`, when given, takes the QSOs found so far every few thousand
    // QSOs, so that a giant record cut into many QSOs is not held whole.
    PieceParser(ParsedPiece& out, qint64 fileBase, std::function<void(ParsedPiece&)> flush)
        : out_(out), fileBase_(fileBase), flush_(std::move(flush)) {}

    // Reads every record of `bytes`; the text after the last <EOR> counts only
    // when `last` (the piece ends the log). A record's tags are read in one
    // pass where it has no line break; one that has is first joined in place.
    void parse(char* data, qsizetype size, bool last) {
        const QByteArrayView bytes(data, size);
        data_ = data;
        qsizetype position = 0;
        while (true) {
            while (position < bytes.size() && isSpacing(bytes[position])) {
                ++position;
            }
            if (position >= bytes.size()) {
                return;
            }
            if (plainShortcut_) {
                const qsizetype plainEnd = readPlainRecord(bytes, position);
                if (plainEnd > 0) {
                    position = plainEnd;
                    continue;
                }
            }
            removedAt_.clear();
            qsizetype end = readRecord(bytes.sliced(position), position, false, last);
            if (end == kLineBreaks) {
                const qsizetype eorEnd = findEorEnd(bytes, position);
                const qsizetype recordEnd = eorEnd < 0 ? bytes.size() : eorEnd;
                const QByteArrayView joined = join(bytes.sliced(position, recordEnd - position));
                readRecord(joined, position, true, last);
                end = eorEnd < 0 ? -1 : eorEnd - position;
            }
            if (end < 0) {
                return;
            }
            position += end;
        }
    }

    // Off: every record is read by the general rules (to check the shortcut).
    void setPlainShortcut(bool on) { plainShortcut_ = on; }

  private:
    static constexpr qsizetype kLineBreaks = -2;

    // The first of `from` .. `limit` - 1 that is one of `Stops`, else
    // `limit`. Bytes up to `readable` may be looked at, sixteen at a time.
    template <char... Stops>
    static qsizetype firstOf(const char* data, qsizetype from, qsizetype limit,
                             qsizetype readable) {
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
    static qsizetype nextTag(const char* data, qsizetype from, qsizetype size) {
        if (from < size && data[from] == '<') {
            return from;
        }
        if (from + 1 < size && data[from + 1] == '<') {
            return from + 1;
        }
        const qsizetype found = firstOf<'<'>(data, from, size, size);
        return found < size ? found : -1;
    }

    static qsizetype tagNameStop(const char* data, qsizetype from, qsizetype size) {
        return firstOf<':', '>', '<', '\n', '\r'>(data, from, size, size);
    }
    static qsizetype valueStop(const char* data, qsizetype from, qsizetype limit, qsizetype size) {
        return firstOf<'<', '\n', '\r'>(data, from, limit, size);
    }

    // Reads, in one pass, a record that the general rules would read the same
    // way tag by tag: it starts with a tag, an <EOR> ends it, every "<" in it
    // opens a tag "<NAME:n>" or "<NAME:n:T>" with no line break inside, it
    // holds one CALL tag, and no line break falls inside a used field's value
    // (line breaks between tags change nothing once lines are joined). Returns
    // the offset just past its <EOR>, or -1, having read nothing, for any
    // other record.
    qsizetype readPlainRecord(QByteArrayView bytes, qsizetype position) {
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
                    convert(spans, position, end, false);
                }
                return end;
            }
            if (name.isEmpty() || eorName || sameName(name, "EOH")) {
                return -1;
            }
            qsizetype digit = nameEnd + 1;
            qsizetype length = 0;
            while (digit < size && digit - nameEnd <= 9 && data[digit] >= '0' &&
                   data[digit] <= '9') {
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

    // Where the value starting at `begin` ends: after the `length` bytes its
    // tag announces where they hold no "<" and a "<" or a blank follows them
    // (line breaks skipped), else at the next "<". -1 when a line break falls
    // inside the value or no "<" follows it.
    static qsizetype plainValueEnd(const char* data, qsizetype begin, qsizetype length,
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

    // A record's text as read: lines joined with nothing between them, in
    // the place of the raw text.
    QByteArrayView join(QByteArrayView raw) {
        removedAt_.clear();
        if (std::memchr(raw.data(), '\n', static_cast<size_t>(raw.size())) == nullptr &&
            std::memchr(raw.data(), '\r', static_cast<size_t>(raw.size())) == nullptr) {
            return raw;
        }
        char* const begin = data_ + (raw.data() - data_);
        char* out = begin;
        for (const char c : raw) {
            if (isLineBreak(c)) {
                removedAt_.push_back(out - begin);
            } else {
                *out++ = c;
            }
        }
        return QByteArrayView(begin, out - begin);
    }

    // Offset in the raw record text of the joined text's byte `at`.
    qsizetype rawIndex(qsizetype at) const {
        return at +
               (std::upper_bound(removedAt_.begin(), removedAt_.end(), at) - removedAt_.begin());
    }
    // Offset in the raw record text just past the joined text's first `at` bytes.
    qsizetype rawEnd(qsizetype at) const {
        return at +
               (std::lower_bound(removedAt_.begin(), removedAt_.end(), at) - removedAt_.begin());
    }

    // Reads the record at the start of `text` up to its <EOR> (or, when
    // `last`, up to the end of `text`), cutting it before each later CALL tag.
    // Returns the offset just past its <EOR>, -1 when none ends it, or
    // kLineBreaks, before anything is converted, when the record has a line
    // break and `joined` (its lines joined already) is false.
    qsizetype readRecord(QByteArrayView text, qsizetype rawStart, bool joined, bool last) {
        qsizetype pieceStart = 0;
        bool cut = false;
        bool anyTag = false;
        bool listedTag = false;
        bool checked = joined;
        QsoText piece(text);
        const auto hasLineBreak = [&](qsizetype end) {
            const bool found = !checked && containsLineBreak(text.first(end));
            checked = true;
            return found;
        };
        const auto convertPiece = [&](qsizetype end) {
            piece.endAt(end - pieceStart);
            convert(piece.spans(), rawStart + rawIndex(pieceStart),
                    rawStart + rawEnd(blanksBefore(text, end)), cut);
        };
        for (qsizetype at = find(text, '<', 0); at >= 0; at = find(text, '<', at + 1)) {
            const qsizetype nameEnd = tagNameEnd(text, at);
            if (nameEnd < 0) {
                continue;
            }
            const QByteArrayView name = text.sliced(at + 1, nameEnd - at - 1);
            if (text[nameEnd] == '>' && isEorName(name)) {
                const qsizetype end = nameEnd + 1;
                if (hasLineBreak(end)) {
                    return kLineBreaks;
                }
                if (cut || anyTag) {
                    convertPiece(end);
                }
                return end;
            }
            const Field field = fieldNamed(name);
            if (field == kCall && piece.has(kCall)) {
                if (!checked) {
                    const qsizetype eorEnd = findEorEnd(text, at);
                    if (hasLineBreak(eorEnd < 0 ? text.size() : eorEnd)) {
                        return kLineBreaks;
                    }
                }
                convertPiece(at);
                pieceStart = at;
                cut = true;
                piece = QsoText(text.sliced(pieceStart));
            }
            anyTag =
                anyTag || (!name.isEmpty() && !sameName(name, "EOR") && !sameName(name, "EOH"));
            listedTag |= field != kFieldCount && isListedField(field);
            piece.note(field, at - pieceStart);
        }
        if (!last) {
            return -1;
        }
        if (hasLineBreak(text.size())) {
            return kLineBreaks;
        }
        if (cut || listedTag) {
            convertPiece(text.size());
        }
        return -1;
    }

    static bool containsLineBreak(QByteArrayView text) {
        return std::memchr(text.data(), '\n', static_cast<size_t>(text.size())) != nullptr ||
               std::memchr(text.data(), '\r', static_cast<size_t>(text.size())) != nullptr;
    }

    // True for the name EOR in any case, line breaks in it left out.
    static bool isEorName(QByteArrayView name) {
        static const char kEor[] = "EOR";
        int matched = 0;
        for (const char c : name) {
            if (isLineBreak(c)) {
                continue;
            }
            if (matched == 3 || upper(c) != kEor[matched]) {
                return false;
            }
            ++matched;
        }
        return matched == 3;
    }

    // Where the name of the tag at `at` ends (its ":" or ">"), or -1 when
    // another "<" or the end of the text comes first.
    static qsizetype tagNameEnd(QByteArrayView text, qsizetype at) {
        static const std::array<bool, 256> ends = [] {
            std::array<bool, 256> table{};
            table[':'] = table['>'] = table['<'] = true;
            return table;
        }();
        const auto* const data = reinterpret_cast<const unsigned char*>(text.data());
        qsizetype end = at + 1;
        while (end < text.size() && !ends[data[end]]) {
            ++end;
        }
        return end >= text.size() || text[end] == '<' ? -1 : end;
    }

    // Where the blanks just before `end` begin.
    static qsizetype blanksBefore(QByteArrayView text, qsizetype end) {
        while (end > 0 && isBlank(text[end - 1])) {
            --end;
        }
        return end;
    }

    // Converts one QSO, whose text spans the piece's bytes from `spanBegin` to `spanEnd`.
    void convert(const FieldSpans& qso, qsizetype spanBegin, qsizetype spanEnd, bool cut) {
        ParsedQso parsed;
        parsed.fileOffset = fileBase_ + spanBegin;
        parsed.fileLength = spanEnd - spanBegin;
        if (cut) {
            parsed.messages |= ParsedQso::kMissingEnd;
        }
        fillValues(qso, parsed);
        out_.qsos.push_back(parsed);
        if (flush_ && out_.qsos.size() >= kFlushCount) {
            flush_(out_);
            out_.qsos.clear();
            out_.text.clear();
        }
    }

    void fillValues(const FieldSpans& qso, ParsedQso& parsed) {
        std::array<QByteArrayView, kQsoFieldCount> values;
        const QByteArrayView date = clean(qso, kQsoDate);
        if (date.isEmpty()) {
            parsed.messages |= ParsedQso::kMissingDate;
            values[int(QsoField::Date)] = "01/01/2000";
        } else {
            values[int(QsoField::Date)] = rewriteDate(date);
        }
        const QByteArrayView time = clean(qso, kTimeOn);
        if (time.isEmpty()) {
            parsed.messages |= ParsedQso::kMissingTime;
            values[int(QsoField::Time)] = "00:00";
        } else {
            values[int(QsoField::Time)] = rewriteTime(time);
        }
        const QByteArrayView call = clean(qso, kCall);
        if (call.isEmpty()) {
            parsed.messages |= ParsedQso::kMissingCallsign;
            values[int(QsoField::Callsign)] = "FXXXX";
        } else {
            values[int(QsoField::Callsign)] = utf8Left(call, kMaxCallsign);
        }
        values[int(QsoField::QslVia)] = utf8Left(clean(qso, kQslVia), kMaxVia);
        const QByteArrayView mode = clean(qso, kMode);
        values[int(QsoField::Mode)] =
            mode.isEmpty() ? QByteArrayView("XXX") : utf8Left(mode, kMaxMode);
        const QByteArrayView rst = clean(qso, kRstSent);
        values[int(QsoField::RstSent)] =
            rst.isEmpty() ? QByteArrayView("XX") : utf8Left(rst, kMaxRst);

        const QByteArrayView frequency = qso.has(kFreq) ? clean(qso, kFreq) : QByteArrayView();
        const std::optional<QByteArrayView> band = bandText(qso, frequency);
        if (!band) {
            parsed.messages |= ParsedQso::kMissingBand;
        }
        values[int(QsoField::Band)] = band ? *band : QByteArrayView("1.8 Mhz");

        static constexpr std::array<std::pair<Field, QsoField>, 7> extras = {{
            {kQslSent, QsoField::QslSent},
            {kQslSentVia, QsoField::QslSentVia},
            {kQslRcvd, QsoField::QslRcvd},
            {kDxcc, QsoField::Dxcc},
            {kCountry, QsoField::Country},
            {kPropMode, QsoField::PropMode},
            {kSatName, QsoField::SatName},
        }};
        for (const auto& [field, qsoField] : extras) {
            values[static_cast<size_t>(qsoField)] = clean(qso, field);
        }
        parsed.frequencyMhz = qso.has(kFreq) ? megahertz(frequency) : 0;
        store(values, parsed);
    }

    void store(const std::array<QByteArrayView, kQsoFieldCount>& values, ParsedQso& parsed) {
        size_t total = 0;
        for (const QByteArrayView value : values) {
            total += static_cast<size_t>(value.size());
        }
        quint32 end = static_cast<quint32>(out_.text.size());
        char* out = out_.text.extend(total);
        parsed.bounds[0] = end;
        for (size_t i = 0; i < values.size(); ++i) {
            out = std::copy(values[i].begin(), values[i].end(), out);
            end += static_cast<quint32>(values[i].size());
            parsed.bounds[i + 1] = end;
        }
    }

    // The band table's text from BAND, else from FREQ; none when neither gives one.
    std::optional<QByteArrayView> bandText(const FieldSpans& qso, QByteArrayView frequency) {
        if (qso.has(kBand)) {
            const std::optional<QByteArray>& text = bandForKey(clean(qso, kBand));
            return text ? std::optional<QByteArrayView>(*text) : std::nullopt;
        }
        if (!qso.has(kFreq)) {
            return std::nullopt;
        }
        // Plain digits convert exactly as the full conversion would, without a copy.
        const std::optional<double> plain =
            frequency.startsWith('+') ? std::nullopt : plainDecimal(frequency);
        if (plain) {
            return BandTable::viewForFrequency(*plain);
        }
        frequencyBand_ = BandTable::textForFrequency(frequency.toByteArray());
        return frequencyBand_ ? std::optional<QByteArrayView>(*frequencyBand_) : std::nullopt;
    }

    // The band table's text for a BAND value; the few keys of a log are kept.
    const std::optional<QByteArray>& bandForKey(QByteArrayView key) {
        for (const auto& [known, text] : bandKeys_) {
            if (known.size() == key.size() &&
                (key.isEmpty() || std::memcmp(known.constData(), key.data(),
                                              static_cast<size_t>(key.size())) == 0)) {
                return text;
            }
        }
        if (bandKeys_.size() >= kKeptBandKeys) {
            bandKeys_.erase(bandKeys_.begin());
        }
        const QByteArray copy = key.toByteArray();
        bandKeys_.emplace_back(copy, BandTable::textForKey(copy));
        return bandKeys_.back().second;
    }

    QByteArrayView clean(const FieldSpans& qso, Field field) {
        if (!qso.has(field)) {
            return {};
        }
        return cleanValue(qso.value(field), storage_[field]);
    }

    // A FREQ value in MHz, "," read as "."; 0 when it is no positive number.
    static double megahertz(QByteArrayView value) {
        const std::optional<double> plain = plainDecimal(value);
        if (plain) {
            return *plain > 0 ? *plain : 0;
        }
        char text[64];
        if (value.isEmpty() || value.size() >= qsizetype(sizeof text)) {
            return 0;
        }
        std::replace_copy(value.begin(), value.end(), text, ',', '.');
        const char* begin = text[0] == '+' ? text + 1 : text;
        const char* const end = text + value.size();
        double mhz = 0;
        const auto [stop, problem] = std::from_chars(begin, end, mhz);
        return problem == std::errc() && stop == end && mhz > 0 ? mhz : 0;
    }

    // The value of "[+]DIGITS[.DIGITS]" ("," for ".") of at most 15 digits,
    // which one division rounds exactly as a full decimal conversion would.
    static std::optional<double> plainDecimal(QByteArrayView value) {
        const char* p = value.begin();
        const char* const end = value.end();
        if (p != end && *p == '+') {
            ++p;
        }
        quint64 digits = 0;
        int count = 0;
        int decimals = -1;
        for (; p != end; ++p) {
            if (*p >= '0' && *p <= '9') {
                digits = digits * 10 + static_cast<quint64>(*p - '0');
                ++count;
                decimals += decimals >= 0 ? 1 : 0;
            } else if ((*p == '.' || *p == ',') && decimals < 0 && count > 0) {
                decimals = 0;
            } else {
                return std::nullopt;
            }
        }
        if (count == 0 || count > 15 || decimals == 0) {
            return std::nullopt;
        }
        static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
        return static_cast<double>(digits) / kPowers[std::max(decimals, 0)];
    }

    // YYYYMMDD becomes DD/MM/YY: day from the last two characters, month
    // from characters 5-6, year from characters 3-4.
    QByteArrayView rewriteDate(QByteArrayView raw) {
        if (raw.size() == 8 && isAscii(raw)) {
            const char* date = raw.data();
            const char text[8] = {date[6], date[7], '/', date[4], date[5], '/', date[2], date[3]};
            std::copy(text, text + 8, dateText_);
            return QByteArrayView(dateText_, 8);
        }
        char* out = dateText_;
        out = append(out, utf8Right(raw, 2));
        *out++ = '/';
        out = append(out, utf8Mid(raw, 4, 2));
        *out++ = '/';
        out = append(out, utf8Mid(raw, 2, 2));
        return QByteArrayView(dateText_, out - dateText_);
    }

    // HHMM or HHMMSS becomes HH:MM.
    QByteArrayView rewriteTime(QByteArrayView raw) {
        if (raw.size() >= 4 && isAscii(raw.first(4))) {
            const char* time = raw.data();
            const char text[5] = {time[0], time[1], ':', time[2], time[3]};
            std::copy(text, text + 5, timeText_);
            return QByteArrayView(timeText_, 5);
        }
        char* out = timeText_;
        out = append(out, utf8Left(raw, 2));
        *out++ = ':';
        out = append(out, utf8Mid(raw, 2, 2));
        return QByteArrayView(timeText_, out - timeText_);
    }

    static bool isAscii(QByteArrayView text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    static char* append(char* out, QByteArrayView part) {
        return std::copy(part.begin(), part.end(), out);
    }

    ParsedPiece& out_;
    qint64 fileBase_;
    static constexpr size_t kFlushCount = 4096;
    static constexpr size_t kKeptBandKeys = 64;

    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> bandKeys_;
    std::optional<QByteArray> frequencyBand_;

    std::function<void(ParsedPiece&)> flush_;
    bool plainShortcut_ = true;
    char* data_ = nullptr;
    std::vector<qsizetype> removedAt_;
    std::array<QByteArray, kFieldCount> storage_;
    // Two characters of at most four UTF-8 bytes per part.
    char dateText_[32];
    char timeText_[32];
};

ParsedPiece parsePiece(QByteArray& bytes, qint64 fileBase, bool last) {
    ParsedPiece piece;
    // A QSO of a real log takes some 200 bytes of which some 50 are kept.
    piece.qsos.reserve(static_cast<size_t>(bytes.size() / 128));
    piece.text.reserve(static_cast<size_t>(bytes.size() / 3));
    PieceParser(piece, fileBase, nullptr).parse(bytes.data(), bytes.size(), last);
    return piece;
}

// Hands the QSOs of parsed pieces to a sink in file order, numbering them.
class Delivery {
  public:
    explicit Delivery(AdifSink& sink) : sink_(sink) {}

    void deliver(const ParsedPiece& piece) {
        for (const ParsedQso& parsed : piece.qsos) {
            QsoValues values;
            for (size_t i = 0; i < values.values.size(); ++i) {
                values.values[i] = QByteArrayView(piece.text.data() + parsed.bounds[i],
                                                  parsed.bounds[i + 1] - parsed.bounds[i]);
            }
            values.frequencyMhz = parsed.frequencyMhz;
            values.fileOffset = parsed.fileOffset;
            values.fileLength = parsed.fileLength;
            ++count_;
            if (parsed.messages != 0) {
                sendMessages(parsed.messages, values[QsoField::Callsign]);
            }
            sink_.record(values);
        }
    }

  private:
    void sendMessages(quint8 messages, QByteArrayView callsign) {
        const QString call = QString::fromUtf8(callsign);
        const auto send = [&](quint8 flag, const QString& text) {
            if ((messages & flag) != 0) {
                sink_.message(AdifMessage{text, count_, call});
            }
        };
        send(ParsedQso::kMissingEnd, AdifReader::missingEndMessage(call));
        send(ParsedQso::kMissingDate, AdifReader::missingDateMessage());
        send(ParsedQso::kMissingTime, AdifReader::missingTimeMessage());
        send(ParsedQso::kMissingCallsign, AdifReader::missingCallsignMessage());
        send(ParsedQso::kMissingBand, AdifReader::missingBandMessage());
    }

    AdifSink& sink_;
    int count_ = 0;
};

bool startsWithUtf16Mark(QByteArrayView bytes) {
    return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                 (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

bool startsWithUtf8Mark(QByteArrayView bytes) {
    return bytes.size() >= 3 && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF';
}

// Passes QSOs on with their spans moved from the UTF-8 text made of a UTF-16
// log back to the bytes of that log (two per UTF-16 code unit, after the mark).
class Utf16Spans : public AdifSink {
  public:
    Utf16Spans(QByteArrayView utf8, AdifSink& sink) : utf8_(utf8), sink_(sink) {}

    void record(const QsoValues& values) override {
        QsoValues moved = values;
        const qint64 begin = unitsUpTo(values.fileOffset);
        const qint64 end = unitsUpTo(values.fileOffset + values.fileLength);
        moved.fileOffset = 2 + 2 * begin;
        moved.fileLength = 2 * (end - begin);
        sink_.record(moved);
    }
    void message(const AdifMessage& message) override { sink_.message(message); }

  private:
    // UTF-16 code units of the first `offset` bytes; offsets come in order.
    qint64 unitsUpTo(qint64 offset) {
        for (; counted_ < offset; ++counted_) {
            const auto byte = static_cast<unsigned char>(utf8_[counted_]);
            units_ += (byte & 0xC0) != 0x80 ? 1 : 0;
            units_ += byte >= 0xF0 ? 1 : 0;
        }
        return units_;
    }

    QByteArrayView utf8_;
    AdifSink& sink_;
    qint64 counted_ = 0;
    qint64 units_ = 0;
};

// Reads `bytes` (changed on the way) in this thread, handing QSOs on as they come.
void parseNow(QByteArray& bytes, qint64 fileBase, bool last, Delivery& delivery,
              bool plainShortcut = true) {
    ParsedPiece piece;
    PieceParser parser(piece, fileBase, [&](ParsedPiece& part) { delivery.deliver(part); });
    parser.setPlainShortcut(plainShortcut);
    parser.parse(bytes.data(), bytes.size(), last);
    delivery.deliver(piece);
}

void parseUtf8(QByteArrayView bytes, AdifSink& sink, bool plainShortcut) {
    const qsizetype mark = startsWithUtf8Mark(bytes) ? 3 : 0;
    const qsizetype start = std::max(mark, recordsStart(bytes));
    QByteArray records = bytes.sliced(start).toByteArray();
    Delivery delivery(sink);
    parseNow(records, start, true, delivery, plainShortcut);
}

constexpr qint64 kChunkSize = 1 << 20;
constexpr qint64 kPieceSize = 1 << 20;
constexpr size_t kPiecesInFlight = 6;

// Offset just past the first <EOH> of a file, 0 when it has none; -1 on a read error.
// The header's bytes go to `hash` (when given) as they are read.
qint64 recordsStart(QIODevice& device, StreamHash* hash) {
    QByteArray window;
    qint64 windowOffset = 0;
    while (true) {
        const QByteArray chunk = device.read(kChunkSize);
        if (chunk.isEmpty()) {
            return device.atEnd() ? 0 : -1;
        }
        window += chunk;
        const qsizetype found = recordsStart(QByteArrayView(window));
        if (hash != nullptr) {
            // A <EOH> found ends in this chunk: the chunks before are header.
            const qsizetype chunkStart = window.size() - chunk.size();
            hash->add(QByteArrayView(chunk).first(found > 0 ? found - chunkStart : chunk.size()));
        }
        if (found > 0) {
            return windowOffset + found;
        }
        const qsizetype keep = std::min<qsizetype>(4, window.size());
        windowOffset += window.size() - keep;
        window = window.right(keep);
    }
}

// Reads the records of a UTF-8 or Latin-1 file from `start` in pieces cut
// after an <EOR>, parsed on worker threads, up to six at a time, while the QSOs of earlier pieces
// are handed on. False on a read error.
bool readPieces(QFile& file, qint64 start, AdifSink& sink, StreamHash* hash) {
    Delivery delivery(sink);
    std::deque<std::future<ParsedPiece>> inFlight;
    const auto deliverOldest = [&] {
        delivery.deliver(inFlight.front().get());
        inFlight.pop_front();
    };
    QByteArray carry;
    qint64 pieceOffset = start;
    bool ok = true;
    while (true) {
        const qsizetype kept = carry.size();
        QByteArray buffer = std::move(carry);
        buffer.resize(kept + kPieceSize);
        const qint64 read = file.read(buffer.data() + kept, kPieceSize);
        if (read < 0) {
            ok = false;
            break;
        }
        if (hash != nullptr) {
            hash->add(QByteArrayView(buffer.data() + kept, read));
        }
        buffer.resize(kept + read);
        const bool last = read == 0 || file.atEnd();
        qsizetype cut = buffer.size();
        if (!last) {
            cut = lastEorEnd(buffer, std::max<qsizetype>(0, kept - 4));
            if (cut < 0) {
                carry = std::move(buffer);
                continue;
            }
            carry = buffer.sliced(cut);
            buffer.truncate(cut);
        }
        const qint64 offset = pieceOffset;
        pieceOffset += cut;
        if (cut > 2 * kPieceSize) {
            // A record longer than a piece: read here, its QSOs handed on as they come.
            while (!inFlight.empty()) {
                deliverOldest();
            }
            parseNow(buffer, offset, last, delivery);
        } else {
            inFlight.push_back(
                std::async(std::launch::async, [piece = std::move(buffer), offset, last]() mutable {
                    return parsePiece(piece, offset, last);
                }));
        }
        if (inFlight.size() >= kPiecesInFlight) {
            deliverOldest();
        }
        if (last) {
            break;
        }
    }
    while (!inFlight.empty()) {
        deliverOldest();
    }
    return ok;
}

}  // namespace

QString AdifReader::missingCallsignMessage() {
    return QStringLiteral("Indicatif absent, remplacé par FXXXX");
}

QString AdifReader::missingDateMessage() {
    return QStringLiteral("Date absente, remplacée par 01/01/2000");
}

QString AdifReader::missingTimeMessage() {
    return QStringLiteral("Heure absente, remplacée par 00:00");
}

QString AdifReader::missingBandMessage() {
    return QStringLiteral("Bande absente, remplacée par 1.8 Mhz");
}

QString AdifReader::missingEndMessage(const QString& callsign) {
    return QStringLiteral("Fin de QSO <EOR> absente avant l'indicatif %1").arg(callsign);
}

void AdifReader::parse(QByteArrayView bytes, AdifSink& sink) {
    parse(bytes, sink, true);
}

void AdifReader::parseByGeneralRules(QByteArrayView bytes, AdifSink& sink) {
    parse(bytes, sink, false);
}

void AdifReader::parse(QByteArrayView bytes, AdifSink& sink, bool plainShortcut) {
    if (!startsWithUtf16Mark(bytes)) {
        parseUtf8(bytes, sink, plainShortcut);
        return;
    }
    const auto encoding =
        bytes[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
    QStringDecoder decoder(encoding);
    const QByteArray utf8 = QString(decoder.decode(bytes.sliced(2))).toUtf8();
    Utf16Spans spans(utf8, sink);
    parseUtf8(utf8, spans, plainShortcut);
}

bool AdifReader::readFile(const QString& path, AdifSink& sink, QString* error,
                          LogFingerprint* fingerprint) {
    QFile file(path);
    const auto fail = [&](const QString& reason) {
        if (error != nullptr) {
            *error =
                reason.isEmpty()
                    ? QStringLiteral("Impossible de lire le fichier %1").arg(path)
                    : QStringLiteral("Impossible de lire le fichier %1 : %2").arg(path, reason);
        }
        return false;
    };
    // Only a regular file: a FIFO would be waited on, a device read forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return fail(QString());
    }
    LogFingerprint taken;
    if (fingerprint != nullptr &&
        !LogFingerprint::describe(file.handle(), &taken.size, &taken.modifiedNs)) {
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    StreamHash hash;
    StreamHash* const hashing = fingerprint != nullptr ? &hash : nullptr;
    const QByteArray mark = file.peek(3);
    if (startsWithUtf16Mark(mark)) {
        const QByteArray bytes = file.readAll();
        if (!file.atEnd()) {
            return fail(file.errorString());
        }
        hash.add(bytes);
        parse(bytes, sink);
    } else {
        const qint64 start = recordsStart(file, hashing);
        if (start < 0) {
            return fail(file.errorString());
        }
        const qint64 first = std::max<qint64>(start, startsWithUtf8Mark(mark) ? 3 : 0);
        if (start == 0) {
            // No header: the records are read from the first byte (or after the mark).
            hash = StreamHash();
            hash.add(QByteArrayView(mark).first(first));
        }
        if (!file.seek(first) || !readPieces(file, first, sink, hashing)) {
            return fail(file.errorString());
        }
    }
    if (fingerprint != nullptr) {
        taken.taken = true;
        taken.size = hash.size();
        taken.hash = hash.value();
        *fingerprint = taken;
    }
    return true;
}
