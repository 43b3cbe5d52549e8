#include "log/printable_text.h"

#include <cstring>

bool PrintableText::isControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

void PrintableText::blankControls(QString& text) {
    for (QChar& unit : text) {
        if (isControl(unit.unicode())) {
            unit = QLatin1Char(' ');
        }
    }
}

namespace {

// True when one of the eight bytes is below 0x20, is 0x7F or is 0xC2 (the
// first byte of a C1 control character in UTF-8).
bool holdsControl(quint64 bytes) {
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const auto equalTo = [](quint64 word, quint64 byte) {
        const quint64 same = word ^ (kOnes * byte);
        return (same - kOnes) & ~same & kHighBits;
    };
    const quint64 belowSpace = (bytes - kOnes * 0x20) & ~bytes & kHighBits;
    return (belowSpace | equalTo(bytes, 0x7F) | equalTo(bytes, 0xC2)) != 0;
}

bool isC1At(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes.at(at)) == 0xC2 && at + 1 < bytes.size() &&
           static_cast<unsigned char>(bytes.at(at + 1)) >= 0x80 &&
           static_cast<unsigned char>(bytes.at(at + 1)) <= 0x9F;
}

}  // namespace

void PrintableText::blankControls(QByteArray& bytes, qsizetype from) {
    const qsizetype size = bytes.size();
    qsizetype i = from;
    // Eight bytes at a time while they hold nothing to change.
    for (quint64 word = 0; i + 8 <= size; i += 8) {
        std::memcpy(&word, bytes.constData() + i, 8);
        if (holdsControl(word)) {
            break;
        }
    }
    // A C1 character's two bytes become one space: the rest moves back.
    qsizetype out = i;
    for (; i < size; ++i, ++out) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        if (isC1At(bytes, i)) {
            bytes[out] = ' ';
            ++i;
        } else {
            bytes[out] = byte < 0x20 || byte == 0x7f ? ' ' : static_cast<char>(byte);
        }
    }
    bytes.truncate(out);
}
