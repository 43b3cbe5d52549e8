#pragma once

#include <QString>
#include <vector>

#include "labels/label_composer.h"
#include "labels/sheet_profile.h"
#include "log/qso_record.h"

// A label holding several QSOs with one station on a tuned sheet. It keeps
// the lines and sizes of the sheet's label: the address line (and the
// activation's line) and the thanks stay; a blank line of 8 points or more
// before the QSOs carries a heading; the other lines carry one QSO each, then
// as many of the label's own lines as are left.
class GroupedLabel {
  public:
    GroupedLabel(const LabelComposer& composer, const LabelLayout& layout);

    // The QSOs one label holds.
    int capacity() const { return capacity_; }

    // The label's part of the layout's printed line `line` for `qsos`
    // (at most capacity()); the left label is padded to the label's width.
    QString side(size_t line, const QsoRecords& qsos, LabelComposer::Side which) const;

    // The characters the left label fills on a printed line of `size` points.
    int leftWidth(float size) const;

  private:
    enum class Role { Kept, Heading, Qso, Empty };

    QString centred(const QString& text, float size, LabelComposer::Side which) const;
    // The blanks before a text of `length` characters centred in `width`.
    static int blanksBefore(int width, int length);
    QString heading(float size, LabelComposer::Side which) const;

    const LabelComposer& composer_;
    const LabelLayout& layout_;
    std::vector<Role> roles_;
    std::vector<int> qsoOrdinal_;    // by line: its place among the QSO lines
    std::vector<LabelLine> extras_;  // the label's own lines shown after the QSOs
    int capacity_ = 0;
    int referenceWidth_ = 0;  // the left label's characters at referenceSize_
    float referenceSize_ = 11;
};
