#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "log/qso_log.h"
#include "log/qso_row.h"

// Receives what the reader finds, in file order: the values of each QSO and
// one message per missing value, each message before the QSO it belongs to.
class AdifSink {
  public:
    virtual ~AdifSink() = default;
    virtual void record(const QsoValues& values) = 0;
    virtual void message(const QString& text) = 0;
};

// Everything read from one log, for callers that want it all at once: the
// records, the QSO list rows and the messages.
struct AdifContents : AdifSink {
    QsoLog log;
    std::vector<QByteArray> rows;
    QStringList messages;

    void record(const QsoValues& values) override {
        log.add(values);
        rows.push_back(QsoRow::compose(values));
    }
    void message(const QString& text) override { messages.append(text); }
};

// Reads an ADIF log into QSO records. Records are framed by <EOR>, line
// breaks are dropped, letters a-z are upper-cased, and only the fields
// CALL, QSO_DATE, TIME_ON, BAND, FREQ, MODE, RST_SENT and QSL_VIA are used.
class AdifReader {
  public:
    static QString missingCallsignMessage();
    static QString missingDateMessage();
    static QString missingTimeMessage();
    static QString missingBandMessage();

    // Reads a whole file; returns false with a French message naming the file
    // when it is not a regular file or cannot be opened (nothing is sent to the
    // sink then), or when reading fails part-way (what was sent is not the log).
    static bool readFile(const QString& path, AdifSink& sink, QString* error);

    static void parse(QByteArrayView bytes, AdifSink& sink);
};
