#pragma once

#include <QString>
#include <vector>

// The printed lines of a label, as named in the composition.
enum class LabelLine {
    Blank,
    Address,
    Date,
    Band,
    Station,
    Comment,
    Thanks,
    From,
    Activation,
    Place,
    Canton,
    DdcfPlace,
    Contact,
};

enum class LineFamily { Qso42, Qso44, ActivationCanton, ActivationDdcf };

struct ProfileLine {
    LabelLine line;
    float size;
    bool bold;
};

// How one label type is laid out on one sheet.
struct LabelLayout {
    LineFamily family;
    std::vector<ProfileLine> body;
    float rowGap;
    // Blank lines at the head of each sheet, by the offset shown in verticalOffsetBox.
    std::vector<float> headLines(const QString& offset) const;

    enum class HeadRule { None, ByOffset, Fixed };
    HeadRule headRule;
    std::vector<std::vector<float>> headsByOffset;  // one per offset, list order
    std::vector<float> fixedHead;
};

// How the labels of a tuned sheet are printed: line after line down the
// sheet, both labels of a row in one printed line, each label type laid out.
struct SheetProfile {
    // The fixed characters counted on a French QSO address line: five on
    // both labels, or four on the left label and six on the right.
    enum class AddressSpacing { Even, BySide };

    QString prompt;
    AddressSpacing addressSpacing;
    LabelLayout qso;
    LabelLayout activation;

    const LabelLayout& layout(int labelType) const;

    // The profile of a tuned sheet (1, 2, 3, 4 or 6); null for any other.
    static const SheetProfile* tuned(int number);
};
