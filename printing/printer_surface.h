#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "printing/print_surface.h"

class QPrinter;

// Prints through a QPrinter: a CUPS queue (each job its own print job) or a
// PDF file (each job a page of one file). Drawing starts a job; on a printer
// the painter is opened for each job and closed when it ends.
class PrinterSurface : public PrintSurface {
  public:
    // `pdfOrigin` is where the printable area starts on a PDF page, in
    // millimetres from the paper's top-left corner (a PDF has no border).
    PrinterSurface(QPrinter& printer, QPointF pdfOrigin);
    ~PrinterSurface() override;

    // Checks that the printer can be used: an existing queue, not in error,
    // the very one asked for. Returns a French message, or an empty text.
    static QString checkPrinter(const QPrinter& printer, const QString& askedName = QString());

    // Positions are measured from the paper's edge, on a PDF as on a printer.
    void measureFromPaperEdge();
    // Shifts everything printed by a printer calibration, in millimetres
    // (never in a preview, which shows the sheet as it should come out).
    void setOffset(QPointF millimetres) { offset_ = millimetres; }

    bool printLine(const QString& text) override;
    // Draws a thin line between two points, in millimetres like positions.
    bool drawLine(QPointF from, QPointF to) override;
    bool drawPicture(const QRectF& area, const QString& name, const Painting& paint) override;
    bool endJob() override;
    void discardJob() override;
    // Ends the PDF file (or the open job); true when all went out.
    bool finish();

    int jobsSent() const { return jobsSent_; }

    // Draws into a print preview: one document, a page per job, and `outlines`
    // (millimetres from the paper's edge) drawn faintly on every page, with
    // the printer's `reachable` area framed when given. None of them is ever printed.
    void drawAsPreview(std::vector<QRectF> outlines, std::vector<QRectF> usedOnFirstPage = {},
                       QRectF reachable = QRectF());

  private:
    bool isPdf() const;
    bool isOneDocument() const;
    void drawOutlines();
    QString problemAfterJob() const;
    bool beginJob();
    void placeOrigin();
    double pixelsPerPoint() const;
    QFont currentFont() const;

    QPrinter& printer_;
    QPointF pdfOrigin_;
    QPointF offset_;
    QPainter painter_;
    bool jobOpen_ = false;
    bool pageEnded_ = false;
    double y_ = 0;  // device pixels from the printable area's top
    int jobsSent_ = 0;
    bool preview_ = false;
    std::vector<QRectF> outlines_;
    std::vector<QRectF> used_;  // drawn shaded on the first page only
    QRectF reachable_;
};
