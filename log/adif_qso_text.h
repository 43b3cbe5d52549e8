#pragma once

#include <QByteArrayView>
#include <array>

#include "log/adif_fields.h"

// One QSO's text as the general rules read it: where each used field's tag
// starts, and the values those tags give.
class AdifQsoText {
  public:
    explicit AdifQsoText(QByteArrayView text) : text_(text) { tagAt_.fill(-1); }

    void note(adif::Field field, qsizetype at) {
        if (field != adif::kFieldCount && tagAt_[field] < 0) {
            tagAt_[field] = at;
        }
    }
    bool has(adif::Field field) const { return tagAt_[field] >= 0; }
    void endAt(qsizetype size) { text_ = text_.first(size); }

    adif::FieldSpans spans() const;

    // The value of a field's tag (adif::valueEnd); empty when it is missing.
    QByteArrayView value(adif::Field field) const;

  private:
    QByteArrayView text_;
    std::array<qsizetype, adif::kFieldCount> tagAt_{};
};
