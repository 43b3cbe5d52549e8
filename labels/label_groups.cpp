#include "labels/label_groups.h"

#include <QHash>
#include <QString>
#include <algorithm>

namespace {

// The whole callsign and QSL via: two routes alike in the characters a label
// prints are still two stations.
QString stationOf(const QsoRecord* record) {
    return record->text(QsoField::Callsign).trimmed().toUpper() + QLatin1Char('\n') +
           record->text(QsoField::QslVia).trimmed().toUpper();
}

}  // namespace

std::vector<QsoRecords> LabelGroups::labels(const QsoRecords& printList, int perLabel) {
    std::vector<QsoRecords> result;
    if (perLabel < 2) {
        result.reserve(printList.size());
        for (const QsoRecord* record : printList) {
            result.push_back({record});
        }
        return result;
    }
    std::vector<QsoRecords> stations;
    QHash<QString, size_t> stationIndex;
    for (const QsoRecord* record : printList) {
        const QString station = stationOf(record);
        const auto found = stationIndex.constFind(station);
        if (found == stationIndex.constEnd()) {
            stationIndex.insert(station, stations.size());
            stations.push_back({record});
        } else {
            stations[*found].push_back(record);
        }
    }
    const auto size = static_cast<size_t>(perLabel);
    for (const QsoRecords& qsos : stations) {
        for (size_t start = 0; start < qsos.size(); start += size) {
            const size_t end = std::min(qsos.size(), start + size);
            result.emplace_back(qsos.begin() + static_cast<std::ptrdiff_t>(start),
                                qsos.begin() + static_cast<std::ptrdiff_t>(end));
        }
    }
    return result;
}
