#include "printing/dump_surface.h"

#include "log/printable_text.h"

QString DumpSurface::number(double value) {
    return QString::number(value, 'g', 10);
}

void DumpSurface::write(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), out_);
}

bool DumpSurface::printLine(const QString& value) {
    QString text = value;
    PrintableText::blankControls(text);
    const QString weight = bold() ? QStringLiteral("1") : QStringLiteral("0");
    const QString body = QString::number(fontSize(), 'g', 7) + QLatin1Char(' ') + weight +
                         QStringLiteral(" |") + text + QLatin1Char('|');
    if (hasPosition()) {
        write(QStringLiteral("text ") + number(positionX()) + QLatin1Char(' ') +
              number(positionY()) + QLatin1Char(' ') + body);
        clearPosition();
    } else {
        write(QStringLiteral("line ") + body);
    }
    return true;
}

bool DumpSurface::drawLine(QPointF from, QPointF to) {
    write(QStringLiteral("mark %1 %2 %3 %4")
              .arg(number(from.x()), number(from.y()), number(to.x()), number(to.y())));
    return true;
}

bool DumpSurface::drawPicture(const QRectF& area, const QString& name, const Painting& /*paint*/) {
    QString shown = name;
    PrintableText::blankControls(shown);
    write(QStringLiteral("picture %1 %2 %3 %4 |%5|")
              .arg(number(area.x()), number(area.y()), number(area.width()), number(area.height()),
                   shown));
    return true;
}

bool DumpSurface::endJob() {
    write(QStringLiteral("end"));
    return true;
}

void DumpSurface::discardJob() {
    write(QStringLiteral("discard"));
}
