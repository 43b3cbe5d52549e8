#pragma once

struct LabelSheet;
class PrinterSurface;

// A page to measure a printer's shift on a sheet: the outline of every label,
// a cross at each label's top-left corner and millimetre scales along the
// paper's top and left edges, all drawn from the paper's edge and never
// shifted by a stored calibration: what the operator measures on it is the
// offset to store.
class CalibrationPage {
  public:
    // Draws the page and ends it; false with the surface's error when printing failed.
    static bool print(const LabelSheet& sheet, PrinterSurface& surface);
};
