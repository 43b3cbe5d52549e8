#include "printing/printer_surface.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include "log/printable_text.h"
#include "printing/font_faces.h"
#include "printing/pdf_page_memory.h"
#include "printing/print_geometry.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PrinterSurface)
};

}  // namespace

namespace {

QString printerLabel(const QPrinter& printer) {
    return printer.printerName().isEmpty() ? Text::tr("(aucune)") : printer.printerName();
}

}  // namespace

PrinterSurface::PrinterSurface(QPrinter& printer, QPointF pdfOrigin)
    : printer_(printer), pdfOrigin_(pdfOrigin) {
    printer_.setResolution(PrintGeometry::kResolutionDpi);
    printer_.setFullPage(isPdf());
    PdfPageMemory::keepBuffersInHeap();
}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

QString PrinterSurface::checkPrinter(const QPrinter& printer, const QString& askedName) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) {
            return askedName.isEmpty() ? Text::tr("Aucune imprimante n'est disponible.")
                                       : Text::tr("Imprimante introuvable : %1").arg(askedName);
        }
        return {};
    }
    const QString name = printer.printerName();
    if (!askedName.isEmpty() && name != askedName) {
        return Text::tr("Imprimante introuvable : %1").arg(askedName);
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        return Text::tr("Imprimante introuvable : %1").arg(printerLabel(printer));
    }
    if (info.state() == QPrinter::Error) {
        return Text::tr("L'imprimante %1 est en erreur ou désactivée.").arg(name);
    }
    return {};
}

QString PrinterSurface::problemAfterJob() const {
    // Qt sends the job with CUPS on this thread and reports nothing; CUPS
    // keeps the outcome of its last request.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        return Text::tr("L'imprimante %1 a refusé la page : %2")
            .arg(printerLabel(printer_), QString::fromUtf8(cupsLastErrorString()));
    }
    if (QPrinterInfo::printerInfo(printer_.printerName()).state() == QPrinter::Error) {
        return Text::tr(
                   "L'imprimante %1 a été arrêtée ou désactivée pendant l'impression ; "
                   "la dernière page attend dans la file d'impression.")
            .arg(printerLabel(printer_));
    }
    return {};
}

void PrinterSurface::drawAsPreview(std::vector<QRectF> outlines,
                                   std::vector<QRectF> usedOnFirstPage, QRectF reachable) {
    preview_ = true;
    outlines_ = std::move(outlines);
    used_ = std::move(usedOnFirstPage);
    reachable_ = reachable;
}

bool PrinterSurface::isOneDocument() const {
    return isPdf() || preview_;
}

void PrinterSurface::drawOutlines() {
    if (outlines_.empty() && used_.empty() && reachable_.isEmpty()) {
        return;
    }
    const double perMillimetre = printer_.resolution() / PrintGeometry::kMillimetresPerInch;
    // Outlines are given from the paper's edge, wherever the printable area starts.
    const QPointF paperOrigin =
        isPdf() ? pdfOrigin_ : printer_.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    painter_.save();
    painter_.setPen(QPen(QColor(160, 190, 220), 0, Qt::DashLine));
    painter_.setBrush(Qt::NoBrush);
    for (const QRectF& outline : outlines_) {
        const QPointF corner = (outline.topLeft() - paperOrigin) * perMillimetre;
        painter_.drawRect(QRectF(corner, outline.size() * perMillimetre));
    }
    // Where the printer can print: fitted text stays inside.
    if (!reachable_.isEmpty()) {
        painter_.setPen(QPen(QColor(230, 150, 150), 0, Qt::DotLine));
        const QPointF corner = (reachable_.topLeft() - paperOrigin) * perMillimetre;
        painter_.drawRect(QRectF(corner, reachable_.size() * perMillimetre));
        painter_.setPen(QPen(QColor(160, 190, 220), 0, Qt::DashLine));
    }
    // The labels already used on the first sheet, which the run leaves blank.
    painter_.setBrush(QBrush(QColor(200, 200, 200), Qt::BDiagPattern));
    for (const QRectF& outline : used_) {
        const QPointF corner = (outline.topLeft() - paperOrigin) * perMillimetre;
        painter_.drawRect(QRectF(corner, outline.size() * perMillimetre));
    }
    used_.clear();
    painter_.restore();
}

bool PrinterSurface::isPdf() const {
    return printer_.outputFormat() == QPrinter::PdfFormat;
}

double PrinterSurface::pixelsPerPoint() const {
    return printer_.resolution() / PrintGeometry::kPointsPerInch;
}

QFont PrinterSurface::currentFont() const {
    QFont font = FontFaces::font(fontName(), fontSize(), bold());
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

bool PrinterSurface::beginJob() {
    if (jobOpen_ && !pageEnded_) {
        return true;
    }
    if (jobOpen_ && pageEnded_) {
        // One document (a PDF file or a preview): the next job is the next page.
        if (!printer_.newPage()) {
            setError(isPdf() ? Text::tr("Impossible d'écrire le fichier %1 : le support est "
                                        "plein ou en erreur.")
                                   .arg(printer_.outputFileName())
                             : Text::tr("Impossible de commencer une nouvelle page."));
            return false;
        }
        pageEnded_ = false;
    } else if (!isOneDocument() && !checkPrinter(printer_).isEmpty()) {
        setError(checkPrinter(printer_));
        return false;
    } else if (!painter_.begin(&printer_)) {
        setError(isPdf()
                     ? Text::tr("Impossible d'écrire le fichier %1.").arg(printer_.outputFileName())
                     : Text::tr("Impossible de commencer l'impression sur %1.")
                           .arg(printerLabel(printer_)));
        return false;
    } else {
        jobOpen_ = true;
        pageEnded_ = false;
    }
    placeOrigin();
    drawOutlines();
    y_ = 0;
    return true;
}

void PrinterSurface::measureFromPaperEdge() {
    pdfOrigin_ = QPointF(0, 0);
    printer_.setFullPage(true);
}

void PrinterSurface::placeOrigin() {
    const QPointF origin = (isPdf() ? pdfOrigin_ : QPointF()) + (preview_ ? QPointF() : offset_);
    painter_.resetTransform();
    if (!origin.isNull()) {
        painter_.translate(origin * (printer_.resolution() / PrintGeometry::kMillimetresPerInch));
    }
}

bool PrinterSurface::drawLine(QPointF from, QPointF to) {
    if (!beginJob()) {
        return false;
    }
    const double perMillimetre = printer_.resolution() / PrintGeometry::kMillimetresPerInch;
    painter_.save();
    painter_.setPen(QPen(Qt::black, perMillimetre * 0.15));
    painter_.drawLine(from * perMillimetre, to * perMillimetre);
    painter_.restore();
    return true;
}

bool PrinterSurface::drawPicture(const QRectF& area, const QString& /*name*/,
                                 const Painting& paint) {
    if (!beginJob()) {
        return false;
    }
    const double perMillimetre = printer_.resolution() / PrintGeometry::kMillimetresPerInch;
    const QRectF pixels(area.topLeft() * perMillimetre, area.size() * perMillimetre);
    painter_.save();
    painter_.setClipRect(pixels, Qt::IntersectClip);
    paint(painter_, pixels);
    painter_.restore();
    return true;
}

bool PrinterSurface::printLine(const QString& text) {
    if (!beginJob()) {
        return false;
    }
    const double pixelsPerMillimetre = printer_.resolution() / PrintGeometry::kMillimetresPerInch;
    double x = 0;
    if (hasPosition()) {
        x = positionX() * pixelsPerMillimetre;
        y_ = positionY() * pixelsPerMillimetre;
        clearPosition();
    }
    const QFont font = currentFont();
    if (!text.isEmpty()) {
        QString printable = text;
        PrintableText::blankControls(printable);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, &printer_);
        painter_.drawText(QPointF(x, y_ + metrics.ascent()), printable);
    }
    y_ += fontSize() * PrintGeometry::kLineAdvanceFactor * pixelsPerPoint();
    return true;
}

bool PrinterSurface::endJob() {
    if (!jobOpen_ || pageEnded_) {
        // Nothing drawn since the last job: an empty page still goes out.
        if (!beginJob()) {
            return false;
        }
    }
    if (isOneDocument()) {
        pageEnded_ = true;
        ++jobsSent_;
        return true;
    }
    jobOpen_ = false;
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        setError(Text::tr("La page n'a pas pu être envoyée à l'imprimante %1.")
                     .arg(printerLabel(printer_)));
        return false;
    }
    const QString problem = problemAfterJob();
    if (!problem.isEmpty()) {
        setError(problem);
        return false;
    }
    ++jobsSent_;
    return true;
}

void PrinterSurface::discardJob() {
    if (!jobOpen_ || (isOneDocument() && pageEnded_)) {
        return;
    }
    if (isOneDocument()) {
        // A PDF page cannot be taken back: leave it blank-ended.
        pageEnded_ = true;
        return;
    }
    jobOpen_ = false;
    printer_.abort();
    painter_.end();
}

bool PrinterSurface::finish() {
    if (!painter_.isActive()) {
        return true;
    }
    jobOpen_ = false;
    return painter_.end();
}
