#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "labels/label_options.h"
#include "labels/sheet_profile.h"

class QsoRecord;

// The QSO data of one label, as the QSO list's columns hold it.
struct LabelFields {
    QString callsign;
    QString date;  // eight columns, untrimmed
    QString time;  // five columns, untrimmed
    QString band;
    QString mode;
    QString rst;
    QString via;                // the first eight columns of the QSL manager
    bool cardReceived = false;  // its paper QSL came (QSL_RCVD Y or V, not via E)

    // The fields of a QSO; all empty for no QSO (the right label of a last odd QSO).
    static LabelFields fromRecord(const QsoRecord* record);
    QString viaText() const;
};

// Builds the printed lines of a pair of labels: the left label's text,
// padded to its fixed width, followed by the right label's text.
class LabelComposer {
  public:
    LabelComposer(const LabelOptions& options, SheetProfile::AddressSpacing spacing);

    // The printed line (left and right labels) for one line of a layout.
    QString line(LabelLine kind, LineFamily family, const QsoRecord* left,
                 const QsoRecord* right) const;

    // The phrase of the QSL choice; with "Selon la QSL reçue", the thanks for
    // a card when `cardReceived`, else the request for one.
    QString thanksPhrase(bool cardReceived = false) const;

    // One label's part of a printed line.
    enum class Side { Left, Right };
    QString side(LabelLine kind, LineFamily family, const LabelFields& fields, Side which) const;

    static QString blanks(int count);

    // A QSO's line on a grouped label: date, time, band, mode and RST in
    // columns, at the character positions of groupColumns().
    static QString groupedQsoLine(const LabelFields& fields);
    // The words above those columns, each with its column.
    std::vector<std::pair<QString, int>> groupHeading() const;
    // The characters of a grouped QSO line with a three-character RST.
    static constexpr int kGroupedLineLength = 36;

  private:
    QString qsoLine(LabelLine kind, LineFamily family, const LabelFields& fields, Side which) const;
    QString activationLine(LabelLine kind, const LabelFields& fields, Side which) const;

    const LabelOptions& options_;
    SheetProfile::AddressSpacing spacing_;
};
