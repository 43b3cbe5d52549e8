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
    // The limits of a sheet the program prints on, in millimetres: a paper
    // side from 10 to 1,000, a label side from 5 to the paper's, margins from
    // 0, pitches up to 1,000 and at least the label's size when used, and at
    // most 400 labels on a sheet.
    static constexpr double kSmallestPaper = 10;
    static constexpr double kLargestPaper = 1000;
    static constexpr double kSmallestLabel = 5;
    static constexpr int kMostLabels = 400;

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

    // A French message naming the first value out of the limits above, or
    // labels that overlap or leave the paper; empty when the sheet can be printed.
    QString problem() const;
    // "NAME  WIDTH x HEIGHT  COUNT étiquettes": what lists of sheets show.
    QString description() const;

    // name, tab, paper, tab, COLUMNSxROWS, tab, left top width height across down.
    QString listLine() const;
    static std::optional<LabelSheet> fromListLine(const QString& line);
    static QString millimetres(double value);

    // The names of a sheet's measures, in the order of a line of the sheets
    // file (paper width and height, columns, rows, margins, label width and
    // height, pitches), in the language chosen.
    static constexpr int kMeasureCount = 10;
    static QString measureName(int measure);

  private:
    QString placementProblem(QSizeF paper) const;
};
