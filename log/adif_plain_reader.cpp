#include "log/adif_plain_reader.h"

#include <cstring>

#include "log/adif_tag_scanner.h"

using namespace adif;

namespace {

// The helpers of the one-pass reading are inline: they run for every tag of a
// log, and a call each would cost more than their work.

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

// Where the value starting at `begin` ends, by the rule of every tag (see
// valueStop); -1 when a line break falls inside the value or no "<" follows it.
inline qsizetype plainValueEnd(const char* data, qsizetype begin, qsizetype length,
                               qsizetype size) {
    return valueStop<'\n', '\r'>(data, begin, length, size);
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
