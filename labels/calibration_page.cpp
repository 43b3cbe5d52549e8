#include "labels/calibration_page.h"

#include <QRectF>
#include <algorithm>

#include "labels/label_sheet.h"
#include "printing/printer_surface.h"

namespace {

constexpr double kCrossArm = 3.0;
// The scales' ticks and numbers take this much of the paper's top and left edges.
constexpr double kScaleDepth = 13.0;
constexpr double kTitleLinePitch = 3.5;

// Tick length in millimetres: longer every 5 and every 10 mm.
double tickLength(int millimetre) {
    if (millimetre % 10 == 0) {
        return 8.0;
    }
    return millimetre % 5 == 0 ? 5.5 : 3.5;
}

bool drawScales(QSizeF paper, PrinterSurface& surface) {
    for (int x = 0; x <= static_cast<int>(paper.width()); ++x) {
        if (!surface.drawLine(QPointF(x, 0), QPointF(x, tickLength(x)))) {
            return false;
        }
        if (x % 10 == 0 && x > 0) {
            surface.setPosition(x + 0.5, 6.0);
            surface.printLine(QString::number(x));
        }
    }
    for (int y = 0; y <= static_cast<int>(paper.height()); ++y) {
        if (!surface.drawLine(QPointF(0, y), QPointF(tickLength(y), y))) {
            return false;
        }
        if (y % 10 == 0 && y > 0) {
            surface.setPosition(8.5, y - 1.2);
            surface.printLine(QString::number(y));
        }
    }
    return true;
}

bool drawLabel(const QRectF& label, PrinterSurface& surface) {
    const QPointF corner = label.topLeft();
    return surface.drawLine(label.topLeft(), label.topRight()) &&
           surface.drawLine(label.topRight(), label.bottomRight()) &&
           surface.drawLine(label.bottomRight(), label.bottomLeft()) &&
           surface.drawLine(label.bottomLeft(), label.topLeft()) &&
           surface.drawLine(corner - QPointF(kCrossArm, 0), corner + QPointF(kCrossArm, 0)) &&
           surface.drawLine(corner - QPointF(0, kCrossArm), corner + QPointF(0, kCrossArm));
}

}  // namespace

bool CalibrationPage::print(const LabelSheet& sheet, PrinterSurface& surface) {
    surface.setFontName(QStringLiteral("Courier New"));
    surface.setFontSize(6.0f);
    surface.setBold(false);
    if (!drawScales(sheet.paperSize(), surface)) {
        return false;
    }
    for (const QRectF& label : sheet.labels()) {
        if (!drawLabel(label, surface)) {
            return false;
        }
    }
    // The title in the first label, clear of the scales, each line placed.
    const QRectF first = sheet.label(0);
    surface.setFontSize(8.0f);
    const double left = std::max(first.left() + 5, kScaleDepth + 2);
    double top = std::max(first.top() + 5, kScaleDepth);
    for (const QString& line :
         {QStringLiteral("Planche %1").arg(sheet.name), QStringLiteral("Page de calibration"),
          QStringLiteral("Tracée sans décalage enregistré"),
          QStringLiteral("Décalage (mm) = prévu - imprimé")}) {
        surface.setPosition(left, top);
        surface.printLine(line);
        top += kTitleLinePitch;
    }
    return surface.endJob();
}
