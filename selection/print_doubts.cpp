#include "selection/print_doubts.h"

#include <QObject>
#include <algorithm>

#include "log/qsl_via.h"
#include "log/qso_row.h"

namespace PrintDoubts {
namespace {

QStringList reasonsFor(const QsoRecord& record, bool replaced = true) {
    QStringList reasons;
    const quint8 lacked = replaced ? record.replaced() : 0;
    if ((lacked & QsoRecord::kCallsign) != 0) {
        reasons.append(QObject::tr("indicatif absent"));
    }
    if ((lacked & QsoRecord::kDate) != 0) {
        reasons.append(record.value(QsoField::QsoDate).isEmpty() ? QObject::tr("date absente")
                                                                 : QObject::tr("date illisible"));
    }
    if ((lacked & QsoRecord::kBand) != 0) {
        reasons.append(QObject::tr("bande absente"));
    }
    switch (QslVia::wishOf(record.text(QsoField::QslVia))) {
        case QslVia::Wish::NoCard:
            reasons.append(QObject::tr("la station ne veut pas de carte"));
            break;
        case QslVia::Wish::ElectronicOnly:
            reasons.append(QObject::tr("la station ne confirme qu'en ligne"));
            break;
        case QslVia::Wish::None:
        case QslVia::Wish::DirectOnly:
            break;
    }
    return reasons;
}

}  // namespace

bool isDoubtful(const QsoRecord& record) {
    return !reasonsFor(record).isEmpty();
}

QStringList of(const QsoRecords& records, bool replaced) {
    QStringList doubts;
    for (const QsoRecord* record : records) {
        const QStringList reasons = reasonsFor(*record, replaced);
        if (!reasons.isEmpty()) {
            doubts.append(
                QObject::tr("%1 : %2").arg(QString::fromUtf8(QsoRow::compose(*record)).trimmed(),
                                           reasons.join(QStringLiteral(", "))));
        }
    }
    return doubts;
}

QString question(const QStringList& doubts) {
    return QObject::tr("%n QSO à vérifier avant l'impression :", nullptr,
                       static_cast<int>(doubts.size())) +
           QLatin1Char('\n') + doubts.join(QLatin1Char('\n')) + QLatin1Char('\n') +
           QObject::tr("Les imprimer aussi ? (Non : ils sont laissés de côté)");
}

QsoRecords withoutDoubtful(const QsoRecords& records) {
    QsoRecords kept;
    std::copy_if(records.begin(), records.end(), std::back_inserter(kept),
                 [](const QsoRecord* record) { return !isDoubtful(*record); });
    return kept;
}

}  // namespace PrintDoubts
