#pragma once

#include <QByteArray>
#include <QString>

// File names as the system gives them: bytes, not always UTF-8. A byte that
// is not part of valid UTF-8 is carried in a QString as the lone surrogate
// U+DC80 + (byte - 0x80), so that the name comes back byte for byte.
class NativeFileName {
  public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& name);
    // The name for messages: carried bytes shown as U+FFFD.
    static QString display(const QString& name);
    // True when the name holds bytes Qt's own file functions cannot reach.
    static bool hasCarriedBytes(const QString& name);
};
