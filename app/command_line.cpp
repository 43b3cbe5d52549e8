#include "app/command_line.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <map>

#include "cards/card_layout.h"
#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/qsl_template.h"
#include "labels/label_options_store.h"
#include "labels/label_print_run.h"
#include "log/adif_reader.h"
#include "log/qso_log.h"
#include "log/qso_row.h"
#include "printing/dump_surface.h"
#include "printing/print_geometry.h"
#include "printing/printer_job.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

namespace {

// Writes rows and messages out as the reader finds them.
class StreamSink : public AdifSink {
  public:
    StreamSink(std::FILE* rows, std::FILE* messages) : rows_(rows), messages_(messages) {}

    void record(const QsoValues& values) override {
        const QByteArray text = QsoRow::compose(values);
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), rows_);
        std::fputc('\n', rows_);
    }
    void message(const AdifMessage& message) override {
        const QByteArray line = message.text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), messages_);
    }

  private:
    std::FILE* rows_;
    std::FILE* messages_;
};

const QString kVersion = QStringLiteral("1.0.8");

// Keeps the QSOs for the print list and writes the messages out.
class PrintListSink : public AdifSink {
  public:
    PrintListSink(QsoLog& log, std::FILE* messages) : log_(log), messages_(messages) {}
    void record(const QsoValues& values) override { log_.add(values); }
    void message(const AdifMessage& message) override {
        const QByteArray line = message.text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), messages_);
    }

  private:
    QsoLog& log_;
    std::FILE* messages_;
};

// "--name value" pairs and lone flags after the positional arguments.
struct ParsedOptions {
    QStringList positional;
    std::map<QString, QString> values;
    QString problem;

    bool has(const char* name) const { return values.count(QString::fromLatin1(name)) > 0; }
    QString value(const char* name) const { return values.at(QString::fromLatin1(name)); }
};

ParsedOptions parseOptions(const QStringList& arguments, const QStringList& valueOptions) {
    ParsedOptions parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            parsed.positional.append(argument);
            continue;
        }
        const QString name = argument.mid(2);
        if (!valueOptions.contains(name)) {
            parsed.problem = QStringLiteral("Option inconnue : %1").arg(argument);
            return parsed;
        }
        if (i + 1 >= arguments.size()) {
            parsed.problem = QStringLiteral("Valeur manquante après %1").arg(argument);
            return parsed;
        }
        parsed.values[name] = arguments[++i];
    }
    return parsed;
}

QStringList withoutDump(const QStringList& arguments, bool* dump) {
    QStringList rest;
    for (const QString& argument : arguments) {
        if (argument == u"--dump") {
            *dump = true;
        } else {
            rest.append(argument);
        }
    }
    return rest;
}

// Sends the output to a PDF file or to a CUPS queue; returns the queue's name.
QString choosePrinter(const std::map<QString, QString>& values, QPrinter& printer) {
    const auto pdf = values.find(QStringLiteral("pdf"));
    if (pdf != values.end()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf->second);
        return {};
    }
    const QString queue = values.at(QStringLiteral("printer"));
    printer.setPrinterName(queue);
    return queue;
}

// Applies the label options given on the command line over the stored ones.
QString applyLabelOptions(const ParsedOptions& parsed, LabelOptions& options) {
    const auto text = [&](const char* name, QString& target) {
        if (parsed.has(name)) {
            target = parsed.value(name);
        }
    };
    if (parsed.has("format")) {
        const QString format = parsed.value("format");
        if (!QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("6")})
                 .contains(format)) {
            return QStringLiteral(
                "--format : 1, 2, 3, 4 ou 6 (le format 5 imprime sur les QSL : "
                "commande cards)");
        }
        options.format = format.toInt();
    }
    if (parsed.has("type")) {
        const QString type = parsed.value("type");
        if (type != u"qso" && type != u"activation") {
            return QStringLiteral("--type : qso ou activation");
        }
        options.type = type == u"qso" ? LabelOptions::kQsoLabel : LabelOptions::kActivationLabel;
    }
    if (parsed.has("lang")) {
        const QString language = parsed.value("lang");
        if (language != u"fr" && language != u"en") {
            return QStringLiteral("--lang : fr ou en");
        }
        options.french = language == u"fr";
    }
    if (parsed.has("qsl")) {
        const QString qsl = parsed.value("qsl");
        if (qsl != u"1" && qsl != u"2" && qsl != u"3") {
            return QStringLiteral("--qsl : 1, 2 ou 3");
        }
        options.qsl = qsl.toInt();
    }
    text("offset", options.offset);
    text("comment", options.comment);
    text("tx", options.transceiver);
    text("antenna", options.antenna);
    text("activation-number", options.activationNumber);
    text("activation-name", options.activationName);
    text("canton", options.canton);
    text("postcode", options.postcode);
    text("municipality", options.municipality);
    return {};
}

const QStringList kLabelValueOptions{QStringLiteral("station"),
                                     QStringLiteral("format"),
                                     QStringLiteral("type"),
                                     QStringLiteral("lang"),
                                     QStringLiteral("qsl"),
                                     QStringLiteral("offset"),
                                     QStringLiteral("comment"),
                                     QStringLiteral("tx"),
                                     QStringLiteral("antenna"),
                                     QStringLiteral("activation-number"),
                                     QStringLiteral("activation-name"),
                                     QStringLiteral("canton"),
                                     QStringLiteral("postcode"),
                                     QStringLiteral("municipality"),
                                     QStringLiteral("pdf"),
                                     QStringLiteral("printer")};

}  // namespace

bool CommandLine::isCommand(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return false;
    }
    const QString& first = arguments.first();
    return first == u"list" || first == u"labels" || first == u"cards" ||
           first.startsWith(QLatin1Char('-'));
}

QString CommandLine::usage() {
    return QStringLiteral(
        "Usage: quenor-etiquettes [COMMAND ...]\n"
        "Without a command the program opens its windows.\n"
        "\n"
        "  list LOG.adi         write every QSO list row of the log, one per line\n"
        "  labels LOG.adi [OPTIONS] (--pdf OUT.pdf | --printer QUEUE | --dump)\n"
        "                       print every QSO of the log on label sheets, in print-list\n"
        "                       order; options not given take the station's stored value:\n"
        "      --station CALL   --format 1|2|3|4|6   --type qso|activation   --lang fr|en\n"
        "      --qsl 1|2|3      --offset TEXT (-1, -0,5, 0, +0,5, +1 or any text)\n"
        "      --comment TEXT   --tx TEXT   --antenna TEXT   --activation-number TEXT\n"
        "      --activation-name TEXT   --canton TEXT   --postcode TEXT   --municipality TEXT\n"
        "      --dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or\n"
        "      discard for each ended or discarded sheet\n"
        "  cards LOG.adi TEMPLATE.qsl (--pdf OUT.pdf | --printer QUEUE | --dump)\n"
        "                       print one QSL card per QSO of the log, in print-list order;\n"
        "                       --pdf writes one 140 x 90 mm page per card, --dump one line\n"
        "                       per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from\n"
        "                       the printable area), and end after each card\n"
        "  --help               show this text\n"
        "  --version            show the version\n"
        "\n"
        "Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.\n");
}

void CommandLine::writeLine(std::FILE* stream, const QByteArray& line) {
    const QByteArray text = line + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
}

int CommandLine::fail(int code, const QString& text) {
    writeLine(err_, text.toUtf8());
    return code;
}

int CommandLine::run(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first() == u"--help" || arguments.first() == u"-h") {
        std::fputs(usage().toUtf8().constData(), out_);
        return kOk;
    }
    const QString command = arguments.first();
    if (command == u"--version") {
        writeLine(out_, kVersion.toUtf8());
        return kOk;
    }
    if (command == u"list") {
        return list(arguments.mid(1));
    }
    if (command == u"labels") {
        return labels(arguments.mid(1));
    }
    if (command == u"cards") {
        return cards(arguments.mid(1));
    }
    return fail(kUsage, QStringLiteral("Commande inconnue : %1 (voir --help)").arg(command));
}

int CommandLine::list(const QStringList& arguments) {
    if (arguments.size() != 1) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes list LOG.adi"));
    }
    StreamSink sink(out_, err_);
    QString error;
    if (!AdifReader::readFile(arguments.first(), sink, &error)) {
        return fail(kUnreadable, error);
    }
    std::fflush(out_);
    return kOk;
}

bool CommandLine::readLog(const QString& path, QsoLog& log, RowList& printList, int* failure) {
    PrintListSink sink(log, err_);
    QString error;
    if (!AdifReader::readFile(path, sink, &error)) {
        *failure = fail(kUnreadable, error);
        return false;
    }
    QsoRecords records;
    records.reserve(static_cast<size_t>(log.count()));
    for (int i = 0; i < log.count(); ++i) {
        records.push_back(&log.at(i));
    }
    printList.addAll(records);
    return true;
}

int CommandLine::labels(const QStringList& arguments) {
    bool dump = false;
    const ParsedOptions parsed = parseOptions(withoutDump(arguments, &dump), kLabelValueOptions);
    if (!parsed.problem.isEmpty()) {
        return fail(kUsage, parsed.problem);
    }
    const int outputs =
        (dump ? 1 : 0) + (parsed.has("pdf") ? 1 : 0) + (parsed.has("printer") ? 1 : 0);
    if (parsed.positional.size() != 1 || outputs != 1) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes labels LOG.adi [options] "
                                           "(--pdf OUT.pdf | --printer QUEUE | --dump)"));
    }

    SettingsStore store;
    const QString station = parsed.has("station")
                                ? parsed.value("station")
                                : store.read(SettingsStore::globalSection(),
                                             QStringLiteral("Indicatif"), QStringLiteral("Fxxxx"));
    LabelOptions options = LabelOptionsStore(store).load(station);
    if (options.format == LabelOptions::kCardFormat) {
        options.format = 1;
    }
    const QString problem = applyLabelOptions(parsed, options);
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    const QString tooLong = options.lengthProblem();
    if (!tooLong.isEmpty()) {
        return fail(kUsage, tooLong);
    }

    QsoLog log;
    RowList printList(RowList::Order::Sorted);
    int failure = kOk;
    if (!readLog(parsed.positional.first(), log, printList, &failure)) {
        return failure;
    }

    if (dump) {
        DumpSurface surface(out_);
        LabelPrintRun run(options, surface, nullptr);
        const bool done = run.run(printList.records()) == LabelPrintRun::Outcome::Completed;
        std::fflush(out_);
        return done ? kOk : fail(kPrintFailed, run.error());
    }

    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(parsed.values, printer);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
    QString error;
    const PrinterJob::Result result = PrinterJob::print(
        printer, QPointF(origin, origin), asked,
        [&](PrintSurface& surface, QString* runError) {
            LabelPrintRun run(options, surface, nullptr);
            const LabelPrintRun::Outcome outcome = run.run(printList.records());
            return LabelPrintRun::toJobResult(outcome, run.error(), runError);
        },
        &error);
    return result == PrinterJob::Result::Done ? kOk : fail(kPrintFailed, error);
}

int CommandLine::cards(const QStringList& arguments) {
    bool dump = false;
    const ParsedOptions parsed = parseOptions(withoutDump(arguments, &dump),
                                              {QStringLiteral("pdf"), QStringLiteral("printer")});
    if (!parsed.problem.isEmpty()) {
        return fail(kUsage, parsed.problem);
    }
    const int outputs =
        (dump ? 1 : 0) + (parsed.has("pdf") ? 1 : 0) + (parsed.has("printer") ? 1 : 0);
    if (parsed.positional.size() != 2 || outputs != 1) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes cards LOG.adi TEMPLATE.qsl "
                                           "(--pdf OUT.pdf | --printer QUEUE | --dump)"));
    }
    const QString templateName = parsed.positional.at(1);
    if (!CardPrintRun::hasQslExtension(templateName)) {
        return fail(kUsage, QStringLiteral("sélectionnez un fichier .qsl ou créez en un"));
    }
    QslTemplate model;
    const QString problem = CardPrinting::readTemplate(templateName, model);
    if (!problem.isEmpty()) {
        return fail(kUnreadable, problem);
    }
    QsoLog log;
    RowList printList(RowList::Order::Sorted);
    int failure = kOk;
    if (!readLog(parsed.positional.first(), log, printList, &failure)) {
        return failure;
    }

    if (dump) {
        QString error;
        const std::optional<CardLayout> layout = CardLayout::from(model, &error);
        DumpSurface surface(out_);
        CardPrintRun run(model, *layout, surface);
        const bool done = run.run(printList.records());
        std::fflush(out_);
        return done ? kOk : fail(kPrintFailed, run.error());
    }
    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(parsed.values, printer);
    QString error;
    const PrinterJob::Result result =
        CardPrinting::print(model, printList.records(), printer, asked, &error);
    return result == PrinterJob::Result::Done ? kOk : fail(kPrintFailed, error);
}
