#include "printing/printer_job.h"

#include "printing/printer_surface.h"

namespace {

void place(PrinterSurface& surface, const PrintPlacement& placement) {
    if (placement.fromPaperEdge) {
        surface.measureFromPaperEdge();
    }
    surface.setOffset(placement.offset);
}

}  // namespace

PrinterJob::Result PrinterJob::print(QPrinter& printer, const PrintPlacement& placement,
                                     const QString& askedPrinter,
                                     const std::function<Result(PrintSurface&, QString*)>& run,
                                     QString* error) {
    const QString problem = PrinterSurface::checkPrinter(printer, askedPrinter);
    if (!problem.isEmpty()) {
        *error = problem;
        return Result::Failed;
    }
    PrinterSurface surface(printer, placement.pdfOrigin);
    place(surface, placement);
    const Result result = run(surface, error);
    if (!surface.finish() && result != Result::Failed) {
        *error = QStringLiteral("L'impression n'a pas pu être terminée.");
        return Result::Failed;
    }
    return result;
}

PrinterJob::Result PrinterJob::preview(QPrinter& printer, const PrintPlacement& placement,
                                       std::vector<QRectF> outlines,
                                       const std::function<Result(PrintSurface&, QString*)>& run,
                                       QString* error) {
    PrinterSurface surface(printer, placement.pdfOrigin);
    place(surface, placement);
    surface.drawAsPreview(std::move(outlines));
    const Result result = run(surface, error);
    surface.finish();
    return result;
}
