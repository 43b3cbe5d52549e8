#include "log/adif_qso_text.h"

#include "log/adif_tag_scanner.h"

using namespace adif;

FieldSpans AdifQsoText::spans() const {
    FieldSpans spans;
    for (int field = 0; field < kFieldCount; ++field) {
        if (has(Field(field))) {
            spans.set(Field(field), value(Field(field)));
        }
    }
    return spans;
}

QByteArrayView AdifQsoText::value(Field field) const {
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
    return text_.sliced(begin, valueEnd(text_, begin, announced) - begin);
}
