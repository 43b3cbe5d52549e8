#pragma once

#include <QString>

#include "qslcard/card_layout.h"
#include "qslcard/modele_qsl.h"

class PrintSurface;
class RowList;

// Prints one QSL card per row of a print list from a layout: each card is a
// print job of its own.
class CardPrintRun {
  public:
    CardPrintRun(const Modele_QSL& model, const CardLayout& layout, PrintSurface& surface);

    // True when every card went out; otherwise error() tells why, in French.
    bool run(const RowList& printList);
    QString error() const { return error_; }

    // The .qsl check of the card print window: the name must end in "qsl".
    static bool hasQslExtension(const QString& fileName) {
        return fileName.endsWith(QStringLiteral("qsl"));
    }

  private:
    bool printCard(const QString& row);
    bool print(int line, const QString& text);

    const Modele_QSL& model_;
    const CardLayout& layout_;
    PrintSurface& surface_;
    QString error_;
};
