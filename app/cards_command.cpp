#include "app/cards_command.h"

#include <QPrinter>

#include "app/usage_text.h"
#include "cards/card_job.h"
#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/qsl_template.h"
#include "log/qso_log.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

CommandOptions CardsCommand::options() {
    CommandOptions options = roundOptions(true);
    for (CommandOption& output : outputOptions(true)) {
        options.push_back(std::move(output));
    }
    return options;
}

QString CardsCommand::synopsis() {
    return QStringLiteral("cards LOG.adi TEMPLATE.qsl ") + outputSynopsis(true);
}

void CardsCommand::describe(UsageText& usage) {
    usage.addCommand(
        synopsis(), {QStringLiteral("print one QSL card per QSO of the log, in print-list order;"),
                     QStringLiteral("--pdf writes one 140 x 90 mm page per card, --dump one line"),
                     QStringLiteral("per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from"),
                     QStringLiteral("the printable area), and end after each card")});
}

int CardsCommand::run(const QStringList& arguments) {
    QStringList positional = arguments;
    GivenOptions round;
    GivenOptions given;
    const CommandOptions declared = options();
    const ArgumentParser parser(declared);
    QString problem = parser.take(CommandOption::Stage::Round, positional, round);
    if (problem.isEmpty()) {
        problem = roundProblem(round);
    }
    if (problem.isEmpty()) {
        parser.take(CommandOption::Stage::Flag, positional, given);
        problem = parser.take(CommandOption::Stage::Value, positional, given);
    }
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    if (positional.size() != 2 || outputCount(given) != 1) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes ") + synopsis());
    }
    const QString& logName = positional.first();
    const QString& templateName = positional.at(1);
    if (!CardPrintRun::hasQslExtension(templateName)) {
        return fail(kUsage, QStringLiteral("sélectionnez un fichier .qsl ou créez en un"));
    }
    const RunFiles files = runFiles({logName, templateName});
    if (const QString refused = outputsProblem(given, round, files); !refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    QslTemplate model;
    if (const QString unusable = CardPrinting::readTemplate(reachable(templateName), model);
        !unusable.isEmpty()) {
        return fail(kUnreadable, unusable);
    }
    QsoLog log;
    RowList printList(QslRound::rowOrder(printOrder(round)));
    int failure = kOk;
    if (!readPrintList(reachable(logName), round, log, printList, &failure)) {
        return failure;
    }
    SettingsStore store;
    CardJob job(store, model, printList.records());
    job.setInputs(files.files());
    applySendingMethod(round, job);
    return runJob(round, given, logName, log, job);
}

int CardsCommand::runJob(const GivenOptions& round, const GivenOptions& given,
                         const QString& logName, const QsoLog& log, CardJob& job) {
    for (const int line : job.linesPastEdge()) {
        writeLine(err_,
                  QStringLiteral("La ligne %1 dépasse le bord de la carte").arg(line).toUtf8());
    }
    if (given.has(QStringLiteral("dump"))) {
        const PrintJob::Result result = job.dump(out_);
        if (!outputWritten()) {
            return kPrintFailed;
        }
        return result != PrintJob::Result::Failed ? markSent(round, logName, log, job)
                                                  : fail(kPrintFailed, job.error());
    }
    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(given, printer);
    return job.print(printer, asked) == PrintJob::Result::Done ? markSent(round, logName, log, job)
                                                               : fail(kPrintFailed, job.error());
}
