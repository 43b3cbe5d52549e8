#pragma once

#include <QByteArray>
#include <QString>

#include "log/qso_row.h"
#include "selection/row_list.h"

// QSO list rows for tests, as the reader writes them.
inline QByteArray qsoRow(const char* callsign, const char* via = "", const char* band = "14 Mhz",
                         const char* mode = "SSB", const char* rst = "59",
                         const char* date = "31/01/09") {
    QsoValues v;
    v.callsign = callsign;
    v.date = date;
    v.timeOn = "07:51";
    v.band = band;
    v.mode = mode;
    v.rstSent = rst;
    v.qslVia = via;
    return QsoRow::compose(v);
}

// A print list of `count` QSOs with the callsigns F<first>ABC, F<first+1>ABC, ...
inline void fillPrintList(RowList& list, int count, int first = 0) {
    for (int i = 0; i < count; ++i) {
        list.add(qsoRow(QByteArray("F" + QByteArray::number(first + i) + "ABC").constData()));
    }
}
