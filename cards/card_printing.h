#pragma once

#include <QString>

#include "printing/printer_job.h"

class QPrinter;
class RowList;
struct QslTemplate;

// Printing cards from a .qsl file, as the card print window and the cards
// command do it.
class CardPrinting {
  public:
    // Reads the layout of a .qsl file into a fresh, empty template and checks
    // that it can be printed. Returns a French message, or an empty text.
    static QString readTemplate(const QString& fileName, QslTemplate& model);

    // A PDF page is a 140 x 90 mm card; a printer keeps the page size chosen for it.
    static void prepareCardPaper(QPrinter& printer);

    // One card per row on the printer; for a PDF, the template's margins stand
    // for the printable area, so that texts land at G, H from the card's edges.
    static PrinterJob::Result print(const QslTemplate& model, const RowList& rows,
                                    QPrinter& printer, const QString& askedPrinter, QString* error,
                                    const QStringList& inputs = {});
    // The same cards drawn into a print preview, with the card's outline.
    static PrinterJob::Result preview(const QslTemplate& model, const RowList& rows,
                                      QPrinter& printer, QString* error);
};
