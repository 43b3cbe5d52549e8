#include "cards/card_groups.h"

#include <QHash>
#include <QString>
#include <algorithm>

#include "log/qso_row.h"

namespace {

QString stationOf(const QsoRecord* record) {
    return QsoRow::trimmedCell(*record, QsoField::Callsign, QsoRow::kCallsignWidth).toUpper() +
           QLatin1Char('\n') +
           QsoRow::trimmedCell(*record, QsoField::QslVia, QsoRow::kViaWidth).toUpper();
}

// The date DD/MM/YY and time HH:MM of a QSO as one sortable text; a two-digit
// year from 30 on is taken as of the 1900s, ADIF dates starting in 1930.
QByteArray momentOf(const QsoRecord* record) {
    const QByteArrayView date = record->value(QsoField::Date);
    QByteArray key;
    if (date.size() == 8 && date[2] == '/' && date[5] == '/') {
        key.append(date[6] >= '3' ? "19" : "20");
        key.append(date.sliced(6, 2)).append(date.sliced(3, 2)).append(date.sliced(0, 2));
    } else {
        key.append(date);
    }
    key.append(' ').append(record->value(QsoField::Time));
    return key;
}

}  // namespace

bool CardGroups::earlier(const QsoRecord* a, const QsoRecord* b) {
    return momentOf(a) < momentOf(b);
}

std::vector<QsoRecords> CardGroups::cards(const QsoRecords& printList, int rows) {
    std::vector<QsoRecords> result;
    if (rows < 1) {
        result.reserve(printList.size());
        for (const QsoRecord* record : printList) {
            result.push_back({record});
        }
        return result;
    }
    std::vector<QsoRecords> stations;
    QHash<QString, size_t> stationIndex;
    for (const QsoRecord* record : printList) {
        const auto found = stationIndex.constFind(stationOf(record));
        if (found == stationIndex.constEnd()) {
            stationIndex.insert(stationOf(record), stations.size());
            stations.push_back({record});
        } else {
            stations[*found].push_back(record);
        }
    }
    const auto size = static_cast<size_t>(rows);
    for (QsoRecords& qsos : stations) {
        std::stable_sort(qsos.begin(), qsos.end(), earlier);
        for (size_t start = 0; start < qsos.size(); start += size) {
            const size_t end = std::min(qsos.size(), start + size);
            result.emplace_back(qsos.begin() + static_cast<std::ptrdiff_t>(start),
                                qsos.begin() + static_cast<std::ptrdiff_t>(end));
        }
    }
    return result;
}
