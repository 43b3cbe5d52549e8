#include "windows/bureau_check.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/dialogs.h"
#include "selection/bureau_order.h"
#include "selection/bureau_run.h"
#include "selection/row_list.h"
#include "windows/workspace.h"

namespace {

// QSOs named in the question; the others are counted.
constexpr int kNamedInQuestion = 15;

QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("BureauCheck", text, nullptr, count);
}

}  // namespace

bool BureauCheck::isBureauRun() const {
    const QsoSelection& selection = workspace_.selection();
    return selection.filter().route == QslQueue::Route::Bureau ||
           selection.printListInBureauOrder();
}

std::optional<QsoRecords> BureauCheck::recordsToPrint(QsoRecords records) {
    if (!isBureauRun()) {
        return records;
    }
    const std::shared_ptr<const BureauOrder> order = workspace_.bureauOrder();
    BureauRun::Split split = BureauRun::split(records, *order);
    if (split.refused.empty()) {
        return records;
    }
    const int refused = static_cast<int>(split.refused.size());
    const QString text =
        tr("%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte "
           "directe demandée) :",
           refused) +
        QLatin1Char('\n') +
        BureauRun::describe(split.refused, *order, kNamedInQuestion).join(QLatin1Char('\n')) +
        QStringLiteral("\n\n") +
        tr("Les laisser de côté pour cette impression (ils restent dus, pour une carte "
           "directe), les imprimer quand même, ou arrêter ?");
    const int answer = workspace_.dialogs().askChoice(
        text, {tr("Les laisser de côté"), tr("Les imprimer quand même"), tr("Arrêter")});
    if (answer == 0 && split.deliverable.empty()) {
        workspace_.dialogs().message(tr("Aucun QSO à imprimer par le bureau."));
        return std::nullopt;
    }
    if (answer == 0) {
        return std::move(split.deliverable);
    }
    if (answer == 1) {
        return records;
    }
    return std::nullopt;
}

void BureauCheck::sayCount(const QsoRecords& printed) {
    if (isBureauRun()) {
        workspace_.dialogs().message(BureauRun::countByBureau(printed, *workspace_.bureauOrder()));
    }
}
