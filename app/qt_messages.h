#pragma once

#include <QString>
#include <QtGlobal>

// Qt's own warnings (fonts, the display, printing) are written in English.
// While the program speaks another language they are kept off standard
// error, so that its messages are all the operator reads there; Qt's critical
// and fatal messages still pass, and so does everything when the operator asks
// for Qt's messages (QT_LOGGING_RULES, QT_MESSAGE_PATTERN, QT_FATAL_WARNINGS).
class QtMessages {
  public:
    // From now on, for a program speaking `language` (fr, en, de...).
    static void keepFor(const QString& language);
    // Whether a message of `type` from `category` reaches standard error.
    static bool passes(QtMsgType type, const char* category, const QString& language,
                       bool askedFor);
};
