#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

struct SheetProfile;

// One label sheet: its paper, its grid of labels and their published
// geometry in millimetres from the paper's top-left corner and, for the
// sheets the program was tuned for, the profile their labels are printed with.
struct LabelSheet {
    QString name;     // the tuned sheets by their number ("1".."6")
    QString caption;  // the text of the sheet's choice in the label options window
    int number = 0;   // the stored format number of a tuned sheet; 0 for the others
    QString paper = QStringLiteral("A4");  // "A4", "Letter" or "WIDTHxHEIGHT" (millimetres)
    int columns = 2;
    int rows = 8;
    double left = 0;
    double top = 0;
    double width = 0;   // of one label
    double height = 0;  // of one label
    double across = 0;  // horizontal pitch
    double down = 0;    // vertical pitch
    const SheetProfile* profile = nullptr;
    bool builtIn = true;  // the tuned sheets and the presets cannot be changed

    bool isTuned() const { return profile != nullptr; }
    int labelsPerSheet() const { return columns * rows; }
    // The paper in millimetres; an empty size when `paper` names none.
    QSizeF paperSize() const;
    QPageSize pageSize() const;
    // Every label of the sheet, row by row, left to right.
    std::vector<QRectF> labels() const;
    QRectF label(int index) const;

    // A French message naming the first unsound value; empty when the sheet can be printed.
    QString problem() const;

    // name, tab, paper, tab, COLUMNSxROWS, tab, left top width height across down.
    QString listLine() const;
    static std::optional<LabelSheet> fromListLine(const QString& line);
    static QString millimetres(double value);
};
