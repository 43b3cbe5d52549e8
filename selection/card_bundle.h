#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "log/qso_record.h"

// The cards of a bundle, typed or scanned one per line: a call, optionally
// followed by the QSO's date (YYYYMMDD, YYYY-MM-DD or DD/MM/YY) and its band
// (20M), each matched against the QSOs of a log. The whole call is compared;
// the date (a four-digit year whole) and the band narrow the match.
class CardBundle {
  public:
    enum class Outcome {
        Found,      // exactly one QSO
        Several,    // more than one QSO: the operator picks
        NotFound,   // no QSO
        Unreadable  // a word after the call is neither a date nor a band
    };

    struct Line {
        int number = 0;  // from 1, as typed
        QString text;
        Outcome outcome = Outcome::NotFound;
        QsoRecords qsos;          // the QSOs it matches
        int alreadyReceived = 0;  // of those, QSOs whose card was already marked received
        QString unread;           // Unreadable: the word neither a date nor a band
    };

    // Indexes the QSOs once: matching a bundle is then a look-up per line.
    explicit CardBundle(const QsoRecords& qsos);

    std::vector<Line> match(const QString& bundle) const;
    // A bundle file's text, read as logs are: UTF-16 with or without its mark
    // (a spreadsheet's "Unicode" text), else UTF-8 where valid, else Latin-1.
    static QString decode(const QByteArray& bytes);
    Line matchLine(const QString& text, int number) const;

    // The QSOs of the lines that found exactly one, each once, in bundle order
    // (the window adds those the operator ticks among several).
    static QsoRecords found(const std::vector<Line>& lines);

    // "YYYYMMDD", "YYYY-MM-DD" or "DD/MM/YY" as the list shows a date
    // ("DD/MM/YY"); empty otherwise.
    static QByteArray listDate(const QString& word);
    // "YYYYMMDD" or a valid "YYYY-MM-DD" as QSO_DATE holds it; empty otherwise.
    static QByteArray logDate(const QString& word);

    // "20M", "20m", "70cm" as the list shows a band ("14 Mhz"); empty otherwise.
    static QByteArray listBand(const QString& word);

  private:
    QHash<QByteArray, QsoRecords> byCall_;
};
