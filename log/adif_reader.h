#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "log/confirmation_download.h"
#include "log/log_fingerprint.h"
#include "log/qso_log.h"
#include "log/qso_row.h"

// One message of the reader about one QSO: its number in the file (from 1, in
// file order) and its callsign as the QSO list shows it.
struct AdifMessage {
    QString text;
    int qsoNumber = 0;
    QString callsign;
};

// Receives what the reader finds, in file order: the values of each QSO and
// its messages, each message before the QSO it belongs to.
class AdifSink {
  public:
    virtual ~AdifSink() = default;
    virtual void record(const QsoValues& values) = 0;
    virtual void message(const AdifMessage& message) = 0;
    // What the file's header says it is, told before its records.
    virtual void kindOfFile(ConfirmationDownload::Kind kind) { (void)kind; }
};

// Everything read from one log, for callers that want it all at once: the
// records, the QSO list rows and the messages.
struct AdifContents : AdifSink {
    QsoLog log;
    std::vector<QByteArray> rows;
    QStringList messages;
    std::vector<AdifMessage> messageDetails;

    void record(const QsoValues& values) override {
        log.add(values);
        rows.push_back(QsoRow::compose(values));
    }
    void message(const AdifMessage& message) override {
        messages.append(message.text);
        messageDetails.push_back(message);
    }
};

// Reads an ADIF log into QSO records. Records are framed by <EOR> (line breaks
// dropped); a value is the length its tag announces where that fits, else the
// text up to the next tag; values are upper-cased. Only the fields CALL,
// QSO_DATE, TIME_ON, BAND, FREQ, MODE, RST_SENT and QSL_VIA make the QSO list
// row; a few more are kept with each record.
class AdifReader {
  public:
    static QString missingCallsignMessage();
    static QString missingDateMessage();
    static QString unreadableDateMessage(const QString& date);
    static QString missingTimeMessage();
    static QString timeFromEndMessage();
    static QString missingBandMessage();
    static QString missingEndMessage(const QString& callsign);
    // The log gave the QSO no CALL: it stands in the list as FXXXX, but no
    // card is addressed to it.
    static bool callsignWasMissing(const QsoRecord& qso);

    // Reads a whole file, both processor cores sharing the work; returns false
    // with a French message naming the file when it is not a regular file or
    // cannot be read. Nothing reaches the sink when the file cannot be opened; a
    // read error part way stops the reading after the QSOs before it.
    // With `fingerprint`, also takes the fingerprint of the bytes read.
    static bool readFile(const QString& path, AdifSink& sink, QString* error,
                         LogFingerprint* fingerprint = nullptr);

    // Reads a log held in memory; file offsets are counted from its first byte.
    static void parse(QByteArrayView bytes, AdifSink& sink);
    // Reads as parse does, without the one-pass shortcut for plain records,
    // so that the shortcut can be checked against the general rules.
    static void parseByGeneralRules(QByteArrayView bytes, AdifSink& sink);

  private:
    static void parse(QByteArrayView bytes, AdifSink& sink, bool plainShortcut);
};
