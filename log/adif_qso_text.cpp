#include "log/adif_qso_text.h"

#include <cstring>

#include "log/adif_text.h"

using namespace adif;

namespace {

// n of a tag "<NAME:n" or "<NAME:n:T" (n of 1 to 9 digits), else 0.
qsizetype announcedLength(QByteArrayView tag) {
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

}  // namespace

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
