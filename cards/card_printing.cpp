#include "cards/card_printing.h"

#include <QPageSize>
#include <QPrinter>

#include "cards/card_layout.h"
#include "cards/card_print_run.h"
#include "cards/qsl_template_file.h"

QString CardPrinting::readTemplate(const QString& fileName, QslTemplate& model) {
    model = QslTemplate();
    QString error;
    int lines = 0;
    if (!QslTemplateFile::load(fileName, model, &error, &lines)) {
        return error;
    }
    if (lines < QslTemplateFile::kLineCount) {
        return QStringLiteral(
                   "Modèle de QSL inutilisable : le fichier %1 n'a que %2 lignes sur %3.")
            .arg(fileName, QString::number(lines), QString::number(QslTemplateFile::kLineCount));
    }
    QString problem;
    if (!CardLayout::from(model, &problem)) {
        return problem;
    }
    return {};
}

void CardPrinting::prepareCardPaper(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        PrinterJob::setPage(
            printer,
            QPageSize(QSizeF(CardLayout::kCardWidthMillimetres, CardLayout::kCardHeightMillimetres),
                      QPageSize::Millimeter, QStringLiteral("Carte QSL 140 x 90 mm"),
                      QPageSize::ExactMatch));
    } else {
        printer.setPageOrientation(QPageLayout::Portrait);
    }
}

namespace {

std::function<PrinterJob::Result(PrintSurface&, QString*)> cardRun(
    const QslTemplate& model, const CardLayout& layout, const QsoRecords& rows,
    CardPrintRun::CardDone cardDone) {
    return [&model, &layout, &rows, cardDone](PrintSurface& surface, QString* runError) {
        CardPrintRun run(model, layout, surface);
        run.setCardDone(cardDone);
        if (run.run(rows)) {
            return run.stopped() ? PrinterJob::Result::Stopped : PrinterJob::Result::Done;
        }
        *runError = run.error();
        return PrinterJob::Result::Failed;
    };
}

}  // namespace

PrinterJob::Result CardPrinting::print(const QslTemplate& model, const QsoRecords& rows,
                                       QPrinter& printer, const QString& askedPrinter,
                                       QString* error, QPointF offset, const QStringList& inputs,
                                       const CardPrintRun::CardDone& cardDone) {
    const std::optional<CardLayout> layout = CardLayout::from(model, error);
    if (!layout) {
        return PrinterJob::Result::Failed;
    }
    prepareCardPaper(printer);
    return PrinterJob::print(
        printer, PrintPlacement(QPointF(layout->leftMargin, layout->topMargin), false, offset),
        askedPrinter, cardRun(model, *layout, rows, cardDone), error, inputs);
}

PrinterJob::Result CardPrinting::preview(const QslTemplate& model, const QsoRecords& rows,
                                         QPrinter& printer, QString* error) {
    const std::optional<CardLayout> layout = CardLayout::from(model, error);
    if (!layout) {
        return PrinterJob::Result::Failed;
    }
    prepareCardPaper(printer);
    const QRectF card = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    return PrinterJob::preview(printer, QPointF(layout->leftMargin, layout->topMargin),
                               {QRectF(QPointF(0, 0), card.size())},
                               cardRun(model, *layout, rows, {}), error);
}
