#pragma once

// Measures that decide where printed text lands on paper.
namespace PrintGeometry {

// The label sheets were laid out for a printer whose line of size S advances
// about 1.091 x S points; a face's own line height (1.133 x S for the
// "Courier New" metrics) would drift off the labels row after row.
constexpr double kLineAdvanceFactor = 1.091;

// A PDF has no unprintable border; label PDFs place the printable area where
// a common laser printer has it, one sixth of an inch from the paper edges.
constexpr double kPdfLabelOriginMillimetres = 25.4 / 6.0;

// Most printers cannot print closer to the paper's edges than 3 to 5 mm;
// when the printer does not say (a PDF, the dump), fitted text keeps this far.
constexpr double kUnknownUnprintableMillimetres = 4.0;

// Whole and half point sizes map to whole device pixels at this resolution.
constexpr int kResolutionDpi = 720;

constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

}  // namespace PrintGeometry
