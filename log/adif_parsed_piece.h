#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

#include "log/byte_buffer.h"
#include "log/qso_record.h"

namespace adif {

// One QSO of a piece of a log: where its values lie in the piece's text.
struct ParsedQso {
    enum Message : quint8 {
        kMissingEnd = 1,
        kMissingDate = 2,
        kMissingTime = 4,
        kMissingCallsign = 8,
        kMissingBand = 16,
        kTimeFromEnd = 32,
        kUnreadableDate = 64
    };
    std::array<quint32, kQsoFieldCount + 1> bounds;  // set by the parser for every QSO
    double frequencyMhz = 0;
    qint64 fileOffset = 0;
    qint64 fileLength = 0;
    quint8 messages = 0;
    bool readAsPlain = false;
};

// The QSOs of one piece of a log, ready to be handed on in file order.
struct ParsedPiece {
    ByteBuffer text;
    std::vector<ParsedQso> qsos;
};

}  // namespace adif
