#include "log/adif_qso_text.h"

#include <cstring>

#include "log/adif_text.h"

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
