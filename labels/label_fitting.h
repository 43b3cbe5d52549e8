#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

#include "labels/label_options.h"

struct LabelFields;

// One label of a sheet without a tuned profile: its lines, centred, and the
// point size at which they fit the label with a clear border all round.
class LabelFitting {
  public:
    static constexpr double kClearMillimetres = 1.5;
    static constexpr float kSmallestSize = 7.0f;
    static constexpr float kLargestSize = 12.0f;

    struct Line {
        QString text;
        bool bold;
    };
    struct Fitted {
        std::vector<Line> lines;
        float size;
        bool shortened;  // a line was left out to fit the height
    };

    // `label` is the label's size in millimetres.
    LabelFitting(const LabelOptions& options, QSizeF label);
    // Fitting into `area` (millimetres), the part of a label its text may take.
    static LabelFitting intoArea(const LabelOptions& options, QSizeF area);

    Fitted fit(const LabelFields& fields) const;
    // A label holding several QSOs with one station: the address (and the
    // activation), a heading, one line per QSO, the label's own lines that
    // fit, and the thanks.
    Fitted fitGroup(const std::vector<LabelFields>& qsos) const;
    // The QSOs a grouped label holds at the smallest size; 0 when a QSO's
    // line is wider than the label.
    int groupCapacity() const;

    // The face's advance and width: a fixed-pitch face, 0.6 em per character.
    static double lineAdvanceMillimetres(float size);
    static double widthMillimetres(const QString& text, float size);

  private:
    // Pieces that are never cut, joined by `joiner`.
    struct Pieces {
        QStringList pieces;
        QString joiner;
        bool bold;
        int dropOrder;  // 0 stays; 1 leaves first, then 2, then 3
        QString text() const { return pieces.join(joiner); }
    };

    std::vector<Pieces> qsoLines(const LabelFields& fields) const;
    std::vector<Pieces> activationLines(const LabelFields& fields) const;
    void addEquipment(std::vector<Pieces>& lines, const QString& transceiverLabel,
                      const QString& antennaLabel) const;
    std::vector<Pieces> groupLines(const std::vector<LabelFields>& qsos) const;
    Fitted fitted(std::vector<Pieces> pieces) const;
    QString thanksPhrase(bool cardReceived) const;
    float largestFittingSize(const std::vector<Line>& lines) const;
    std::vector<Line> brokenToWidth(const std::vector<Pieces>& lines, float size) const;

    const LabelOptions& options_;
    QSizeF inside_;  // the label less its clear border
};
