#pragma once

#include <QtGlobal>
#include <functional>

#include "log/adif_fields.h"
#include "log/adif_general_reader.h"
#include "log/adif_parsed_piece.h"
#include "log/adif_plain_reader.h"
#include "log/adif_values.h"

// Turns the record texts of one piece of a log into QSOs.
class AdifPieceParser {
  public:
    // `flush`, when given, takes the QSOs found so far every few thousand
    // QSOs, so that a giant record cut into many QSOs is not held whole.
    AdifPieceParser(adif::ParsedPiece& out, qint64 fileBase,
                    std::function<void(adif::ParsedPiece&)> flush);
    AdifPieceParser(const AdifPieceParser&) = delete;
    AdifPieceParser& operator=(const AdifPieceParser&) = delete;

    // Reads every record of `data`; the text after the last <EOR> counts
    // only when `last` (the piece ends the log). A record's tags are read in
    // one pass where it has no line break; one that has is first joined in
    // place.
    void parse(char* data, qsizetype size, bool last);

    // Off: every record is read by the general rules (to check the shortcut).
    void setPlainShortcut(bool on) { plainShortcut_ = on; }

  private:
    // Converts one QSO, whose text spans the piece's bytes from `spanBegin` to `spanEnd`.
    void convert(const adif::FieldSpans& qso, qsizetype spanBegin, qsizetype spanEnd, bool cut);

    static constexpr size_t kFlushCount = 4096;

    adif::ParsedPiece& out_;
    qint64 fileBase_;
    std::function<void(adif::ParsedPiece&)> flush_;
    bool plainShortcut_ = true;
    bool readingPlain_ = false;  // while the plain reader reads a record
    adif::QsoFound found_;
    AdifPlainReader plainReader_;
    AdifGeneralReader generalReader_;
    AdifValues values_;
};
