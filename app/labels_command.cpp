#include "app/labels_command.h"

#include <QCoreApplication>
#include <QPrinter>

#include "app/usage_text.h"
#include "labels/label_job.h"
#include "labels/label_option_table.h"
#include "labels/label_options_store.h"
#include "labels/label_print_run.h"
#include "labels/sheet_table.h"
#include "log/qso_log.h"
#include "printing/printer_calibration.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelsCommand)
};

}  // namespace

namespace {

using Stage = CommandOption::Stage;

// The label options listed in a run, in the usage's order, after --station.
const char* const kListedInRun[] = {"format",
                                    "type",
                                    "lang",
                                    "qsl",
                                    "offset",
                                    "comment",
                                    "tx",
                                    "antenna",
                                    "activation-number",
                                    "activation-name",
                                    "canton",
                                    "postcode",
                                    "municipality"};

// The label option table's value name for an option: its words, else a text.
QString valueName(const LabelOptionField& field) {
    if (field.flag) {
        return {};
    }
    QStringList words;
    for (const auto& word : field.words) {
        words.append(QString::fromLatin1(word.first));
    }
    return words.isEmpty() ? QStringLiteral("TEXT") : words.join(QLatin1Char('|'));
}

CommandOption offsetOption(const char* axis) {
    return {
        QStringLiteral("offset-") + QLatin1String(axis), QStringLiteral("MM"), {}, Stage::Value};
}

// Applies the label options given on the command line over the stored ones.
QString applyTableOptions(const GivenOptions& given, LabelOptions& options) {
    for (const LabelOptionField& field : labelOptionTable()) {
        const QString name = QString::fromLatin1(field.commandLine);
        if (given.has(name) && !field.applyCommandLine(options, given.value(name))) {
            return QCoreApplication::translate("LabelOptionTable", field.wrongWord);
        }
    }
    return {};
}

// --sheet NAME: a tuned sheet is chosen by its number, any other by its name.
QString applySheet(const GivenOptions& given, const SheetTable& table, LabelOptions& options) {
    if (!given.has(QStringLiteral("sheet"))) {
        return {};
    }
    const QString name = given.value(QStringLiteral("sheet"));
    const LabelSheet* sheet = table.find(name);
    if (sheet == nullptr) {
        return Text::tr("--sheet : %1 (voir labels --list-sheets)").arg(table.unknown(name));
    }
    if (sheet->isTuned()) {
        options.format = sheet->number;
        options.sheet.clear();
    } else {
        options.sheet = sheet->name;
    }
    return {};
}

// --first-label N: the run starts at label N of the first sheet.
QString applyFirstLabel(const GivenOptions& given, const LabelSheet& sheet, LabelOptions& options) {
    if (!given.has(QStringLiteral("first-label"))) {
        return {};
    }
    bool number = false;
    const int first = given.value(QStringLiteral("first-label")).toInt(&number);
    const QString problem = LabelPrintRun::firstLabelProblem(number ? first : 0, sheet);
    if (!problem.isEmpty()) {
        return Text::tr("--first-label : %1").arg(problem);
    }
    options.firstLabel = first;
    return {};
}

}  // namespace

CommandOptions LabelsCommand::options() {
    CommandOptions options = roundOptions(true);
    options.push_back({QStringLiteral("station"), QStringLiteral("CALL"), {}, Stage::Value});
    for (const LabelOptionField& field : labelOptionTable()) {
        options.push_back({QString::fromLatin1(field.commandLine),
                           valueName(field),
                           {},
                           field.flag ? Stage::Flag : Stage::Value});
    }
    options.push_back(
        {QStringLiteral("sheet"), QStringLiteral("NAME"),
         UsageText::tr("any sheet of --list-sheets (labels fitted one by one on\n"
                       "sheets other than the tuned ones, placed from the paper edge)"),
         Stage::Value});
    options.push_back(offsetOption("x"));
    options.push_back(offsetOption("y"));
    options.push_back({QStringLiteral("first-label"), QStringLiteral("N"),
                       UsageText::tr("start at label N of a used first sheet (numbered across\n"
                                     "each row, then down); the labels before it stay blank"),
                       Stage::Value});
    options.push_back({QStringLiteral("list-sheets"), {}, {}, Stage::Flag});
    options.push_back({QStringLiteral("calibration"), {}, {}, Stage::Flag});
    for (CommandOption& output : outputOptions(true)) {
        options.push_back(std::move(output));
    }
    return options;
}

QString LabelsCommand::synopsis(const QString& optionsWord) {
    return QStringLiteral("labels LOG.adi %1 %2").arg(optionsWord, outputSynopsis(true));
}

QString LabelsCommand::calibrationSynopsis() {
    return QStringLiteral("labels --calibration [--sheet NAME] %1").arg(outputSynopsis(false));
}

void LabelsCommand::describe(UsageText& usage) {
    usage.addCommand(synopsis(QStringLiteral("[OPTIONS]")),
                     UsageText::tr("print every QSO of the log on label sheets, in print-list\n"
                                   "order; options not given take the station's stored value:"));
    const CommandOptions declared = options();
    const auto option = [&declared](const QString& name) {
        return *std::find_if(declared.begin(), declared.end(),
                             [&name](const CommandOption& o) { return o.name == name; });
    };
    QStringList run{option(QStringLiteral("station")).head()};
    for (const char* name : kListedInRun) {
        QString head = option(QString::fromLatin1(name)).head();
        if (QLatin1String(name) == QLatin1String("offset")) {
            // The texts the window's list proposes; any other is printed as typed.
            head += QLatin1Char(' ') + UsageText::tr("(%1 or any text)")
                                           .arg(LabelOptions::offsets().join(QStringLiteral(", ")));
        }
        run.append(head);
    }
    usage.addRun(run);
    usage.addOption(option(QStringLiteral("sheet")));
    usage.addOption(QStringLiteral("%1 %2").arg(option(QStringLiteral("offset-x")).head(),
                                                option(QStringLiteral("offset-y")).head()),
                    UsageText::tr("the printer's shift for this run (-10 to +10)"));
    usage.addOption(option(QStringLiteral("first-label")));
    usage.addOption(option(QStringLiteral("group")).head(),
                    UsageText::tr("the QSOs with one station (callsign and QSL via) share\n"
                                  "labels, in print-list order, one line per QSO"));
}

void LabelsCommand::describeOthers(UsageText& usage) {
    usage.addCommand(QStringLiteral("labels --list-sheets"),
                     UsageText::tr("one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,\n"
                                   "left top width height across down (mm)"),
                     2);
    usage.addCommand(calibrationSynopsis(), UsageText::tr("print the sheet's calibration page"));
}

int LabelsCommand::run(const QStringList& arguments) {
    Request request;
    request.positional = arguments;
    if (const QString problem = takeApart(request); !problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    SettingsStore store;
    for (const QString& odd : store.oddLineMessages()) {
        writeLine(err_, odd.toUtf8());
    }
    QString tableProblem;
    const SheetTable table =
        SheetTable::load(SheetTable::ownSheetsPath(store.fileName()), &tableProblem);
    if (!tableProblem.isEmpty()) {
        writeLine(err_, tableProblem.toUtf8());
    }
    if (request.given.has(QStringLiteral("list-sheets"))) {
        return listSheets(table, request);
    }
    if (const QString wrong = usageProblem(request); !wrong.isEmpty()) {
        return fail(kUsage, wrong);
    }
    LabelOptions chosen;
    const LabelSheet* sheet = nullptr;
    if (const QString wrong = chooseOptions(request, table, store, chosen, &sheet);
        !wrong.isEmpty()) {
        return fail(kUsage, wrong);
    }
    const RunFiles files =
        runFiles(request.calibration ? QStringList() : QStringList{request.positional.first()});
    if (const QString refused = outputsProblem(request.given, request.round, files);
        !refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    QsoLog log;
    RowList printList(QslRound::rowOrder(printOrder(request.round)));
    int failure = kOk;
    if (!request.calibration && !readPrintList(reachable(request.positional.first()), request.round,
                                               log, printList, &failure)) {
        return failure;
    }
    QsoRecords toPrint;
    if (!request.calibration) {
        toPrint = recordsToPrint(request.round, printList, request.positional.first(), &failure);
        if (failure != kOk) {
            return failure;
        }
    }
    LabelJob job(store, chosen, *sheet, toPrint);
    job.setInputs(files.files());
    setOffsets(request.given, &job);
    applySendingMethod(request.round, job);
    return runJob(request, log, job);
}

QString LabelsCommand::takeApart(Request& request) {
    const QString problem =
        takeOptions(options(), request.positional, request.round, request.given);
    request.calibration = request.given.has(QStringLiteral("calibration"));
    return problem;
}

int LabelsCommand::listSheets(const SheetTable& table, const Request& request) {
    if (!request.positional.isEmpty() || request.given.values.size() > 0 ||
        request.given.flags.size() > 1) {
        return fail(kUsage, usageLine(QStringLiteral("labels --list-sheets")));
    }
    for (const LabelSheet& sheet : table.all()) {
        writeLine(out_, sheet.listLine().toUtf8());
    }
    return outputWritten() ? kOk : kPrintFailed;
}

QString LabelsCommand::usageProblem(const Request& request) {
    const int outputs = outputCount(request.given);
    const bool dump = request.given.has(QStringLiteral("dump"));
    if (request.calibration && (!request.positional.isEmpty() || outputs != 1 || dump)) {
        return usageLine(calibrationSynopsis());
    }
    if (!request.calibration && (request.positional.size() != 1 || outputs != 1)) {
        return usageLine(synopsis(QStringLiteral("[options]")));
    }
    return {};
}

QString LabelsCommand::chooseOptions(const Request& request, const SheetTable& table,
                                     SettingsStore& store, LabelOptions& options,
                                     const LabelSheet** sheet) {
    const GivenOptions& given = request.given;
    const QString station = given.has(QStringLiteral("station"))
                                ? given.value(QStringLiteral("station"))
                                : store.read(StoredSettings::kCallsign);
    options = LabelOptionsStore(store).load(station);
    options.onCards = false;
    QString problem = applyTableOptions(given, options);
    if (problem.isEmpty()) {
        problem = applySheet(given, table, options);
    }
    if (problem.isEmpty()) {
        problem = options.lengthProblem();
    }
    if (problem.isEmpty()) {
        problem = setOffsets(given, nullptr);
    }
    if (!problem.isEmpty()) {
        return problem;
    }
    *sheet = table.sheetFor(options);
    if (*sheet == nullptr) {
        return Text::tr("Planche inconnue : %1 (voir --list-sheets)")
            .arg(options.sheet.isEmpty() ? QString::number(options.format) : options.sheet);
    }
    return applyFirstLabel(given, **sheet, options);
}

// --offset-x MM and --offset-y MM replace the printer's stored calibration.
QString LabelsCommand::setOffsets(const GivenOptions& given, LabelJob* job) {
    for (const bool horizontal : {true, false}) {
        const QString name = horizontal ? QStringLiteral("offset-x") : QStringLiteral("offset-y");
        if (!given.has(name)) {
            continue;
        }
        double value = 0;
        const QString problem = PrinterCalibration::checkOffset(given.value(name), &value);
        if (!problem.isEmpty()) {
            return Text::tr("--%1 : %2").arg(name, problem);
        }
        if (job != nullptr && horizontal) {
            job->setHorizontalOffset(value);
        } else if (job != nullptr) {
            job->setVerticalOffset(value);
        }
    }
    return {};
}

int LabelsCommand::runJob(const Request& request, const QsoLog& log, LabelJob& job) {
    if (request.given.has(QStringLiteral("dump"))) {
        const PrintJob::Result result = job.dump(out_);
        if (!outputWritten()) {
            return kPrintFailed;
        }
        if (!job.notice().isEmpty()) {
            writeLine(err_, job.notice().toUtf8());
        }
        if (result != PrintJob::Result::Done) {
            return fail(kPrintFailed, job.error());
        }
        sayCountByBureau(request.round, job.records());
        return markSent(request.round, request.positional.first(), log, job);
    }
    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(request.given, printer);
    if (const QString off = request.calibration ? QString() : job.offsetProblem(printer);
        !off.isEmpty()) {
        writeLine(err_, off.toUtf8());
    }
    const PrintJob::Result result =
        request.calibration ? job.printCalibrationPage(printer, asked) : job.print(printer, asked);
    if (!job.notice().isEmpty()) {
        writeLine(err_, job.notice().toUtf8());
    }
    if (result != PrintJob::Result::Done) {
        return fail(kPrintFailed, job.error());
    }
    if (request.calibration) {
        return kOk;
    }
    sayCountByBureau(request.round, job.records());
    return markSent(request.round, request.positional.first(), log, job);
}
