#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <vector>

// The three fields a marking writes, in this order: a status set to Y, a date
// and a route. Sent: QSL_SENT, QSLSDATE, QSL_SENT_VIA; received: QSL_RCVD,
// QSLRDATE, QSL_RCVD_VIA, where a QSO already received on paper (Y or V, by
// a route other than E) keeps its date and its route. The date under the name
// earlier versions gave it (QSL_SDATE, QSL_RDATE) is taken out, its value
// kept where the record has no date under the ADIF name.
struct MarkedFields {
    std::array<QByteArrayView, 3> names;
    QByteArrayView oldDateName;
    bool keepReceiptOnPaper = false;

    static const MarkedFields& sent();
    static const MarkedFields& received();
};

// The change that marks one QSO, made in its record's own bytes: the record
// carries the three marked fields once each (as sent by default), and every
// other field reads as before. Tags and values are found as the log reader
// finds them: line breaks left out, a value as long as its tag says where that
// fits, else up to the next tag, the first of two equal fields the one read.
class MarkedRecord {
  public:
    // Bytes `begin` to `end` of the record replaced by `text`.
    struct Edit {
        qsizetype begin = 0;
        qsizetype end = 0;
        QByteArrayView text;
    };

    // The edits, in the record's order, for a record as the reader framed it
    // (UTF-8 or Latin-1; it ends with its <EOR> or, without one, with its last
    // value). Well-formed fields are replaced in place and repeated ones
    // removed; the missing ones go before the <EOR>, or at the end of a record
    // without one. In a record where a tag lacks its ">" (so that its value
    // is read from further on) nothing is moved: the three fields go first.
    // A `via` of M (a manager: ADIF reads it but has it no longer written)
    // is written B, the bureau the card goes through.
    // With `readAsPlain` (the reader read the record as plain: every "<" in it
    // opens a whole tag and its <EOR> ends it), only the tags whose name starts
    // with Q are looked at; the edits are the same.
    // The list and its texts stay valid until the next call on the same thread.
    static const std::vector<Edit>& edits(QByteArrayView record, QByteArrayView via,
                                          QByteArrayView date,
                                          const MarkedFields& fields = MarkedFields::sent(),
                                          bool readAsPlain = false);

    static QByteArray marked(QByteArrayView record, QByteArrayView via, QByteArrayView date,
                             const MarkedFields& fields = MarkedFields::sent(),
                             bool readAsPlain = false);

    // A record of a UTF-16 log (no byte order mark), marked in UTF-16.
    static QByteArray markedUtf16(QByteArrayView record, bool littleEndian, QByteArrayView via,
                                  QByteArrayView date,
                                  const MarkedFields& fields = MarkedFields::sent());
};
