#pragma once

#include <QByteArray>
#include <QString>

// Values as they are written out (printed, listed, dumped): control
// characters (C0 and DEL) turned into spaces, one for one, so that no value
// can break a line, forge a dump record or drive a terminal, and columns keep
// their widths. UTF-8 bytes are safe to change this way.
class PrintableText {
  public:
    static void blankControls(QString& text);
    // From byte `from` on.
    static void blankControls(QByteArray& bytes, qsizetype from = 0);
};
