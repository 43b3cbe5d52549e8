#include "cards/windows1252.h"

#include <QList>

namespace {

// Bytes 0x80 to 0x9F; the other bytes are the Latin-1 characters of the same code.
// Zero marks the five bytes that the code page leaves undefined.
const char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

QString Windows1252::decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
            text += QChar(kHighControls[byte - 0x80]);
        } else {
            text += QChar(static_cast<char16_t>(byte));
        }
    }
    return text;
}

namespace {

bool canHold(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return true;
    }
    for (const char16_t high : kHighControls) {
        if (high != 0 && high == code) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString Windows1252::missing(const QString& text) {
    QString found;
    for (const uint value : text.toUcs4()) {
        const auto code = static_cast<char32_t>(value);
        const QString character = QString::fromUcs4(&code, 1);
        if (!canHold(code) && !found.contains(character)) {
            found += character;
        }
    }
    return found;
}

QByteArray Windows1252::encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes += static_cast<char>(code);
            continue;
        }
        char replacement = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == code && code != 0) {
                replacement = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes += replacement;
    }
    return bytes;
}
