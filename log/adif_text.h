#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <cstring>

// Byte tests shared by the parts of the log reader, kept inline: the record
// readers call them for every byte of a log.
namespace adif {

inline char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

inline bool matchesUpper(const char* text, const char* upperWord, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (upper(text[i]) != upperWord[i]) {
            return false;
        }
    }
    return true;
}

inline bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

inline bool isSpacing(char c) {
    return isBlank(c) || isLineBreak(c);
}

// Position of the first `c` at or after `from`, or -1.
inline qsizetype find(QByteArrayView text, char c, qsizetype from) {
    if (from >= text.size()) {
        return -1;
    }
    const void* found = std::memchr(text.data() + from, c, static_cast<size_t>(text.size() - from));
    return found ? static_cast<const char*>(found) - text.data() : -1;
}

// n of a tag "<NAME:n" or "<NAME:n:T" (n of 1 to 9 digits), else 0.
inline qsizetype announcedLength(QByteArrayView tag) {
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

template <size_t N>
bool sameName(QByteArrayView name, const char (&known)[N]) {
    return name.size() == static_cast<qsizetype>(N - 1) && matchesUpper(name.data(), known, N - 1);
}

// UTF-16 bytes after the byte order mark, as UTF-8 text of exactly one character per
// code unit read: a U+FEFF there is text (Qt would take it for a second mark and drop
// it), and an odd last byte is no character.
inline QByteArray utf16AsUtf8(QByteArrayView bytes, bool littleEndian) {
    QStringDecoder decoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::ConvertInitialBom);
    return QString(decoder.decode(bytes)).toUtf8();
}

}  // namespace adif
