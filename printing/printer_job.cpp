#include "printing/printer_job.h"

#include <QCoreApplication>
#include <QPrinter>
#include <memory>

#include "printing/pdf_output.h"
#include "printing/printer_surface.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PrinterJob)
};

}  // namespace

namespace {

void place(PrinterSurface& surface, const PrintPlacement& placement) {
    if (placement.fromPaperEdge) {
        surface.measureFromPaperEdge();
    }
    surface.setOffset(placement.offset);
}

}  // namespace

void PrinterJob::setPage(QPrinter& printer, const QPageSize& size,
                         QPageLayout::Orientation orientation) {
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
}

PrinterJob::Result PrinterJob::print(QPrinter& printer, const PrintPlacement& placement,
                                     const QString& askedPrinter,
                                     const std::function<Result(PrintSurface&, QString*)>& run,
                                     QString* error, const QStringList& inputs) {
    QString problem = PrinterSurface::checkPrinter(printer, askedPrinter);
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString target = printer.outputFileName();
    if (problem.isEmpty() && toFile) {
        problem = PdfOutput::targetProblem(target, inputs);
    }
    if (!problem.isEmpty()) {
        *error = problem;
        return Result::Failed;
    }
    std::unique_ptr<PdfOutput> output;
    if (toFile) {
        output = std::make_unique<PdfOutput>(target);
        if (output->temporaryPath().isEmpty()) {
            *error = output->error();
            return Result::Failed;
        }
        printer.setOutputFileName(output->temporaryPath());
    }
    Result result = Result::Failed;
    {
        PrinterSurface surface(printer, placement.pdfOrigin);
        place(surface, placement);
        result = run(surface, error);
        if (!surface.finish() && result != Result::Failed) {
            if (toFile) {
                output->abandon();
                *error = output->error();
            } else {
                *error = Text::tr("L'impression n'a pas pu être terminée.");
            }
            result = Result::Failed;
        }
    }
    if (toFile) {
        printer.setOutputFileName(target);
        // The operator knows the file by its own name, not by the temporary one.
        error->replace(output->temporaryPath(), target);
        // A stopped run leaves the older file as it was; its temporary file goes.
        if (result == Result::Done && !output->commit()) {
            *error = output->error();
            result = Result::Failed;
        }
    }
    return result;
}

PrinterJob::Result PrinterJob::preview(QPrinter& printer, const PrintPlacement& placement,
                                       std::vector<QRectF> outlines,
                                       const std::function<Result(PrintSurface&, QString*)>& run,
                                       QString* error, std::vector<QRectF> used, QRectF reachable) {
    PrinterSurface surface(printer, placement.pdfOrigin);
    place(surface, placement);
    surface.drawAsPreview(std::move(outlines), std::move(used), reachable);
    const Result result = run(surface, error);
    surface.finish();
    return result;
}
