#pragma once

#include <QString>
#include <QStringList>

#include "cards/card_design.h"

// The "key = value" lines that follow the 24 lines of a .qsl file. A file
// without them holds an empty design: the card of the ten lines alone.
class CardDesignFile {
  public:
    // The lines of a design, the known keys in a fixed order then the other
    // lines in theirs; none for an empty design.
    static QStringList lines(const CardDesign& design);
    // Applies one line to `design`: a line of an unknown key (a later
    // version's, or one added by hand), or without "=", is kept as it is in
    // design.otherLines, written back after the known ones.
    static void read(const QString& line, CardDesign& design);
    // Every value the lines hold, with the name an operator knows it by.
    static QList<QPair<QString, QString>> namedValues(const CardDesign& design);
};
