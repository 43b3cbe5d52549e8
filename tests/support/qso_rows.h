#pragma once

#include <QByteArray>
#include <QString>
#include <deque>

#include "log/qso_log.h"
#include "log/qso_row.h"
#include "selection/row_list.h"

// The listed values of a QSO, as the reader gives them.
inline QsoValues qsoValues(const char* callsign, const char* via = "", const char* band = "14 Mhz",
                           const char* mode = "SSB", const char* rst = "59",
                           const char* date = "31/01/09") {
    QsoValues v;
    v[QsoField::Callsign] = callsign;
    v[QsoField::Date] = date;
    v[QsoField::Time] = "07:51";
    v[QsoField::Band] = band;
    v[QsoField::Mode] = mode;
    v[QsoField::RstSent] = rst;
    v[QsoField::QslVia] = via;
    return v;
}

// A QSO list row, as the reader's QSO makes it.
inline QByteArray qsoRow(const char* callsign, const char* via = "", const char* band = "14 Mhz",
                         const char* mode = "SSB", const char* rst = "59",
                         const char* date = "31/01/09") {
    return QsoRow::compose(qsoValues(callsign, via, band, mode, rst, date));
}

// A record that lives as long as the test program.
inline const QsoRecord* testQso(const QsoValues& values) {
    static std::deque<QsoLog> logs(1);
    return &logs.front().add(values);
}

inline const QsoRecord* testQso(const char* callsign, const char* via = "",
                                const char* band = "14 Mhz", const char* mode = "SSB",
                                const char* rst = "59", const char* date = "31/01/09") {
    return testQso(qsoValues(callsign, via, band, mode, rst, date));
}

// A sorted print list of test QSOs; hands its QSOs to a print run as they are.
class TestPrintList {
  public:
    void add(const QsoValues& values) { list.add(log.add(values)); }
    void add(const char* callsign, const char* via = "", const char* band = "14 Mhz") {
        add(qsoValues(callsign, via, band));
    }
    int count() const { return list.count(); }
    operator QsoRecords() const { return list.records(); }

    QsoLog log;
    RowList list{RowList::Order::Sorted};
};

// A print list of `count` QSOs with the callsigns F<first>ABC, F<first+1>ABC, ...
inline void fillPrintList(TestPrintList& list, int count, int first = 0) {
    for (int i = 0; i < count; ++i) {
        list.add(QByteArray("F" + QByteArray::number(first + i) + "ABC").constData());
    }
}

// The characters of a row from a 1-based column for a width (fewer when the row is shorter).
inline QString rowField(const QString& row, int firstColumn, int width) {
    return row.mid(firstColumn - 1, width);
}
