#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class PrintSurface;
class QPrinter;

// Where a run's drawing lands: the printable area's place on a PDF page, or
// the paper's edge on both; and a printer calibration's shift (millimetres).
struct PrintPlacement {
    PrintPlacement(QPointF origin) : pdfOrigin(origin) {}  // NOLINT: a plain origin is common
    PrintPlacement(QPointF origin, bool paperEdge, QPointF shift)
        : pdfOrigin(origin), fromPaperEdge(paperEdge), offset(shift) {}
    QPointF pdfOrigin;
    bool fromPaperEdge = false;
    QPointF offset;
};

// One print run on a QPrinter: checks the printer, draws through a
// PrinterSurface and closes the output. `run` returns false with a French
// message when the run itself failed.
struct PrinterJob {
    enum class Result { Done, Stopped, Failed };

    // `pdfOrigin`: where the printable area starts on a PDF page (millimetres).
    // A PDF goes through a PdfOutput: the file at its path changes only when
    // the run is done, never when it failed or the operator stopped it. A PDF path
    // that is one of `inputs`, or that is not a regular file, is refused before anything is drawn.
    // The whole page a job prints on, size and orientation: a job never takes
    // the orientation an earlier job (an envelope) left in the shared printer.
    static void setPage(QPrinter& printer, const QPageSize& size,
                        QPageLayout::Orientation orientation = QPageLayout::Portrait);

    static Result print(QPrinter& printer, const PrintPlacement& placement,
                        const QString& askedPrinter,
                        const std::function<Result(PrintSurface&, QString*)>& run, QString* error,
                        const QStringList& inputs = {});

    // The same run drawn into a print preview, with `outlines` (millimetres
    // from the paper's edge) drawn faintly on every page, `used` (labels
    // the run leaves blank) shaded on the first, and the area the printer
    // reaches, `reachable`, framed when given.
    static Result preview(QPrinter& printer, const PrintPlacement& placement,
                          std::vector<QRectF> outlines,
                          const std::function<Result(PrintSurface&, QString*)>& run, QString* error,
                          std::vector<QRectF> used = {}, QRectF reachable = QRectF());
};
