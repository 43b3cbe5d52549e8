#include "log/adif_utf16_spans.h"

void AdifUtf16Spans::record(const QsoValues& values) {
    QsoValues moved = values;
    const qint64 begin = unitsUpTo(values.fileOffset);
    const qint64 end = unitsUpTo(values.fileOffset + values.fileLength);
    moved.fileOffset = 2 + 2 * begin;
    moved.fileLength = 2 * (end - begin);
    sink_.record(moved);
}

// UTF-16 code units of the first `offset` bytes; offsets come in order.
qint64 AdifUtf16Spans::unitsUpTo(qint64 offset) {
    for (; counted_ < offset; ++counted_) {
        const auto byte = static_cast<unsigned char>(utf8_[counted_]);
        units_ += (byte & 0xC0) != 0x80 ? 1 : 0;
        units_ += byte >= 0xF0 ? 1 : 0;
    }
    return units_;
}
