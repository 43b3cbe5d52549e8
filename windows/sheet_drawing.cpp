#include "windows/sheet_drawing.h"

#include <QPainter>
#include <algorithm>

SheetDrawing::SheetDrawing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sheetDrawing"));
    setMinimumSize(160, 220);
    setAccessibleName(tr("Dessin de la planche"));
}

void SheetDrawing::setSheet(const LabelSheet& sheet) {
    sheet_ = sheet;
    update();
}

void SheetDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QSizeF paper = sheet_.paperSize();
    if (paper.width() <= 0 || paper.height() <= 0) {
        return;
    }
    const double scale = std::min((width() - 8) / paper.width(), (height() - 8) / paper.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - paper.width() * scale) / 2,
                      (height() - paper.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(QPointF(0, 0), paper));
    const bool sound = sheet_.problem().isEmpty();
    painter.setBrush(sound ? QColor(200, 225, 250) : QColor(250, 200, 200));
    painter.setPen(QPen(sound ? QColor(60, 100, 160) : QColor(180, 40, 40), 0));
    // A sheet being typed may hold any grid: its labels are drawn once it is a sensible one.
    const bool drawable = sheet_.columns > 0 && sheet_.rows > 0 &&
                          sheet_.columns <= LabelSheet::kMostLabels &&
                          sheet_.rows <= LabelSheet::kMostLabels;
    if (drawable && sheet_.labelsPerSheet() <= 1000) {
        for (const QRectF& label : sheet_.labels()) {
            painter.drawRoundedRect(label, 1.5, 1.5);
        }
    }
}
