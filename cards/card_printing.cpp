#include "cards/card_printing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

#include "cards/card_groups.h"
#include "cards/card_layout.h"
#include "cards/card_sheet.h"
#include "cards/qsl_template_file.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardPrinting)
};

}  // namespace

QString CardPrinting::readTemplate(const QString& fileName, QslTemplate& model) {
    model = QslTemplate();
    QString error;
    int lines = 0;
    if (!QslTemplateFile::load(fileName, model, &error, &lines)) {
        return error;
    }
    if (lines < QslTemplateFile::kLineCount) {
        return Text::tr("Modèle de QSL inutilisable : le fichier %1 n'a que %2 lignes sur %3.")
            .arg(fileName, QString::number(lines), QString::number(QslTemplateFile::kLineCount));
    }
    QString problem;
    if (!CardLayout::from(model, &problem)) {
        return problem;
    }
    return {};
}

void CardPrinting::prepareCardPaper(QPrinter& printer, const CardSize& size,
                                    const CardSheet* sheet) {
    if (sheet != nullptr) {
        const QSizeF upright = sheet->landscape() ? sheet->paper().transposed() : sheet->paper();
        PrinterJob::setPage(printer, QPageSize(upright, QPageSize::Millimeter),
                            sheet->landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString name =
            size.width == 140 && size.height == 90
                ? QStringLiteral("Carte QSL 140 x 90 mm")
                : QStringLiteral("Carte QSL %1 x %2 mm")
                      .arg(QString::number(size.width), QString::number(size.height));
        PrinterJob::setPage(printer, QPageSize(QSizeF(size.width, size.height),
                                               QPageSize::Millimeter, name, QPageSize::ExactMatch));
    } else {
        printer.setPageOrientation(QPageLayout::Portrait);
    }
}

namespace {

std::function<PrinterJob::Result(PrintSurface&, QString*)> cardRun(
    const CardPrinting::Run& run, CardPrintRun::CardDone cardDone) {
    return [&run, cardDone](PrintSurface& surface, QString* runError) {
        CardPrintRun cards(run.model, run.layout, surface);
        cards.setCardDone(cardDone);
        cards.setThanks(run.options.thanks);
        cards.setSheet(run.sheet, run.options.firstCard - 1);
        cards.setPicture(run.picture);
        if (cards.run(run.cards)) {
            return cards.stopped() ? PrinterJob::Result::Stopped : PrinterJob::Result::Done;
        }
        *runError = cards.error();
        return PrinterJob::Result::Failed;
    };
}

PrintPlacement placement(const CardPrinting::Run& run, QPointF offset) {
    if (run.sheet != nullptr) {
        return PrintPlacement(QPointF(0, 0), true, offset);
    }
    return PrintPlacement(QPointF(run.layout.leftMargin, run.layout.topMargin), false, offset);
}

}  // namespace

PrinterJob::Result CardPrinting::print(const Run& run, QPrinter& printer,
                                       const QString& askedPrinter, QString* error,
                                       const CardPrintRun::CardDone& cardDone) {
    prepareCardPaper(printer, run.layout.design.size, run.sheet);
    return PrinterJob::print(printer, placement(run, run.offset), askedPrinter,
                             cardRun(run, cardDone), error, run.inputs);
}

PrinterJob::Result CardPrinting::print(const QslTemplate& model, const QsoRecords& rows,
                                       QPrinter& printer, const QString& askedPrinter,
                                       QString* error) {
    const std::optional<CardLayout> layout = CardLayout::from(model, error);
    if (!layout) {
        return PrinterJob::Result::Failed;
    }
    const std::vector<QsoRecords> cards = CardGroups::cards(rows, 0);
    const CardRunOptions options;
    return print({model, *layout, cards, options, nullptr, nullptr, QPointF(), {}}, printer,
                 askedPrinter, error);
}

PrinterJob::Result CardPrinting::preview(const Run& run, QPrinter& printer, QString* error) {
    const CardSize& size = run.layout.design.size;
    prepareCardPaper(printer, size, run.sheet);
    std::vector<QPointF> corners;
    if (run.sheet != nullptr) {
        for (int slot = 0; slot < run.sheet->perPage(); ++slot) {
            corners.push_back(run.sheet->origin(slot));
        }
    } else {
        corners.emplace_back(0, 0);
    }
    std::vector<QRectF> outlines;
    const double strip = CardSize::kBureauStripMillimetres;
    for (const QPointF& corner : corners) {
        outlines.emplace_back(corner, QSizeF(size.width, size.height));
        outlines.emplace_back(corner + QPointF(0, size.height - strip), QSizeF(size.width, strip));
    }
    // The places of a used first page that the run leaves blank.
    std::vector<QRectF> used;
    for (int slot = 0; run.sheet != nullptr && slot < run.options.firstCard - 1; ++slot) {
        used.emplace_back(run.sheet->origin(slot), QSizeF(size.width, size.height));
    }
    return PrinterJob::preview(printer, placement(run, QPointF()), std::move(outlines),
                               cardRun(run, {}), error, std::move(used));
}
