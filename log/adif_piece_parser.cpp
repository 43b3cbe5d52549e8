#include "log/adif_piece_parser.h"

#include "log/adif_text.h"

using namespace adif;

AdifPieceParser::AdifPieceParser(ParsedPiece& out, qint64 fileBase,
                                 std::function<void(ParsedPiece&)> flush)
    : out_(out),
      fileBase_(fileBase),
      flush_(std::move(flush)),
      found_([this](const FieldSpans& qso, qsizetype spanBegin, qsizetype spanEnd, bool cut) {
          convert(qso, spanBegin, spanEnd, cut);
      }),
      plainReader_(found_),
      generalReader_(found_) {}

void AdifPieceParser::parse(char* data, qsizetype size, bool last) {
    qsizetype position = 0;
    while (true) {
        while (position < size && isSpacing(data[position])) {
            ++position;
        }
        if (position >= size) {
            return;
        }
        if (plainShortcut_) {
            readingPlain_ = true;
            const qsizetype plainEnd = plainReader_.read(QByteArrayView(data, size), position);
            readingPlain_ = false;
            if (plainEnd > 0) {
                position = plainEnd;
                continue;
            }
        }
        const qsizetype end = generalReader_.read(data, size, position, last);
        if (end < 0) {
            return;
        }
        position += end;
    }
}

void AdifPieceParser::convert(const FieldSpans& qso, qsizetype spanBegin, qsizetype spanEnd,
                              bool cut) {
    ParsedQso parsed;
    parsed.fileOffset = fileBase_ + spanBegin;
    parsed.fileLength = spanEnd - spanBegin;
    parsed.readAsPlain = readingPlain_;
    if (cut) {
        parsed.messages |= ParsedQso::kMissingEnd;
    }
    values_.fill(qso, parsed, out_.text);
    out_.qsos.push_back(parsed);
    if (flush_ && out_.qsos.size() >= kFlushCount) {
        flush_(out_);
        out_.qsos.clear();
        out_.text.clear();
    }
}
