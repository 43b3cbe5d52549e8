#pragma once

#include <QRectF>
#include <vector>

// The published geometry of a label sheet, in millimetres from the paper's
// top-left corner: where the labels are, to outline them in a preview.
struct SheetGeometry {
    double left;
    double top;
    double width;
    double height;
    double across;  // horizontal pitch
    double down;    // vertical pitch
    int rows;

    // The sheet of a label format (1, 2, 3, 4 or 6); null for any other.
    static const SheetGeometry* forFormat(int format);
    // Every label of the sheet, two per row.
    std::vector<QRectF> labels() const;
};
