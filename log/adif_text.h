#pragma once

#include <QByteArrayView>
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

template <size_t N>
bool sameName(QByteArrayView name, const char (&known)[N]) {
    return name.size() == static_cast<qsizetype>(N - 1) && matchesUpper(name.data(), known, N - 1);
}

}  // namespace adif
