#pragma once

#include <QPointF>

#include <QString>

#include "cards/card_print_run.h"
#include "log/qso_record.h"
#include "printing/printer_job.h"

class QPrinter;

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
    // `offset`: the printer's calibration, in millimetres; a PDF may replace none of
    // `inputs`; `cardDone`, when given, follows the run and may stop it after any card.
    static PrinterJob::Result print(const QslTemplate& model, const QsoRecords& rows,
                                    QPrinter& printer, const QString& askedPrinter, QString* error,
                                    QPointF offset = QPointF(), const QStringList& inputs = {},
                                    const CardPrintRun::CardDone& cardDone = {});
    // The same cards drawn into a print preview, with the card's outline.
    static PrinterJob::Result preview(const QslTemplate& model, const QsoRecords& rows,
                                      QPrinter& printer, QString* error);
};
