#include "labels/sheet_geometry.h"

namespace {

const SheetGeometry kL7162{4.67, 13.02, 99.06, 33.87, 101.6, 33.87, 8};
const SheetGeometry kOlw4732{4.65, 12.5, 99.1, 34, 101.6, 34, 8};
const SheetGeometry kDp167{0, 0.5, 105, 37, 105, 37, 8};
const SheetGeometry kL7163{4.67, 15.15, 99.06, 38.1, 101.6, 38.1, 7};
const SheetGeometry kDlw1799{0, 8.5, 105, 35, 105, 35, 8};

}  // namespace

const SheetGeometry* SheetGeometry::forFormat(int format) {
    switch (format) {
        case 1:
            return &kL7162;
        case 2:
            return &kOlw4732;
        case 3:
            return &kDp167;
        case 4:
            return &kL7163;
        case 6:
            return &kDlw1799;
        default:
            return nullptr;
    }
}

std::vector<QRectF> SheetGeometry::labels() const {
    std::vector<QRectF> result;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 2; ++column) {
            result.emplace_back(left + column * across, top + row * down, width, height);
        }
    }
    return result;
}
