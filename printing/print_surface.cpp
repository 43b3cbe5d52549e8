#include "printing/print_surface.h"

void PrintSurface::setPosition(double xMillimetres, double yMillimetres) {
    x_ = xMillimetres;
    y_ = yMillimetres;
    hasPosition_ = true;
}
