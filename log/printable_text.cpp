#include "log/printable_text.h"

#include <cstring>

void PrintableText::blankControls(QString& text) {
    for (QChar& unit : text) {
        if (unit.unicode() < 0x20 || unit.unicode() == 0x7f) {
            unit = QLatin1Char(' ');
        }
    }
}

namespace {

// True when one of the eight bytes is below 0x20 or is 0x7F.
bool holdsControl(quint64 bytes) {
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const quint64 belowSpace = (bytes - kOnes * 0x20) & ~bytes & kHighBits;
    const quint64 del = bytes ^ (kOnes * 0x7F);
    const quint64 isDel = (del - kOnes) & ~del & kHighBits;
    return (belowSpace | isDel) != 0;
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
    for (; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        if (byte < 0x20 || byte == 0x7f) {
            bytes[i] = ' ';
        }
    }
}
