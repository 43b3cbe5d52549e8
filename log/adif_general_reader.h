#pragma once

#include <QByteArrayView>
#include <vector>

#include "log/adif_fields.h"

// Reads any record by the general rules: tag by tag, lines joined with
// nothing between them, a record ended by <EOR> and cut before each later
// CALL tag, a value the length its tag announces where that fits, else the
// text up to the next tag.
class AdifGeneralReader {
  public:
    explicit AdifGeneralReader(const adif::QsoFound& found) : found_(found) {}

    // Reads the record at `position` of the `size` bytes at `data` (the text
    // after the last <EOR> counts only when `last`), handing its QSOs on. A
    // record with a line break is first joined in place. Returns its length
    // up to just past its <EOR>, or -1 when no <EOR> ends it.
    qsizetype read(char* data, qsizetype size, qsizetype position, bool last);

  private:
    static constexpr qsizetype kLineBreaks = -2;

    qsizetype readRecord(QByteArrayView text, qsizetype rawStart, bool joined, bool last);
    QByteArrayView join(char* data, QByteArrayView raw);
    qsizetype rawIndex(qsizetype at) const;
    qsizetype rawEnd(qsizetype at) const;

    const adif::QsoFound& found_;
    std::vector<qsizetype> removedAt_;
};
