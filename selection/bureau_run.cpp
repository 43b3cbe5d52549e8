#include "selection/bureau_run.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <utility>
#include <vector>

#include "log/printable_text.h"
#include "selection/bureau_order.h"

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BureauRun)
};

QString reasonOf(const BureauOrder::Key& key) {
    switch (key.refusal) {
        case BureauOrder::Refusal::DirectOnly:
            return Text::tr("la station demande une carte directe");
        case BureauOrder::Refusal::NoCallsign:
            return Text::tr("pas d'indicatif (CALL) dans le journal, aucune entité");
        case BureauOrder::Refusal::NoBureau:
        case BureauOrder::Refusal::None:
            break;
    }
    return Text::tr("%1, pas de bureau QSL").arg(QString::fromUtf8(key.prefix));
}

}  // namespace

BureauRun::Split BureauRun::split(const QsoRecords& records, const BureauOrder& order) {
    Split split;
    split.deliverable.reserve(records.size());
    for (const QsoRecord* record : records) {
        const bool refused = order.keyOf(*record).refusal != BureauOrder::Refusal::None;
        (refused ? split.refused : split.deliverable).push_back(record);
    }
    return split;
}

QStringList BureauRun::describe(const QsoRecords& refused, const BureauOrder& order, int shown) {
    QStringList lines;
    for (const QsoRecord* record : refused) {
        if (lines.size() == shown) {
            lines.append(
                Text::tr("… et %n autres", nullptr, static_cast<int>(refused.size()) - shown));
            break;
        }
        QString line = Text::tr("%1 %2 %3 : %4")
                           .arg(QString::fromUtf8(record->value(QsoField::Callsign)),
                                QString::fromUtf8(record->value(QsoField::Date)),
                                QString::fromUtf8(record->value(QsoField::Band)),
                                reasonOf(order.keyOf(*record)));
        PrintableText::blankControls(line);
        lines.append(line);
    }
    return lines;
}

QString BureauRun::countByBureau(const QsoRecords& printed, const BureauOrder& order) {
    std::vector<std::pair<QByteArray, int>> counts;
    QHash<QByteArray, size_t> places;
    for (const QsoRecord* record : printed) {
        const QByteArray prefix = order.keyOf(*record).prefix;
        const auto place = places.constFind(prefix);
        if (place == places.constEnd()) {
            places.insert(prefix, counts.size());
            counts.emplace_back(prefix, 1);
        } else {
            ++counts[*place].second;
        }
    }
    // In bureau order, whatever the order printed: QSOs without entity last.
    std::sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.first.isEmpty() != b.first.isEmpty() ? b.first.isEmpty() : a.first < b.first;
    });
    QStringList parts;
    for (const auto& count : counts) {
        const QString name =
            count.first.isEmpty() ? Text::tr("sans entité") : QString::fromUtf8(count.first);
        parts.append(QStringLiteral("%1 %2").arg(name).arg(count.second));
    }
    QString text = Text::tr("QSO par bureau : %1").arg(parts.join(QStringLiteral(", ")));
    PrintableText::blankControls(text);
    return text;
}
