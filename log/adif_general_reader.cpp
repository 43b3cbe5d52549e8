#include "log/adif_general_reader.h"

#include <algorithm>
#include <cstring>

#include "log/adif_framing.h"
#include "log/adif_qso_text.h"
#include "log/adif_tag_scanner.h"

using namespace adif;

namespace {

bool containsLineBreak(QByteArrayView text) {
    return std::memchr(text.data(), '\n', static_cast<size_t>(text.size())) != nullptr ||
           std::memchr(text.data(), '\r', static_cast<size_t>(text.size())) != nullptr;
}

// True for the name EOR in any case, line breaks in it left out.
bool isEorName(QByteArrayView name) {
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

// Where the blanks just before `end` begin.
qsizetype blanksBefore(QByteArrayView text, qsizetype end) {
    while (end > 0 && isBlank(text[end - 1])) {
        --end;
    }
    return end;
}

}  // namespace

qsizetype AdifGeneralReader::read(char* data, qsizetype size, qsizetype position, bool last) {
    const QByteArrayView bytes(data, size);
    removedAt_.clear();
    qsizetype end = readRecord(bytes.sliced(position), position, false, last);
    if (end == kLineBreaks) {
        const qsizetype eorEnd = findEorEnd(bytes, position);
        const qsizetype recordEnd = eorEnd < 0 ? bytes.size() : eorEnd;
        const QByteArrayView joined = join(data, bytes.sliced(position, recordEnd - position));
        readRecord(joined, position, true, last);
        end = eorEnd < 0 ? -1 : eorEnd - position;
    }
    return end;
}

// Reads the record at the start of `text` up to its <EOR> (or, when
// `last`, up to the end of `text`), cutting it before each later CALL tag.
// Returns the offset just past its <EOR>, -1 when none ends it, or
// kLineBreaks, before anything is converted, when the record has a line
// break and `joined` (its lines joined already) is false.
qsizetype AdifGeneralReader::readRecord(QByteArrayView text, qsizetype rawStart, bool joined,
                                        bool last) {
    qsizetype pieceStart = 0;
    bool cut = false;
    bool anyTag = false;
    bool listedTag = false;
    bool checked = joined;
    AdifQsoText piece(text);
    const auto hasLineBreak = [&](qsizetype end) {
        const bool found = !checked && containsLineBreak(text.first(end));
        checked = true;
        return found;
    };
    const auto convertPiece = [&](qsizetype end) {
        piece.endAt(end - pieceStart);
        found_(piece.spans(), rawStart + rawIndex(pieceStart),
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
            piece = AdifQsoText(text.sliced(pieceStart));
        }
        anyTag = anyTag || (!name.isEmpty() && !sameName(name, "EOR") && !sameName(name, "EOH"));
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

// A record's text as read: lines joined with nothing between them, in
// the place of the raw text, which lies in the bytes at `data`.
QByteArrayView AdifGeneralReader::join(char* data, QByteArrayView raw) {
    removedAt_.clear();
    if (!containsLineBreak(raw)) {
        return raw;
    }
    char* const begin = data + (raw.data() - data);
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
qsizetype AdifGeneralReader::rawIndex(qsizetype at) const {
    return at + (std::upper_bound(removedAt_.begin(), removedAt_.end(), at) - removedAt_.begin());
}

// Offset in the raw record text just past the joined text's first `at` bytes.
qsizetype AdifGeneralReader::rawEnd(qsizetype at) const {
    return at + (std::lower_bound(removedAt_.begin(), removedAt_.end(), at) - removedAt_.begin());
}
