#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

#include "cards/card_print_run.h"
#include "cards/card_run_options.h"
#include "log/qso_record.h"
#include "printing/printer_job.h"

class CardPicture;
class CardSheet;
class QPrinter;

struct QslTemplate;

// Printing cards from a .qsl file, as the card print window and the cards
// command do it.
class CardPrinting {
  public:
    // Everything a card run prints from.
    struct Run {
        const QslTemplate& model;
        const CardLayout& layout;
        const std::vector<QsoRecords>& cards;
        const CardRunOptions& options;
        const CardSheet* sheet;      // null: one card per page
        const CardPicture* picture;  // null: none
        QPointF offset;              // the printer's calibration, in millimetres
        QStringList inputs;          // files a PDF may not replace
    };

    // Reads the layout of a .qsl file into a fresh, empty template and checks
    // that it can be printed. Returns a French message, or an empty text.
    static QString readTemplate(const QString& fileName, QslTemplate& model);

    // A PDF page is one card of `size`; a printer keeps the page size chosen
    // for it. With a sheet, the page is the sheet's paper, upright or turned.
    static void prepareCardPaper(QPrinter& printer, const CardSize& size = CardSize::standard(),
                                 const CardSheet* sheet = nullptr);

    // The cards on the printer; for a PDF of one card per page, the template's
    // margins stand for the printable area, so that texts land at G, H from the
    // card's edges; a sheet is placed from the paper's edge. `cardDone`, when
    // given, follows the run and may stop it after any card.
    static PrinterJob::Result print(const Run& run, QPrinter& printer, const QString& askedPrinter,
                                    QString* error, const CardPrintRun::CardDone& cardDone = {});
    // One card per row, as a plain run does it.
    static PrinterJob::Result print(const QslTemplate& model, const QsoRecords& rows,
                                    QPrinter& printer, const QString& askedPrinter, QString* error);
    // The same cards drawn into a print preview, with the cards' outlines
    // and the bureaus' strip.
    static PrinterJob::Result preview(const Run& run, QPrinter& printer, QString* error);
};
