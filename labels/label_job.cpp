#include "labels/label_job.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPrinter>
#include <algorithm>

#include "labels/calibration_page.h"
#include "labels/label_print_run.h"
#include "printing/dump_surface.h"
#include "printing/print_geometry.h"
#include "printing/printer_surface.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelJob)
};

}  // namespace

LabelJob::LabelJob(SettingsStore& store, const LabelOptions& options, const LabelSheet& sheet,
                   QsoRecords records)
    : PrintJob(store, std::move(records), defaultSendingMethod()),
      options_(options),
      sheet_(sheet),
      unprintable_(LabelPrintRun::unknownUnprintable()) {}

int LabelJob::sheetCount() const {
    return LabelPrintRun::sheetCount(
        sheet_, LabelPrintRun::labelCount(options_, sheet_, records(), unprintable_),
        options_.firstLabel);
}

PrintJob::Result LabelJob::run(PrintSurface& surface, bool attended, QString* error) {
    LabelPrintRun labels(options_, surface, [this, attended](const QString& prompt) {
        return !attended || listener().ask(prompt);
    });
    labels.useSheet(sheet_);
    labels.setUnprintable(unprintable_);
    if (attended) {
        listener().started(Text::tr("Impression des étiquettes : feuilles imprimées"),
                           sheetCount());
        labels.setSheetDone([this](int sheets) { return listener().advanced(sheets); });
    }
    const LabelPrintRun::Outcome outcome = labels.run(records());
    if (attended) {
        listener().finished();
    }
    notice_ = labels.notice();
    sheetsSent_ = labels.sheetsSent();
    return LabelPrintRun::toJobResult(outcome, labels.error(), error);
}

// A tuned sheet is placed from the printable area (on a PDF page, where a
// common laser printer has it); every other sheet and the calibration page
// from the paper's edge.
PrintPlacement LabelJob::placement(const QPrinter& printer, bool fromPaperEdge) const {
    const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
    return {fromPaperEdge ? QPointF() : QPointF(origin, origin), fromPaperEdge, offsetFor(printer)};
}

QMarginsF LabelJob::unprintableOf(const QPrinter& printer) {
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    if (printer.outputFormat() == QPrinter::PdfFormat || margins.isNull()) {
        return LabelPrintRun::unknownUnprintable();
    }
    return margins;
}

QString LabelJob::offsetProblem(const QPrinter& printer) {
    const QPointF offset = offsetFor(printer);
    const QRectF paper(QPointF(), sheet_.paperSize());
    const QMarginsF unprintable = unprintableOf(printer);
    for (int index = 0; index < sheet_.labelsPerSheet(); ++index) {
        const QRectF text = LabelPrintRun::textArea(sheet_, index, unprintable).translated(offset);
        if (!paper.contains(text)) {
            return Text::tr(
                       "Le décalage de l'imprimante (%1 ; %2 mm) fait sortir le texte des "
                       "étiquettes du papier (étiquette %3) : corrigez-le dans « Planches… ».")
                .arg(QLocale(QLocale::French).toString(offset.x(), 'f', 2),
                     QLocale(QLocale::French).toString(offset.y(), 'f', 2))
                .arg(index + 1);
        }
    }
    return {};
}

PrintJob::Result LabelJob::print(QPrinter& printer, const QString& askedQueue) {
    PrinterJob::setPage(printer, sheet_.pageSize());
    unprintable_ = unprintableOf(printer);
    notice_.clear();
    const Result result = PrinterJob::print(
        printer, placement(printer, !sheet_.isTuned()), askedQueue,
        [this](PrintSurface& surface, QString* error) { return run(surface, true, error); },
        &error_, inputs());
    if (result == Result::Stopped) {
        tellStopped(printer, sheetsSent_, Text::tr("feuille envoyée"),
                    Text::tr("feuilles envoyées"));
    }
    return result;
}

PrintJob::Result LabelJob::dump(std::FILE* out) {
    DumpSurface surface(out);
    return run(surface, false, &error_);
}

PrintJob::Result LabelJob::preview(QPrinter& printer) {
    PrinterJob::setPage(printer, sheet_.pageSize());
    unprintable_ = unprintableOf(printer);
    std::vector<QRectF> used = sheet_.labels();
    used.resize(
        static_cast<size_t>(std::clamp(options_.firstLabel - 1, 0, sheet_.labelsPerSheet())));
    return PrinterJob::preview(
        printer, placement(printer, !sheet_.isTuned()), sheet_.labels(),
        [this](PrintSurface& surface, QString* error) { return run(surface, false, error); },
        &error_, used, QRectF(QPointF(), sheet_.paperSize()).marginsRemoved(unprintable_));
}

PrintJob::Result LabelJob::printCalibrationPage(QPrinter& printer, const QString& askedQueue) {
    PrinterJob::setPage(printer, sheet_.pageSize());
    // Without the stored offset, so that the shift measured is the one to store.
    return PrinterJob::print(
        printer, PrintPlacement(QPointF(), true, QPointF()), askedQueue,
        [this](PrintSurface& surface, QString* error) {
            if (CalibrationPage::print(sheet_, static_cast<PrinterSurface&>(surface))) {
                return Result::Done;
            }
            *error = surface.error();
            return Result::Failed;
        },
        &error_, inputs());
}
