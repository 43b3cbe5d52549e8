#include "app/cards_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

#include "app/usage_text.h"
#include "cards/card_job.h"
#include "cards/card_picture.h"
#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/card_sheet.h"
#include "cards/qsl_template.h"
#include "log/qso_log.h"
#include "printing/printer_calibration.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardsCommand)
};
using Stage = CommandOption::Stage;

// The card's options given on the command line; a French problem, or empty.
QString cardOptions(const GivenOptions& given, CardRunOptions& options) {
    options.group = given.has(QStringLiteral("group"));
    const QString qsl = given.has(QStringLiteral("qsl")) ? given.value(QStringLiteral("qsl"))
                                                         : QStringLiteral("auto");
    const std::map<QString, CardValues::Thanks> thanks = {
        {QStringLiteral("1"), CardValues::Thanks::Pse},
        {QStringLiteral("2"), CardValues::Thanks::Tnx},
        {QStringLiteral("3"), CardValues::Thanks::None},
        {QStringLiteral("auto"), CardValues::Thanks::ByCard}};
    if (thanks.count(qsl) == 0) {
        return Text::tr("--qsl : 1, 2, 3 ou auto");
    }
    options.thanks = thanks.at(qsl);
    if (given.has(QStringLiteral("per-page"))) {
        const QString perPage = given.value(QStringLiteral("per-page"));
        if (perPage != u"1" && perPage != u"2" && perPage != u"4") {
            return Text::tr("--per-page : 1, 2 ou 4");
        }
        options.perPage = perPage.toInt();
    }
    if (given.has(QStringLiteral("paper")) && !given.has(QStringLiteral("per-page"))) {
        return Text::tr("--paper : le papier des cartes par page, à donner avec --per-page 2 ou 4");
    }
    if (given.has(QStringLiteral("paper"))) {
        options.paper = given.value(QStringLiteral("paper"));
        if (!CardSheet::knownPaper(options.paper)) {
            return Text::tr("--paper : A4 ou Letter");
        }
    }
    for (const char* axis : {"x", "y"}) {
        const QString name = QStringLiteral("offset-") + QLatin1String(axis);
        double value = 0;
        if (given.has(name)) {
            const QString problem = PrinterCalibration::checkOffset(given.value(name), &value);
            if (!problem.isEmpty()) {
                return Text::tr("--%1 : %2").arg(name, problem);
            }
            (axis[0] == 'x' ? options.offsetX : options.offsetY) = value;
        }
    }
    if (given.has(QStringLiteral("first-card"))) {
        bool number = false;
        options.firstCard = given.value(QStringLiteral("first-card")).toInt(&number);
        if (!number || options.firstCard < 1 || options.firstCard > options.perPage) {
            return Text::tr("--first-card : de 1 à %1 (les cartes par page)").arg(options.perPage);
        }
    }
    return {};
}

}  // namespace

CommandOptions CardsCommand::options() {
    CommandOptions options = roundOptions(true);
    options.push_back({QStringLiteral("group"),
                       {},
                       UsageText::tr("the QSOs with one station (callsign and QSL via) share\n"
                                     "cards, in the template's QSO table, in date order"),
                       Stage::Flag});
    options.push_back({QStringLiteral("qsl"), QStringLiteral("1|2|3|auto"),
                       UsageText::tr("PSE, TNX, nothing, or TNX where a card came (auto)"),
                       Stage::Value});
    options.push_back({QStringLiteral("per-page"), QStringLiteral("1|2|4"),
                       UsageText::tr("cards per page: 2 or 4 on --paper A4|Letter, with crop\n"
                                     "marks, placed from the paper edge"),
                       Stage::Value});
    options.push_back({QStringLiteral("paper"), QStringLiteral("A4|Letter"), {}, Stage::Value});
    options.push_back({QStringLiteral("offset-x"), QStringLiteral("MM"),
                       UsageText::tr("with --offset-y MM: the printer's shift for this run"),
                       Stage::Value});
    options.push_back({QStringLiteral("offset-y"), QStringLiteral("MM"), {}, Stage::Value});
    options.push_back({QStringLiteral("first-card"), QStringLiteral("N"),
                       UsageText::tr("start at card N of a used first page"), Stage::Value});
    for (CommandOption& output : outputOptions(true)) {
        options.push_back(std::move(output));
    }
    return options;
}

QString CardsCommand::synopsis() {
    return QStringLiteral("cards LOG.adi TEMPLATE.qsl [OPTIONS] ") + outputSynopsis(true);
}

void CardsCommand::describe(UsageText& usage) {
    usage.addCommand(synopsis(),
                     UsageText::tr("print one QSL card per QSO of the log, in print-list order;\n"
                                   "--pdf writes one page per card, --dump one line\n"
                                   "per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from\n"
                                   "the printable area), and end after each page"));
    const CommandOptions declared = options();
    for (const CommandOption& option : declared) {
        if (option.name == u"group" || option.name == u"qsl" || option.name == u"per-page" ||
            option.name == u"first-card" || option.name == u"offset-x") {
            usage.addOption(option);
        }
    }
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
    CardRunOptions cardRun;
    if (problem.isEmpty()) {
        problem = cardOptions(given, cardRun);
    }
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    if (positional.size() != 2 || outputCount(given) != 1) {
        return fail(kUsage, usageLine(synopsis()));
    }
    const QString& logName = positional.first();
    const QString& templateName = positional.at(1);
    if (!CardPrintRun::hasQslExtension(templateName)) {
        return fail(kUsage, Text::tr("sélectionnez un fichier .qsl ou créez en un"));
    }
    QslTemplate model;
    if (const QString unusable = CardPrinting::readTemplate(reachable(templateName), model);
        !unusable.isEmpty()) {
        return fail(kUnreadable, unusable);
    }
    cardRun.templateFolder = QFileInfo(templateName).absolutePath();
    // The template's picture is a file of the run, whether it is printed or not.
    const RunFiles files = runFiles(
        {logName, templateName, CardPicture::fileOf(model.design.picture, cardRun.templateFolder)});
    if (const QString refused = outputsProblem(given, round, files); !refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    QsoLog log;
    RowList printList(QslRound::rowOrder(printOrder(round)));
    int failure = kOk;
    if (!readPrintList(reachable(logName), round, log, printList, &failure)) {
        return failure;
    }
    const QsoRecords toPrint = recordsToPrint(round, printList, logName, &failure);
    if (failure != kOk) {
        return failure;
    }
    SettingsStore store;
    for (const QString& odd : store.oddLineMessages()) {
        writeLine(err_, odd.toUtf8());
    }
    CardJob job(store, model, toPrint, cardRun);
    if (cardRun.offsetX) {
        job.setHorizontalOffset(*cardRun.offsetX);
    }
    if (cardRun.offsetY) {
        job.setVerticalOffset(*cardRun.offsetY);
    }
    job.setInputs(files.files());
    applySendingMethod(round, job);
    return runJob(round, given, logName, log, job);
}

int CardsCommand::runJob(const GivenOptions& round, const GivenOptions& given,
                         const QString& logName, const QsoLog& log, CardJob& job) {
    if (!job.error().isEmpty()) {
        return fail(kUsage, job.error());
    }
    for (const int line : job.linesPastEdge()) {
        writeLine(err_, Text::tr("La ligne %1 dépasse le bord de la carte").arg(line).toUtf8());
    }
    for (const QString& warning : job.warnings()) {
        writeLine(err_, warning.toUtf8());
    }
    if (given.has(QStringLiteral("dump"))) {
        const PrintJob::Result result = job.dump(out_);
        if (!outputWritten()) {
            return kPrintFailed;
        }
        if (result == PrintJob::Result::Failed) {
            return fail(kPrintFailed, job.error());
        }
        sayCountByBureau(round, job.records());
        return markSent(round, logName, log, job);
    }
    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(given, printer);
    if (job.print(printer, asked) != PrintJob::Result::Done) {
        return fail(kPrintFailed, job.error());
    }
    sayCountByBureau(round, job.records());
    return markSent(round, logName, log, job);
}
