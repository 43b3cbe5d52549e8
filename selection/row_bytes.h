#pragma once

#include "log/qso_record.h"

// The bytes of a QSO's list row, one after another, without building the row:
// sorting a million QSOs compares rows many times over.
class RowBytes {
  public:
    explicit RowBytes(const QsoRecord& record);

    // The next byte (0-255), or -1 past the end of the row.
    int next();

  private:
    bool startField();

    const QsoRecord& record_;
    int field_ = -1;
    QByteArrayView value_;
    qsizetype at_ = 0;
    int places_ = 0;  // characters of the value given so far
    int blanks_ = 0;  // blanks still to give after the value
    bool inValue_ = false;
};

// Compares two QSO list rows as RowList::compareIgnoringCase compares their text.
int compareRowsIgnoringCase(const QsoRecord& a, const QsoRecord& b);
