#pragma once

#include <QString>
#include <QStringList>

#include "cards/card_design.h"

// The "key = value" lines that follow the 24 lines of a .qsl file. A file
// without them holds an empty design: the card of the ten lines alone.
class CardDesignFile {
  public:
    // The lines of a design, in a fixed order; none for an empty design.
    static QStringList lines(const CardDesign& design);
    // Applies one line to `design`: an unknown key or a line without "=" is
    // passed over, so that a later program's lines do not stop this one.
    static void read(const QString& line, CardDesign& design);
    // Every value the lines hold, with the name an operator knows it by.
    static QList<QPair<QString, QString>> namedValues(const CardDesign& design);
};
