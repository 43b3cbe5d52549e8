#include "log/adif_framing.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

#include "log/adif_text.h"
#include "log/log_fingerprint.h"

namespace adif {

namespace {

constexpr qint64 kChunkSize = 1 << 20;

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

}  // namespace

bool startsWithUtf16Mark(QByteArrayView bytes) {
    return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                 (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

bool startsWithUtf8Mark(QByteArrayView bytes) {
    return bytes.size() >= 3 && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF';
}

qsizetype recordsStart(QByteArrayView bytes) {
    for (qsizetype at = find(bytes, '<', 0); at >= 0; at = find(bytes, '<', at + 1)) {
        if (bytes.size() - at >= 5 && matchesUpper(bytes.data() + at, "<EOH>", 5)) {
            return at + 5;
        }
    }
    return 0;
}

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

qsizetype findEorEnd(QByteArrayView text, qsizetype from) {
    qsizetype end = -1;
    for (qsizetype at = find(text, '<', from); at >= 0; at = find(text, '<', at + 1)) {
        if (isEorAt(text, at, &end)) {
            return end;
        }
    }
    return -1;
}

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

}  // namespace adif
