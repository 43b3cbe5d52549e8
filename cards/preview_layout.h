#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "cards/qsl_template.h"

// Where the preview of a layout puts each of its ten lines, in twips from the
// card area's top-left corner (52 twips per millimetre; margins play no part).
class PreviewLayout {
  public:
    static constexpr double kTwipsPerMillimetre = 52.0;

    struct Line {
        QString text;
        double size = 10;  // points, as typed
        bool bold = false;
        bool placed = false;  // false: the line stays at rest, out of sight
        double left = 0;      // twips
        double top = 0;
    };

    // `samples`: the QSO values of lines 1 to 7 as the editor shows them.
    PreviewLayout(const QslTemplate& model, const std::array<QString, 7>& samples);

    const Line& line(int number) const { return lines_[static_cast<size_t>(number - 1)]; }
    // The fields that should be numbers and are not, in line order.
    const QStringList& badFields() const { return badFields_; }

  private:
    void place(int number, const QString& text, bool firstOfGroup);

    const QslTemplate& model_;
    std::array<Line, QslTemplate::kLines> lines_;
    QStringList badFields_;
};
