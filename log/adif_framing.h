#pragma once

#include <QByteArrayView>
#include <QIODevice>

class StreamHash;

// Where the records of a log lie: its marks, its header and the <EOR> tags
// that end records.
namespace adif {

bool startsWithUtf16Mark(QByteArrayView bytes);
bool startsWithUtf8Mark(QByteArrayView bytes);

// Offset just past the first <EOH> (any case), or 0 when the log has no header.
qsizetype recordsStart(QByteArrayView bytes);
// Offset just past the first <EOH> of a file, 0 when it has none; -1 on a read error.
// The header's bytes go to `hash` (when given) as they are read.
qint64 recordsStart(QIODevice& device, StreamHash* hash = nullptr);

// Offset just past the first <EOR> at or after `from`, or -1. Line breaks
// inside the tag are skipped.
qsizetype findEorEnd(QByteArrayView text, qsizetype from);

// Offset just past the last plain five-byte <EOR> that starts at or after
// `from`, or -1. Every such <EOR> ends a record, so a log may be cut there.
qsizetype lastEorEnd(QByteArrayView text, qsizetype from);

}  // namespace adif
