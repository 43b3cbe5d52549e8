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

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BureauCheck)
};

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
        Text::tr(
            "%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte "
            "directe demandée) :",
            nullptr, refused) +
        QLatin1Char('\n') +
        BureauRun::describe(split.refused, *order, kNamedInQuestion).join(QLatin1Char('\n')) +
        QStringLiteral("\n\n") +
        Text::tr(
            "Les laisser de côté pour cette impression (ils restent dus, pour une carte "
            "directe), les imprimer quand même, ou arrêter ?");
    const int answer = workspace_.dialogs().askChoice(
        text, {Text::tr("Les laisser de côté"), Text::tr("Les imprimer quand même"),
               Text::tr("Arrêter")});
    if (answer == 0 && split.deliverable.empty()) {
        workspace_.dialogs().message(Text::tr("Aucun QSO à imprimer par le bureau."));
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
