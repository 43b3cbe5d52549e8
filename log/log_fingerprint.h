#pragma once

#include <QtGlobal>

#include "files/stream_hash.h"

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
