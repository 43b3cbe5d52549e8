#include "printing/printer_job.h"

#include "printing/printer_surface.h"

PrinterJob::Result PrinterJob::print(QPrinter& printer, QPointF pdfOrigin,
                                     const QString& askedPrinter,
                                     const std::function<Result(PrintSurface&, QString*)>& run,
                                     QString* error) {
    const QString problem = PrinterSurface::checkPrinter(printer, askedPrinter);
    if (!problem.isEmpty()) {
        *error = problem;
        return Result::Failed;
    }
    PrinterSurface surface(printer, pdfOrigin);
    const Result result = run(surface, error);
    if (!surface.finish() && result != Result::Failed) {
        *error = QStringLiteral("L'impression n'a pas pu être terminée.");
        return Result::Failed;
    }
    return result;
}

PrinterJob::Result PrinterJob::preview(QPrinter& printer, QPointF pdfOrigin,
                                       std::vector<QRectF> outlines,
                                       const std::function<Result(PrintSurface&, QString*)>& run,
                                       QString* error) {
    PrinterSurface surface(printer, pdfOrigin);
    surface.drawAsPreview(std::move(outlines));
    const Result result = run(surface, error);
    surface.finish();
    return result;
}
