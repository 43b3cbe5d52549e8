#include "printing/printer_calibration.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "settings/settings_store.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PrinterCalibration)
};

}  // namespace

namespace {

double bounded(double value) {
    return std::isfinite(value)
               ? std::clamp(value, -PrinterCalibration::kLargest, PrinterCalibration::kLargest)
               : 0.0;
}

}  // namespace

QString PrinterCalibration::printerKey(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF")
                                                         : printer.printerName();
}

QPointF PrinterCalibration::offset(const QString& printer) const {
    const QStringList values = store_.read(StoredSettings::kPrinterOffset, printer)
                                   .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (values.size() != 2) {
        return {};
    }
    return {bounded(values[0].toDouble()), bounded(values[1].toDouble())};
}

void PrinterCalibration::setOffset(const QString& printer, QPointF millimetres) {
    store_.write(StoredSettings::kPrinterOffset,
                 QString::number(bounded(millimetres.x()), 'g', 6) + QLatin1Char(' ') +
                     QString::number(bounded(millimetres.y()), 'g', 6),
                 printer);
}

QString PrinterCalibration::checkOffset(const QString& text, double* millimetres) {
    bool number = false;
    const double value =
        QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&number);
    if (!number || !std::isfinite(value) || std::fabs(value) > kLargest) {
        return Text::tr("Décalage : un nombre de millimètres de -10 à +10 est attendu (%1).")
            .arg(text);
    }
    *millimetres = value;
    return {};
}
