#include "app/addresses_command.h"

#include <QCoreApplication>
#include <QPrinter>

#include "app/usage_text.h"
#include "labels/sheet_table.h"
#include "log/qso_log.h"
#include "mail/address_book.h"
#include "mail/address_job.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "settings/stored_setting.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddressesCommand)
};

}  // namespace

namespace {

using Stage = CommandOption::Stage;

QStringList envelopeNames() {
    QStringList names;
    for (const EnvelopeFormat& format : EnvelopeFormat::all()) {
        names.append(QString::fromLatin1(format.name));
    }
    return names;
}

}  // namespace

CommandOptions AddressesCommand::options() {
    // The round's options: which QSOs (--unsent, --owed, --route) and in what order.
    CommandOptions options = roundOptions(false);
    options.push_back({QStringLiteral("sheet"), QStringLiteral("NAME"),
                       UsageText::tr("address labels on any sheet of labels --list-sheets"),
                       Stage::Value, true});
    options.push_back({QStringLiteral("envelope"), envelopeNames().join(QLatin1Char('|')),
                       UsageText::tr("one envelope per recipient, in landscape"), Stage::Value,
                       true});
    options.push_back({QStringLiteral("return-address"), QStringLiteral("N"),
                       UsageText::tr("N labels of the station's own address after the addresses"),
                       Stage::Value, true});
    for (CommandOption& output : outputOptions(true)) {
        options.push_back(std::move(output));
    }
    return options;
}

QString AddressesCommand::synopsis() {
    return QStringLiteral("addresses LOG.adi [OPTIONS] (--sheet NAME | --envelope %1) %2")
        .arg(envelopeNames().join(QLatin1Char('|')), outputSynopsis(true));
}

void AddressesCommand::describe(UsageText& usage) {
    usage.addCommand(
        synopsis(),
        UsageText::tr("the direct mail of the QSOs: one address per recipient (its QSL\n"
                      "manager, else the station), from adresses.csv, else the log's\n"
                      "latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD\n"
                      "|TEXT| per line (mm from the paper edge), end per sheet or\n"
                      "envelope, and missing CALL per recipient without address"));
    // The round's options in one run, then the options of direct mail.
    QStringList run;
    CommandOptions described;
    for (const CommandOption& option : options()) {
        if (option.stage == Stage::Round) {
            run.append(option.head());
        } else if (!option.help.isEmpty()) {
            described.push_back(option);
        }
    }
    usage.addRun(run);
    for (const CommandOption& option : described) {
        usage.addOption(option);
    }
}

int AddressesCommand::run(const QStringList& arguments) {
    Request request;
    request.positional = arguments;
    if (const QString problem = takeApart(request); !problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    const GivenOptions& given = request.given;
    if (request.positional.size() != 1 || outputCount(given) != 1 ||
        given.has(QStringLiteral("sheet")) == given.has(QStringLiteral("envelope"))) {
        return fail(kUsage, usageLine(synopsis()));
    }
    const QString& logName = request.positional.first();
    const RunFiles files = runFiles({logName});
    if (const QString refused = outputsProblem(given, request.round, files); !refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    if (const QString wrong = chooseTarget(request); !wrong.isEmpty()) {
        return fail(kUsage, wrong);
    }
    QsoLog log;
    RowList printList(QslRound::rowOrder(printOrder(request.round)));
    int failure = kOk;
    if (!readPrintList(reachable(logName), request.round, log, printList, &failure)) {
        return failure;
    }
    SettingsStore store;
    AddressJob job(store, printList.records());
    if (request.envelope != nullptr) {
        job.useEnvelope(*request.envelope);
    } else {
        job.useSheet(*request.sheet);
    }
    job.setSender(request.sender);
    job.setInputs(files.files());
    if (const int found = findAddresses(logName, job); found != kOk) {
        return found;
    }
    return runJob(request, job);
}

QString AddressesCommand::takeApart(Request& request) {
    const QString problem =
        takeOptions(options(), request.positional, request.round, request.given);
    return problem;
}

QString AddressesCommand::chooseTarget(Request& request) {
    const GivenOptions& given = request.given;
    SettingsStore store;
    if (given.has(QStringLiteral("sheet"))) {
        const QString name = given.value(QStringLiteral("sheet"));
        const SheetTable table = SheetTable::load(SheetTable::ownSheetsPath(store.fileName()));
        if (!table.problem().isEmpty()) {
            writeLine(err_, table.problem().toUtf8());
        }
        const LabelSheet* sheet = table.find(name);
        if (sheet == nullptr) {
            return Text::tr("--sheet : %1 (voir labels --list-sheets)").arg(table.unknown(name));
        }
        request.sheet = *sheet;
    } else {
        const QString name = given.value(QStringLiteral("envelope"));
        const EnvelopeFormat* format = EnvelopeFormat::find(name);
        if (format == nullptr) {
            return Text::tr("--envelope : %1").arg(envelopeNames().join(QStringLiteral(", ")));
        }
        request.envelope = format;
    }
    return chooseReturnLabels(request);
}

// The station's own address and its return-address labels, as stored unless
// --return-address says how many.
QString AddressesCommand::chooseReturnLabels(Request& request) {
    const GivenOptions& given = request.given;
    SettingsStore store;
    request.sender = SenderSettings::load(store, store.read(StoredSettings::kCallsign));
    if (given.has(QStringLiteral("return-address"))) {
        bool number = false;
        const int copies = given.value(QStringLiteral("return-address")).toInt(&number);
        if (!number || copies < 0 || copies > SenderSettings::kMostReturnLabels) {
            return Text::tr("--return-address : un nombre de 0 à %1 est attendu.")
                .arg(SenderSettings::kMostReturnLabels);
        }
        if (copies > 0 && request.sender.address.isEmpty()) {
            return Text::tr(
                "--return-address : aucune adresse de l'expéditeur n'est enregistrée (fenêtre "
                "« Adresse de l'expéditeur »).");
        }
        request.sender.returnLabels = copies;
    }
    return {};
}

int AddressesCommand::findAddresses(const QString& logName, AddressJob& job) {
    const SettingsStore store;
    for (const QString& odd : store.oddLineMessages()) {
        writeLine(err_, odd.toUtf8());
    }
    AddressBook book;
    QString error;
    const QString bookPath = AddressBook::pathBeside(store.fileName());
    if (!book.load(bookPath, &error)) {
        return fail(kUnreadable, error);
    }
    if (!book.problems().isEmpty()) {
        writeLine(err_, Text::tr("Le carnet d'adresses %1 est lu, sauf :").arg(bookPath).toUtf8());
        for (const QString& problem : book.problems()) {
            writeLine(err_, QStringLiteral("  %1").arg(problem).toUtf8());
        }
    }
    if (!job.findAddresses(book, reachable(logName))) {
        return fail(kUnreadable, job.error());
    }
    return kOk;
}

void AddressesCommand::tellLeftOut(const AddressJob& job, bool dump) {
    const QStringList& missing = job.mailingList().missing;
    if (const QStringList& calls = job.mailingList().withoutStation; !calls.isEmpty()) {
        writeLine(err_, MailingList::withoutStationText(calls).toUtf8());
    }
    if (dump) {
        for (const QString& call : missing) {
            writeLine(out_, QStringLiteral("missing %1").arg(call).toUtf8());
        }
    } else if (!missing.isEmpty()) {
        writeLine(
            err_,
            Text::tr("Pas d'adresse pour : %1").arg(missing.join(QStringLiteral(", "))).toUtf8());
    }
    if (!job.unfit().isEmpty()) {
        writeLine(err_, Text::tr("Adresse trop longue, non imprimée : %1")
                            .arg(job.unfit().join(QStringLiteral(", ")))
                            .toUtf8());
    }
}

int AddressesCommand::runJob(const Request& request, AddressJob& job) {
    const bool dump = request.given.has(QStringLiteral("dump"));
    if (job.mailingList().pieces.empty()) {
        tellLeftOut(job, dump);
        if (dump && !outputWritten()) {
            return kPrintFailed;
        }
        return fail(kUnreadable, Text::tr("Aucune adresse pour les QSO choisis"));
    }
    PrintJob::Result result = PrintJob::Result::Failed;
    if (dump) {
        result = job.dump(out_);
        tellLeftOut(job, true);
        if (!outputWritten()) {
            return kPrintFailed;
        }
    } else {
        QPrinter printer(QPrinter::HighResolution);
        const QString asked = choosePrinter(request.given, printer);
        result = job.print(printer, asked);
        if (result == PrintJob::Result::Done) {
            tellLeftOut(job, false);
        }
    }
    // Every address too long for its box: nothing was printed, and that is why.
    const bool returnLabels = !request.sender.address.isEmpty() && request.sender.returnLabels > 0;
    if (!returnLabels &&
        job.unfit().size() == static_cast<qsizetype>(job.mailingList().pieces.size())) {
        return fail(kUnreadable,
                    Text::tr("Adresse trop longue, non imprimée : %1 ; rien n'est imprimé.")
                        .arg(job.unfit().join(QStringLiteral(", "))));
    }
    return result == PrintJob::Result::Done ? kOk : fail(kPrintFailed, job.error());
}
