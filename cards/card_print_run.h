#pragma once

#include <QString>

#include "cards/card_layout.h"
#include "cards/qsl_template.h"
#include "log/qso_record.h"

class PrintSurface;

// Prints one QSL card per row of a print list from a layout: each card is a
// print job of its own.
class CardPrintRun {
  public:
    CardPrintRun(const QslTemplate& model, const CardLayout& layout, PrintSurface& surface);

    // True when every card went out; otherwise error() tells why, in French.
    bool run(const QsoRecords& printList);
    QString error() const { return error_; }

    // The .qsl check of the card print window: the name must end in "qsl".
    static bool hasQslExtension(const QString& fileName) {
        return fileName.endsWith(QStringLiteral("qsl"));
    }

  private:
    bool printCard(const QsoRecord& record);
    bool print(int line, const QString& text);

    const QslTemplate& model_;
    const CardLayout& layout_;
    PrintSurface& surface_;
    QString error_;
};
