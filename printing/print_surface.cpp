#include "printing/print_surface.h"

void PrintSurface::setPosition(double xMillimetres, double yMillimetres) {
    x_ = xMillimetres;
    y_ = yMillimetres;
    hasPosition_ = true;
}

void PrintSurface::blankControls(QString& text) {
    for (QChar& unit : text) {
        if (unit.unicode() < 0x20 || unit.unicode() == 0x7f) {
            unit = QLatin1Char(' ');
        }
    }
}

void PrintSurface::blankControls(QByteArray& bytes) {
    for (char& byte : bytes) {
        if (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7f) {
            byte = ' ';
        }
    }
}
