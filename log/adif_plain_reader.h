#pragma once

#include <QByteArrayView>

#include "log/adif_fields.h"

// Reads, in one pass, a record that the general rules would read the same
// way tag by tag: it starts with a tag, an <EOR> ends it, every "<" in it
// opens a tag "<NAME:n>" or "<NAME:n:T>" with no line break inside, it holds
// one CALL tag, and no line break falls inside a used field's value (line
// breaks between tags change nothing once lines are joined). Most records of
// a real log are such records.
class AdifPlainReader {
  public:
    explicit AdifPlainReader(const adif::QsoFound& found) : found_(found) {}

    // Reads the record at `position` of `bytes` and hands its QSO on when it
    // has a tag. Returns the offset just past its <EOR>, or -1, having read
    // nothing, for any other record.
    qsizetype read(QByteArrayView bytes, qsizetype position) const;

  private:
    const adif::QsoFound& found_;
};
