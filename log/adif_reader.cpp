// The reader's framing and threads. A log is read in pieces cut after an
// <EOR>; AdifPieceParser turns each piece's records into QSOs (AdifPlainReader
// in one pass where it can, AdifGeneralReader by the general rules, AdifValues
// for the values kept) and AdifDelivery hands them on in file order.
#include "log/adif_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <future>

#include "log/adif_delivery.h"
#include "log/adif_framing.h"
#include "log/adif_parsed_piece.h"
#include "log/adif_piece_parser.h"
#include "log/adif_text.h"
#include "log/adif_utf16_spans.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AdifReader)
};

}  // namespace

using namespace adif;

namespace {

constexpr qint64 kPieceSize = 1 << 20;
constexpr size_t kPiecesInFlight = 6;

ParsedPiece parsePiece(QByteArray& bytes, qint64 fileBase, bool last) {
    ParsedPiece piece;
    // A QSO of a real log takes some 200 bytes of which some 50 are kept.
    piece.qsos.reserve(static_cast<size_t>(bytes.size() / 128));
    piece.text.reserve(static_cast<size_t>(bytes.size() / 3));
    AdifPieceParser(piece, fileBase, nullptr).parse(bytes.data(), bytes.size(), last);
    return piece;
}

// Reads `bytes` (changed on the way) in this thread, handing QSOs on as they come.
void parseNow(QByteArray& bytes, qint64 fileBase, bool last, AdifDelivery& delivery,
              bool plainShortcut = true) {
    ParsedPiece piece;
    AdifPieceParser parser(piece, fileBase, [&](ParsedPiece& part) { delivery.deliver(part); });
    parser.setPlainShortcut(plainShortcut);
    parser.parse(bytes.data(), bytes.size(), last);
    delivery.deliver(piece);
}

void parseUtf8(QByteArrayView bytes, AdifSink& sink, bool plainShortcut) {
    const qsizetype mark = startsWithUtf8Mark(bytes) ? 3 : 0;
    const qsizetype start = std::max(mark, recordsStart(bytes));
    QByteArray records = bytes.sliced(start).toByteArray();
    const ConfirmationDownload::Kind kind = ConfirmationDownload::kindOf(bytes.first(start));
    sink.kindOfFile(kind);
    AdifDelivery delivery(sink, kind);
    parseNow(records, start, true, delivery, plainShortcut);
}

// Reads the records of a UTF-8 or Latin-1 file from `start` in pieces cut
// after an <EOR>, parsed on worker threads, up to six at a time, while the QSOs of earlier pieces
// are handed on. False on a read error.
bool readPieces(QFile& file, qint64 start, AdifSink& sink, StreamHash* hash,
                ConfirmationDownload::Kind kind) {
    AdifDelivery delivery(sink, kind);
    std::deque<std::future<ParsedPiece>> inFlight;
    const auto deliverOldest = [&] {
        delivery.deliver(inFlight.front().get());
        inFlight.pop_front();
    };
    QByteArray carry;
    qint64 pieceOffset = start;
    bool ok = true;
    while (true) {
        const qsizetype kept = carry.size();
        QByteArray buffer = std::move(carry);
        buffer.resize(kept + kPieceSize);
        const qint64 read = file.read(buffer.data() + kept, kPieceSize);
        if (read < 0) {
            ok = false;
            break;
        }
        if (hash != nullptr) {
            hash->add(QByteArrayView(buffer.data() + kept, read));
        }
        buffer.resize(kept + read);
        const bool last = read == 0 || file.atEnd();
        qsizetype cut = buffer.size();
        if (!last) {
            cut = lastEorEnd(buffer, std::max<qsizetype>(0, kept - 4));
            if (cut < 0) {
                carry = std::move(buffer);
                continue;
            }
            carry = buffer.sliced(cut);
            buffer.truncate(cut);
        }
        const qint64 offset = pieceOffset;
        pieceOffset += cut;
        if (cut > 2 * kPieceSize) {
            // A record longer than a piece: read here, its QSOs handed on as they come.
            while (!inFlight.empty()) {
                deliverOldest();
            }
            parseNow(buffer, offset, last, delivery);
        } else {
            inFlight.push_back(
                std::async(std::launch::async, [piece = std::move(buffer), offset, last]() mutable {
                    return parsePiece(piece, offset, last);
                }));
        }
        if (inFlight.size() >= kPiecesInFlight) {
            deliverOldest();
        }
        if (last) {
            break;
        }
    }
    while (!inFlight.empty()) {
        deliverOldest();
    }
    return ok;
}

}  // namespace

QString AdifReader::missingCallsignMessage() {
    return Text::tr("Indicatif absent, remplacé par FXXXX");
}

bool AdifReader::callsignWasMissing(const QsoRecord& qso) {
    return (qso.replaced() & QsoRecord::kCallsign) != 0;
}

QString AdifReader::timeFromEndMessage() {
    return Text::tr("Heure de début absente, remplacée par l'heure de fin (TIME_OFF)");
}

QString AdifReader::missingDateMessage() {
    return Text::tr("Date absente, remplacée par 01/01/2000");
}

QString AdifReader::unreadableDateMessage(const QString& date) {
    return Text::tr(
               "Date « %1 » illisible (QSO_DATE n'est pas une date AAAAMMJJ), remplacée "
               "par 01/01/2000")
        .arg(date);
}

QString AdifReader::missingTimeMessage() {
    return Text::tr("Heure absente, remplacée par 00:00");
}

QString AdifReader::missingBandMessage() {
    return Text::tr("Bande absente, remplacée par 1.8 Mhz");
}

QString AdifReader::missingEndMessage(const QString& callsign) {
    return Text::tr("Fin de QSO <EOR> absente avant l'indicatif %1").arg(callsign);
}

void AdifReader::parse(QByteArrayView bytes, AdifSink& sink) {
    parse(bytes, sink, true);
}

void AdifReader::parseByGeneralRules(QByteArrayView bytes, AdifSink& sink) {
    parse(bytes, sink, false);
}

void AdifReader::parse(QByteArrayView bytes, AdifSink& sink, bool plainShortcut) {
    if (!startsWithUtf16Mark(bytes)) {
        parseUtf8(bytes, sink, plainShortcut);
        return;
    }
    const QByteArray utf8 = adif::utf16AsUtf8(bytes.sliced(2), bytes[0] == '\xFF');
    AdifUtf16Spans spans(utf8, sink);
    parseUtf8(utf8, spans, plainShortcut);
}

bool AdifReader::readFile(const QString& path, AdifSink& sink, QString* error,
                          LogFingerprint* fingerprint) {
    QFile file(path);
    const auto fail = [&](const QString& reason) {
        if (error != nullptr) {
            *error = reason.isEmpty()
                         ? Text::tr("Impossible de lire le fichier %1").arg(path)
                         : Text::tr("Impossible de lire le fichier %1 : %2").arg(path, reason);
        }
        return false;
    };
    // Only a regular file: a FIFO would be waited on, a device read forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return fail(QString());
    }
    LogFingerprint taken;
    if (fingerprint != nullptr &&
        !LogFingerprint::describe(file.handle(), &taken.size, &taken.modifiedNs)) {
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    StreamHash hash;
    StreamHash* const hashing = fingerprint != nullptr ? &hash : nullptr;
    const QByteArray mark = file.peek(3);
    if (startsWithUtf16Mark(mark)) {
        const QByteArray bytes = file.readAll();
        if (!file.atEnd()) {
            return fail(file.errorString());
        }
        hash.add(bytes);
        parse(bytes, sink);
    } else {
        const qint64 start = recordsStart(file, hashing);
        if (start < 0) {
            return fail(file.errorString());
        }
        const qint64 first = std::max<qint64>(start, startsWithUtf8Mark(mark) ? 3 : 0);
        if (start == 0) {
            // No header: the records are read from the first byte (or after the mark).
            hash = StreamHash();
            hash.add(QByteArrayView(mark).first(first));
        }
        // The header says whether the file is a confirmation service's.
        constexpr qint64 kReadHeader = 1 << 16;
        const ConfirmationDownload::Kind kind =
            start > 0 && file.seek(0)
                ? ConfirmationDownload::kindOf(file.read(std::min(start, kReadHeader)))
                : ConfirmationDownload::Kind::Log;
        sink.kindOfFile(kind);
        if (!file.seek(first) || !readPieces(file, first, sink, hashing, kind)) {
            return fail(file.errorString());
        }
    }
    if (fingerprint != nullptr) {
        taken.taken = true;
        taken.size = hash.size();
        taken.hash = hash.value();
        *fingerprint = taken;
    }
    return true;
}
