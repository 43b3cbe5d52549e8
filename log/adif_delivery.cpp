#include "log/adif_delivery.h"

#include <QString>

#include "log/printable_text.h"
#include "log/qso_row.h"

using adif::ParsedPiece;
using adif::ParsedQso;

void AdifDelivery::deliver(const ParsedPiece& piece) {
    for (const ParsedQso& parsed : piece.qsos) {
        QsoValues values;
        for (size_t i = 0; i < values.values.size(); ++i) {
            values.values[i] = QByteArrayView(piece.text.data() + parsed.bounds[i],
                                              parsed.bounds[i + 1] - parsed.bounds[i]);
        }
        values.frequencyMhz = parsed.frequencyMhz;
        values.fileOffset = parsed.fileOffset;
        values.fileLength = parsed.fileLength;
        values.readAsPlain = parsed.readAsPlain;
        values.replaced = static_cast<quint8>(
            ((parsed.messages & ParsedQso::kMissingCallsign) != 0 ? QsoRecord::kCallsign : 0) |
            ((parsed.messages & (ParsedQso::kMissingDate | ParsedQso::kUnreadableDate)) != 0
                 ? QsoRecord::kDate
                 : 0) |
            ((parsed.messages & ParsedQso::kMissingBand) != 0 ? QsoRecord::kBand : 0));
        ++count_;
        if (kind_ != ConfirmationDownload::Kind::Log) {
            ConfirmationDownload::readAsMeant(kind_, values);
            if (count_ == 1) {
                sink_.message(AdifMessage{ConfirmationDownload::messageFor(kind_), count_,
                                          QString::fromUtf8(utf8Left(values[QsoField::Callsign],
                                                                     QsoRow::kCallsignWidth))});
            }
        }
        if (parsed.messages != 0) {
            sendMessages(parsed.messages,
                         utf8Left(values[QsoField::Callsign], QsoRow::kCallsignWidth),
                         values[QsoField::QsoDate]);
        }
        sink_.record(values);
    }
}

void AdifDelivery::sendMessages(quint8 messages, QByteArrayView callsign, QByteArrayView date) {
    const QString call = QString::fromUtf8(callsign);
    const auto send = [&](quint8 flag, const QString& text) {
        if ((messages & flag) != 0) {
            sink_.message(AdifMessage{text, count_, call});
        }
    };
    send(ParsedQso::kMissingEnd, AdifReader::missingEndMessage(call));
    send(ParsedQso::kMissingDate, AdifReader::missingDateMessage());
    if ((messages & ParsedQso::kUnreadableDate) != 0) {
        QString shown = QString::fromUtf8(date);
        PrintableText::blankControls(shown);
        send(ParsedQso::kUnreadableDate, AdifReader::unreadableDateMessage(shown));
    }
    send(ParsedQso::kMissingTime, AdifReader::missingTimeMessage());
    send(ParsedQso::kTimeFromEnd, AdifReader::timeFromEndMessage());
    send(ParsedQso::kMissingCallsign, AdifReader::missingCallsignMessage());
    send(ParsedQso::kMissingBand, AdifReader::missingBandMessage());
}
