#include "printing/print_job.h"

#include <QDateTime>
#include <QPrinter>

#include "log/sent_marker.h"
#include "printing/printer_calibration.h"

PrintJob::PrintJob(SettingsStore& store, QsoRecords records, QString sendingMethod)
    : store_(store), records_(std::move(records)), sendingMethod_(std::move(sendingMethod)) {}

PrintJob::~PrintJob() = default;

SentMarker::Result PrintJob::writeMarkedCopy(const QString& log, const LogFingerprint& fingerprint,
                                             const QString& copy, const QsoRecords& marked,
                                             QString* error) const {
    return SentMarker::writeCopy(log, fingerprint, copy, marked, sendingMethod_,
                                 QDateTime::currentDateTimeUtc().date(), error);
}

QPointF PrintJob::offsetFor(const QPrinter& printer) const {
    QPointF offset;
    if (!offsetX_ || !offsetY_) {
        offset = PrinterCalibration(store_).offset(PrinterCalibration::printerKey(printer));
    }
    return {offsetX_.value_or(offset.x()), offsetY_.value_or(offset.y())};
}

void PrintJob::tellStopped(const QPrinter& printer, int sent, const QString& one,
                           const QString& many) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        notice_ = QStringLiteral("Impression arrêtée : aucun fichier n'est écrit.");
        return;
    }
    notice_ = QStringLiteral("Impression arrêtée : %1 %2 à l'imprimante.")
                  .arg(QString::number(sent), sent > 1 ? many : one);
}
