#include "windows/label_printing.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPrinter>

#include "labels/label_job.h"
#include "labels/sheet_table.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "windows/bureau_check.h"
#include "windows/dialogs_job_listener.h"
#include "windows/print_target.h"
#include "windows/sent_marking.h"
#include "windows/workspace.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelPrinting)
};

}  // namespace

std::unique_ptr<LabelJob> LabelPrinting::job(const LabelOptions& options, const QsoRecords& records,
                                             QString* problem) {
    const SheetTable& table = workspace_.sheets();
    const LabelSheet* sheet = table.sheetFor(options);
    if (sheet == nullptr) {
        *problem = Text::tr("Planche inconnue : %1").arg(options.sheet);
        if (const QString why = table.refusal(options.sheet); !why.isEmpty()) {
            *problem += Text::tr(" (refusée : %1)").arg(why);
        }
        return nullptr;
    }
    auto job = std::make_unique<LabelJob>(workspace_.store(), options, *sheet, records);
    job->setInputs(workspace_.runFiles().files());
    return job;
}

std::optional<PrinterJob::Result> LabelPrinting::print(const LabelOptions& options) {
    if (workspace_.saysPrintListEmpty()) {
        return std::nullopt;
    }
    BureauCheck bureau(workspace_);
    const std::optional<QsoRecords> records = bureau.recordsToPrint(workspace_.recordsToPrint());
    if (!records) {
        return std::nullopt;
    }
    QPrinter& printer = workspace_.printer();
    QString problem;
    const std::unique_ptr<LabelJob> labels = job(options, *records, &problem);
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
        bureau.sayCount(labels->records());
        SentMarking::offer(workspace_, *labels, printer.outputFileName());
    }
    return result;
}

void LabelPrinting::preview(const LabelOptions& options, const std::function<void()>& print) {
    QString problem;
    // The preview may draw again (a new page size, a zoom) for as long as it is shown.
    const std::shared_ptr<LabelJob> labels =
        job(options, workspace_.printList().records(), &problem);
    Dialogs& dialogs = workspace_.dialogs();
    if (labels == nullptr) {
        dialogs.message(problem);
        return;
    }
    QPrinter& printer = workspace_.printer();
    PrinterJob::setPage(printer, labels->sheet().pageSize());
    dialogs.showPrintPreview(
        printer, Text::tr("Aperçu des étiquettes"),
        [labels, &dialogs](QPrinter& target) {
            if (labels->preview(target) == PrinterJob::Result::Failed) {
                dialogs.message(labels->error());
            }
        },
        print);
}
