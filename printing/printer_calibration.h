#pragma once

#include <QPointF>
#include <QString>

class QPrinter;
class SettingsStore;

// The shift of each printer, in millimetres (right and down positive),
// measured by the operator on a calibration page and applied to everything
// printed on that printer. Kept in the settings store, one key per printer.
class PrinterCalibration {
  public:
    static constexpr double kLargest = 10.0;

    explicit PrinterCalibration(SettingsStore& store) : store_(store) {}

    // The CUPS queue's name, or "PDF" for a PDF file.
    static QString printerKey(const QPrinter& printer);

    QPointF offset(const QString& printer) const;
    void setOffset(const QString& printer, QPointF millimetres);

    // A French message when the value is not a number from -10 to +10 mm; empty otherwise.
    static QString checkOffset(const QString& text, double* millimetres);

  private:
    SettingsStore& store_;
};
