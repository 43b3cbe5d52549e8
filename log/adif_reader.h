#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Receives what the reader finds, in file order: one row per QSO record and
// one message per missing value, each message before the row it belongs to.
class AdifSink {
  public:
    virtual ~AdifSink() = default;
    virtual void row(QByteArray row) = 0;
    virtual void message(const QString& text) = 0;
};

// Everything read from one log, for callers that want it all at once.
struct AdifContents : AdifSink {
    std::vector<QByteArray> rows;
    QStringList messages;

    void row(QByteArray text) override { rows.push_back(std::move(text)); }
    void message(const QString& text) override { messages.append(text); }
};

// Reads an ADIF log into QSO list rows. Records are framed by <EOR>, line
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
