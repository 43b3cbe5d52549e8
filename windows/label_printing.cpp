#include "windows/label_printing.h"

#include <QPageSize>
#include <QPrinter>

#include "labels/label_job.h"
#include "labels/sheet_table.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "windows/dialogs_job_listener.h"
#include "windows/print_target.h"
#include "windows/sent_marking.h"
#include "windows/workspace.h"

std::unique_ptr<LabelJob> LabelPrinting::job(const LabelOptions& options, QString* problem) {
    const SheetTable& table = workspace_.sheets();
    const LabelSheet* sheet = table.sheetFor(options);
    if (sheet == nullptr) {
        *problem = QStringLiteral("Planche inconnue : %1").arg(options.sheet);
        if (const QString why = table.refusal(options.sheet); !why.isEmpty()) {
            *problem += QStringLiteral(" (refusée : %1)").arg(why);
        }
        return nullptr;
    }
    auto job = std::make_unique<LabelJob>(workspace_.store(), options, *sheet,
                                          workspace_.printList().records());
    job->setInputs(workspace_.runFiles().files());
    return job;
}

std::optional<PrinterJob::Result> LabelPrinting::print(const LabelOptions& options) {
    if (workspace_.saysPrintListEmpty()) {
        return std::nullopt;
    }
    QPrinter& printer = workspace_.printer();
    QString problem;
    const std::unique_ptr<LabelJob> labels = job(options, &problem);
    PrinterJob::setPage(printer, labels ? labels->sheet().pageSize() : QPageSize(QPageSize::A4));
    if (!PrintTarget::choose(workspace_.dialogs(), printer, workspace_.logFileName(),
                             QStringLiteral("etiquettes"))) {
        return std::nullopt;
    }
    if (labels == nullptr) {
        workspace_.dialogs().message(problem);
        return PrinterJob::Result::Failed;
    }
    DialogsJobListener listener(workspace_.dialogs());
    labels->setListener(listener);
    if (const QString off = labels->offsetProblem(printer); !off.isEmpty()) {
        workspace_.dialogs().message(off);
    }
    const PrinterJob::Result result = labels->print(printer);
    if (!labels->notice().isEmpty()) {
        workspace_.dialogs().message(labels->notice());
    }
    if (result == PrinterJob::Result::Failed) {
        workspace_.dialogs().message(labels->error());
    } else if (result == PrinterJob::Result::Done) {
        SentMarking::offer(workspace_, *labels, printer.outputFileName());
    }
    return result;
}

void LabelPrinting::preview(const LabelOptions& options, const std::function<void()>& print) {
    QString problem;
    // The preview may draw again (a new page size, a zoom) for as long as it is shown.
    const std::shared_ptr<LabelJob> labels = job(options, &problem);
    Dialogs& dialogs = workspace_.dialogs();
    if (labels == nullptr) {
        dialogs.message(problem);
        return;
    }
    QPrinter& printer = workspace_.printer();
    PrinterJob::setPage(printer, labels->sheet().pageSize());
    dialogs.showPrintPreview(
        printer, QStringLiteral("Aperçu des étiquettes"),
        [labels, &dialogs](QPrinter& target) {
            if (labels->preview(target) == PrinterJob::Result::Failed) {
                dialogs.message(labels->error());
            }
        },
        print);
}
