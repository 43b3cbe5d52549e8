#pragma once

#include <QByteArray>
#include <QString>

// Values as they are written out (printed, listed, dumped): control
// characters (C0, DEL and C1, U+0080 to U+009F) turned into spaces, one for
// one, so that no value can break a line, forge a dump record or drive a
// terminal, and columns keep their widths. In UTF-8 bytes a C1 character's
// two bytes become one space.
class PrintableText {
  public:
    static bool isControl(char16_t unit);
    static void blankControls(QString& text);
    // From byte `from` on.
    static void blankControls(QByteArray& bytes, qsizetype from = 0);
};
