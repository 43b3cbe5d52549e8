#include "printing/print_job.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPrinter>

#include "log/sent_marker.h"
#include "printing/printer_calibration.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PrintJob)
};

}  // namespace

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
        notice_ = Text::tr("Impression arrêtée : aucun fichier n'est écrit.");
        return;
    }
    notice_ = Text::tr("Impression arrêtée : %1 %2 à l'imprimante.")
                  .arg(QString::number(sent), sent > 1 ? many : one);
}
