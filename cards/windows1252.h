#pragma once

#include <QByteArray>
#include <QString>

// The Western European code page of the .qsl files: one byte per character.
class Windows1252 {
  public:
    static QString decode(const QByteArray& bytes);
    // Characters the code page lacks become "?".
    static QByteArray encode(const QString& text);
    // The characters of `text` the code page lacks, each once, in order.
    static QString missing(const QString& text);
};
