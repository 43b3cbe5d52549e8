#include "files/native_file_name.h"

namespace {

constexpr char16_t kFirstCarried = 0xDC80;
constexpr char16_t kLastCarried = 0xDCFF;

// A carried byte, not the second half of a character outside the BMP.
bool isCarried(const QString& name, qsizetype at) {
    const char16_t c = name[at].unicode();
    return c >= kFirstCarried && c <= kLastCarried && !(at > 0 && name[at - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there
// does not begin one.
qsizetype validSequence(const QByteArray& bytes, qsizetype at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const qsizetype length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    for (qsizetype i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(bytes[at + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and values past U+10FFFF decode to U+FFFD.
    const QString decoded = QString::fromUtf8(bytes.constData() + at, length);
    if (decoded.contains(QChar(QChar::ReplacementCharacter)) &&
        bytes.mid(at, length) != "\xEF\xBF\xBD") {
        return 0;
    }
    return length;
}

}  // namespace

QString NativeFileName::decode(const QByteArray& bytes) {
    QString name;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = validSequence(bytes, at);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(kFirstCarried - 0x80 +
                                                static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            name += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return name;
}

QByteArray NativeFileName::encode(const QString& name) {
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isCarried(name, i)) {
            bytes += QStringView(name).mid(start, i - start).toUtf8();
            bytes += static_cast<char>(name[i].unicode() - kFirstCarried + 0x80);
            start = i + 1;
        }
    }
    return bytes + QStringView(name).mid(start).toUtf8();
}

QString NativeFileName::display(const QString& name) {
    QString shown = name;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isCarried(name, i)) {
            shown[i] = QChar(QChar::ReplacementCharacter);
        }
    }
    return shown;
}

bool NativeFileName::hasCarriedBytes(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isCarried(name, i)) {
            return true;
        }
    }
    return false;
}
