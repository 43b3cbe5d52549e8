#include "app/command_line.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cerrno>
#include <cstring>
#include <map>

#include "cards/card_layout.h"
#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/qsl_template.h"
#include "labels/calibration_page.h"
#include "labels/label_option_table.h"
#include "labels/label_options_store.h"
#include "labels/label_print_run.h"
#include "labels/sheet_table.h"
#include "log/adif_reader.h"
#include "log/country_file.h"
#include "log/qso_log.h"
#include "log/qso_row.h"
#include "log/sent_marker.h"
#include "printing/dump_surface.h"
#include "printing/native_file_name.h"
#include "printing/pdf_output.h"
#include "printing/pending_files.h"
#include "printing/print_geometry.h"
#include "printing/printer_calibration.h"
#include "printing/printer_job.h"
#include "printing/printer_surface.h"
#include "selection/bureau_order.h"
#include "selection/qso_selection.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

namespace {

// Writes rows and messages out as the reader finds them.
class StreamSink : public AdifSink {
  public:
    StreamSink(std::FILE* rows, std::FILE* messages) : rows_(rows), messages_(messages) {
        pending_.reserve(kBatchBytes + 4096);
    }
    ~StreamSink() override { flush(); }

    void record(const QsoValues& values) override {
        const qsizetype start = pending_.size();
        QsoRow::appendTo(pending_, values);
        PrintSurface::blankControls(pending_, start);
        pending_ += '\n';
        if (pending_.size() >= kBatchBytes) {
            flush();
        }
    }
    void message(const AdifMessage& message) override {
        flush();
        const QByteArray line = message.text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), messages_);
    }
    void flush() {
        std::fwrite(pending_.constData(), 1, static_cast<size_t>(pending_.size()), rows_);
        pending_.truncate(0);
    }

  private:
    static constexpr qsizetype kBatchBytes = 1 << 16;

    std::FILE* rows_;
    std::FILE* messages_;
    QByteArray pending_;
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
        const QString& value = arguments[++i];
        if (value.isEmpty() && (name == u"pdf" || name == u"printer")) {
            parsed.problem = QStringLiteral("Valeur vide après %1").arg(argument);
            return parsed;
        }
        parsed.values[name] = value;
    }
    return parsed;
}

// Why the --pdf target must not be written, or an empty text.
QString outputProblem(const ParsedOptions& parsed, const QStringList& inputs) {
    return parsed.has("pdf") ? PdfOutput::targetProblem(parsed.value("pdf"), inputs) : QString();
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

QStringList withoutFlag(const QStringList& arguments, const QString& flag, bool* given) {
    QStringList rest;
    for (const QString& argument : arguments) {
        if (argument == flag) {
            *given = true;
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

// The numbers of the tuned sheets, as --format takes them.
QStringList tunedNumbers() {
    QStringList numbers;
    for (const LabelSheet& sheet : SheetTable::builtIn()) {
        if (sheet.isTuned()) {
            numbers.append(QString::number(sheet.number));
        }
    }
    return numbers;
}

// Applies the label options given on the command line over the stored ones.
QString applyLabelOptions(const ParsedOptions& parsed, const QStringList& flags,
                          LabelOptions& options) {
    for (const LabelOptionField& field : labelOptionTable()) {
        if (field.flag) {
            if (flags.contains(QString::fromLatin1(field.commandLine))) {
                field.applyCommandLine(options, QString());
            }
            continue;
        }
        if (parsed.has(field.commandLine) &&
            !field.applyCommandLine(options, parsed.value(field.commandLine))) {
            return QString::fromUtf8(field.wrongWord);
        }
    }
    return {};
}

// --sheet NAME: a tuned sheet is chosen by its number, any other by its name.
QString applySheet(const ParsedOptions& parsed, const SheetTable& table, LabelOptions& options) {
    if (!parsed.has("sheet")) {
        return {};
    }
    const LabelSheet* sheet = table.find(parsed.value("sheet"));
    if (sheet == nullptr) {
        return QStringLiteral("--sheet : planche inconnue %1 (voir labels --list-sheets)")
            .arg(parsed.value("sheet"));
    }
    if (sheet->isTuned()) {
        options.format = sheet->number;
        options.sheet.clear();
    } else {
        options.sheet = sheet->name;
    }
    return {};
}

// --offset-x MM and --offset-y MM replace the printer's stored calibration.
QString applyOffsets(const ParsedOptions& parsed, QPointF& offset) {
    double value = 0;
    for (const char* name : {"offset-x", "offset-y"}) {
        if (!parsed.has(name)) {
            continue;
        }
        const QString problem = PrinterCalibration::checkOffset(parsed.value(name), &value);
        if (!problem.isEmpty()) {
            return QStringLiteral("--%1 : %2").arg(QString::fromLatin1(name), problem);
        }
        (name[7] == 'x' ? offset.rx() : offset.ry()) = value;
    }
    return {};
}

// --first-label N: the run starts at label N of the first sheet.
QString applyFirstLabel(const ParsedOptions& parsed, const LabelSheet& sheet,
                        LabelOptions& options) {
    if (!parsed.has("first-label")) {
        return {};
    }
    bool number = false;
    const int first = parsed.value("first-label").toInt(&number);
    const QString problem = LabelPrintRun::firstLabelProblem(number ? first : 0, sheet);
    if (!problem.isEmpty()) {
        return QStringLiteral("--first-label : %1").arg(problem);
    }
    options.firstLabel = first;
    return {};
}

QStringList labelValueOptions() {
    QStringList names{QStringLiteral("station"), QStringLiteral("sheet"),
                      QStringLiteral("offset-x"), QStringLiteral("offset-y"),
                      QStringLiteral("first-label")};
    for (const LabelOptionField& field : labelOptionTable()) {
        if (!field.flag) {
            names.append(QString::fromLatin1(field.commandLine));
        }
    }
    names << QStringLiteral("pdf") << QStringLiteral("printer");
    return names;
}

}  // namespace

bool CommandLine::isCommand(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return false;
    }
    const QString& first = arguments.first();
    if (first == u"list" || first == u"labels" || first == u"cards" ||
        first.startsWith(QLatin1Char('-'))) {
        return true;
    }
    // A log given alone (as a desktop launcher does) opens the windows; anything
    // else is a mistyped command.
    struct stat state {};
    return arguments.size() != 1 ||
           ::stat(NativeFileName::encode(first).constData(), &state) != 0 ||
           !S_ISREG(state.st_mode);
}

QString CommandLine::usage() {
    QString text = QStringLiteral(
        "Usage: quenor-etiquettes [COMMAND ...]\n"
        "Without a command the program opens its windows.\n"
        "\n"
        "  list LOG.adi [--unsent] [--sort call|bureau]\n"
        "                       write every QSO list row of the log, one per line (with\n"
        "                       --sort bureau: the entity's prefix and a tab before each)\n"
        "  labels LOG.adi [OPTIONS] (--pdf OUT.pdf | --printer QUEUE | --dump)\n"
        "                       print every QSO of the log on label sheets, in print-list\n"
        "                       order; options not given take the station's stored value:\n"
        "      --station CALL   --format FORMATS   --type qso|activation   --lang fr|en\n"
        "      --qsl 1|2|3      --offset TEXT (-1, -0,5, 0, +0,5, +1 or any text)\n"
        "      --comment TEXT   --tx TEXT   --antenna TEXT   --activation-number TEXT\n"
        "      --activation-name TEXT   --canton TEXT   --postcode TEXT   --municipality TEXT\n"
        "      --sheet NAME     any sheet of --list-sheets (labels fitted one by one on\n"
        "                       sheets other than the tuned ones, placed from the paper edge)\n"
        "      --offset-x MM --offset-y MM   the printer's shift for this run (-10 to +10)\n"
        "      --first-label N  start at label N of a used first sheet (numbered across\n"
        "                       each row, then down); the labels before it stay blank\n"
        "      --group          the QSOs with one station (callsign and QSL via) share\n"
        "                       labels, in print-list order, one line per QSO\n"
        "  labels and cards also take:\n"
        "      --unsent         only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)\n"
        "      --sort call|bureau   call: as \"Tri par call\"; bureau: by the DXCC entity of\n"
        "                       the QSL via (else the callsign), then by that route\n"
        "      --mark-sent OUT.adi  after a complete run, a copy of the log with the printed\n"
        "                       QSOs marked QSL_SENT Y, QSL_SDATE today, QSL_SENT_VIA\n"
        "      --sent-via B|D|E|M   the sending method marked (B for labels, D for cards)\n"
        "      --dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or\n"
        "      discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for\n"
        "      fitted labels, X, Y in mm from the paper edge)\n"
        "  labels --list-sheets  one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,\n"
        "                       left top width height across down (mm)\n"
        "  labels --calibration [--sheet NAME] (--pdf OUT.pdf | --printer QUEUE)\n"
        "                       print the sheet's calibration page\n"
        "  cards LOG.adi TEMPLATE.qsl (--pdf OUT.pdf | --printer QUEUE | --dump)\n"
        "                       print one QSL card per QSO of the log, in print-list order;\n"
        "                       --pdf writes one 140 x 90 mm page per card, --dump one line\n"
        "                       per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from\n"
        "                       the printable area), and end after each card\n"
        "  --help               show this text\n"
        "  --version            show the version\n"
        "\n"
        "Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.\n");
    return text.replace(QStringLiteral("FORMATS"), tunedNumbers().join(QLatin1Char('|')));
}

void CommandLine::writeLine(std::FILE* stream, const QByteArray& line) {
    const QByteArray text = line + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
}

CommandLine::~CommandLine() {
    for (const int descriptor : opened_) {
        ::close(descriptor);
    }
}

int CommandLine::fail(int code, const QString& text) {
    QString shown = text;
    for (auto name = shownAs_.rbegin(); name != shownAs_.rend(); ++name) {
        shown.replace(name->first, name->second);
    }
    writeLine(err_, shown.toUtf8());
    return code;
}

QString CommandLine::reachable(const QString& path) {
    if (!NativeFileName::hasCarriedBytes(path)) {
        return path;
    }
    // Non-blocking: a FIFO must not hold the open; the reader refuses it.
    const int descriptor =
        ::open(NativeFileName::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return NativeFileName::display(path);
    }
    opened_.push_back(descriptor);
    const QString name = QStringLiteral("/proc/self/fd/%1").arg(descriptor);
    shownAs_.emplace_back(name, NativeFileName::display(path));
    return name;
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
    fail(kUsage, QStringLiteral("Commande inconnue : %1").arg(command));
    std::fputs(usage().toUtf8().constData(), err_);
    return kUsage;
}

QString CommandLine::takeRoundOptions(QStringList& arguments, RoundOptions& round, bool printing) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool takesValue =
            argument == u"--sort" ||
            (printing && (argument == u"--mark-sent" || argument == u"--sent-via"));
        if (argument == u"--unsent") {
            round.unsent = true;
        } else if (takesValue) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                return QStringLiteral("Valeur manquante après %1").arg(argument);
            }
            const QString value = arguments[++i];
            if (argument == u"--sort") {
                round.sort = value;
            } else if (argument == u"--mark-sent") {
                round.markSent = value;
            } else {
                round.sentVia = value;
            }
        } else {
            rest.append(argument);
        }
    }
    arguments = rest;
    if (!round.sort.isEmpty() && round.sort != u"call" && round.sort != u"bureau") {
        return QStringLiteral("--sort : call ou bureau");
    }
    if (!round.sentVia.isEmpty() && !SentMarker::isSendingMethod(round.sentVia)) {
        return QStringLiteral("--sent-via : B, D, E ou M");
    }
    return {};
}

std::shared_ptr<const BureauOrder> CommandLine::bureauOrder() {
    auto countries = std::make_shared<CountryFile>();
    QString problem;
    const QString folder = QFileInfo(SettingsStore().fileName()).absolutePath();
    if (!countries->loadFirst(CountryFile::searchPaths(folder), &problem)) {
        writeLine(err_, problem.toUtf8());
        countries.reset();
    }
    return std::make_shared<BureauOrder>(std::move(countries));
}

// "list --sort": the QSOs in that order; in bureau order each row follows the
// entity's primary prefix and a tab ("-" without entity).
int CommandLine::listSorted(const QString& path, const RoundOptions& round) {
    QsoLog log;
    PrintListSink sink(log, err_);
    QString error;
    if (!AdifReader::readFile(reachable(path), sink, &error)) {
        std::fflush(out_);
        return fail(kUnreadable, error);
    }
    RowList rows(round.sort.isEmpty() ? RowList::Order::Unsorted : RowList::Order::Sorted);
    std::shared_ptr<const BureauOrder> order;
    if (round.sort == u"bureau") {
        order = bureauOrder();
        rows.orderForBureau(order);
    }
    QsoRecords records;
    for (int i = 0; i < log.count(); ++i) {
        if (!round.unsent || QsoSelection::isOwed(log.at(i))) {
            records.push_back(&log.at(i));
        }
    }
    rows.addAll(records);
    for (int i = 0; i < rows.count(); ++i) {
        QByteArray text = QsoRow::compose(rows.record(i));
        PrintSurface::blankControls(text);
        if (order != nullptr) {
            const QByteArray prefix = order->keyOf(rows.record(i)).prefix;
            text.prepend((prefix.isEmpty() ? QByteArray("-") : prefix) + '\t');
        }
        writeLine(out_, text);
    }
    return outputWritten() ? kOk : kPrintFailed;
}

int CommandLine::markSent(const RoundOptions& round, const QString& logName, const QsoLog& log,
                          const RowList& printed) {
    if (round.markSent.isEmpty()) {
        return kOk;
    }
    // From here a signal no longer stops a run that wrote nothing.
    PendingFiles::setInterruptedText(
        QStringLiteral("Impression interrompue : l'impression est faite, la copie marquée %1 "
                       "n'est pas écrite.")
            .arg(NativeFileName::display(round.markSent))
            .toUtf8());
    QString error;
    const SentMarker::Result result = SentMarker::writeCopy(
        reachable(logName), log.fingerprint(), round.markSent, printed.records(), round.sentVia,
        QDateTime::currentDateTimeUtc().date(), &error);
    if (result == SentMarker::Result::Written) {
        return kOk;
    }
    return fail(result == SentMarker::Result::LogUnreadable ? kUnreadable : kPrintFailed, error);
}

int CommandLine::list(const QStringList& given) {
    QStringList arguments = given;
    RoundOptions round;
    const QString problem = takeRoundOptions(arguments, round, false);
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--"))) {
        return fail(kUsage,
                    QStringLiteral(
                        "Usage: quenor-etiquettes list LOG.adi [--unsent] [--sort call|bureau]"));
    }
    if (round.unsent || !round.sort.isEmpty()) {
        return listSorted(arguments.first(), round);
    }
    StreamSink sink(out_, err_);
    QString error;
    const bool read = AdifReader::readFile(reachable(arguments.first()), sink, &error);
    sink.flush();
    if (!read) {
        std::fflush(out_);
        return fail(kUnreadable, error);
    }
    return outputWritten() ? kOk : kPrintFailed;
}

bool CommandLine::outputWritten() {
    if (std::fflush(out_) == 0 && std::ferror(out_) == 0) {
        return true;
    }
    const int reason = errno;
    fail(kPrintFailed, QStringLiteral("Impossible d'écrire sur la sortie standard : %1")
                           .arg(QString::fromLocal8Bit(std::strerror(reason))));
    return false;
}

bool CommandLine::readLog(const QString& path, QsoLog& log, RowList& printList, int* failure,
                          const RoundOptions& round) {
    PrintListSink sink(log, err_);
    QString error;
    LogFingerprint fingerprint;
    if (!AdifReader::readFile(path, sink, &error,
                              round.markSent.isEmpty() ? nullptr : &fingerprint)) {
        *failure = fail(kUnreadable, error);
        return false;
    }
    log.setFingerprint(fingerprint);
    if (log.count() == 0) {
        *failure = fail(kUnreadable, QStringLiteral("Aucun QSO dans le fichier %1").arg(path));
        return false;
    }
    QsoRecords records;
    records.reserve(static_cast<size_t>(log.count()));
    for (int i = 0; i < log.count(); ++i) {
        if (!round.unsent || QsoSelection::isOwed(log.at(i))) {
            records.push_back(&log.at(i));
        }
    }
    if (records.empty()) {
        *failure =
            fail(kUnreadable, QStringLiteral("Aucun QSO à imprimer dans le fichier %1").arg(path));
        return false;
    }
    if (round.sort == u"bureau") {
        printList.orderForBureau(bureauOrder());
    }
    printList.addAll(records);
    return true;
}

// --mark-sent may replace no file the run reads or writes, nor anything that is not a file.
QString markSentProblem(const RoundOptions& round, const QStringList& runFiles) {
    const QString problem =
        round.markSent.isEmpty() ? QString() : SentMarker::targetProblem(round.markSent, runFiles);
    return problem.isEmpty() ? problem : QStringLiteral("--mark-sent : ") + problem;
}

int CommandLine::labels(const QStringList& given) {
    QStringList arguments = given;
    RoundOptions round;
    round.sentVia = QStringLiteral("B");  // unless --sent-via says otherwise
    if (const QString wrong = takeRoundOptions(arguments, round, true); !wrong.isEmpty()) {
        return fail(kUsage, wrong);
    }
    bool dump = false;
    bool listSheets = false;
    bool calibration = false;
    QStringList rest = withoutFlag(
        withoutFlag(withoutDump(arguments, &dump), QStringLiteral("--list-sheets"), &listSheets),
        QStringLiteral("--calibration"), &calibration);
    QStringList flags;
    for (const LabelOptionField& field : labelOptionTable()) {
        const QString name = QString::fromLatin1(field.commandLine);
        bool present = false;
        if (field.flag) {
            rest = withoutFlag(rest, QStringLiteral("--") + name, &present);
        }
        if (present) {
            flags.append(name);
        }
    }
    const ParsedOptions parsed = parseOptions(rest, labelValueOptions());
    if (!parsed.problem.isEmpty()) {
        return fail(kUsage, parsed.problem);
    }
    SettingsStore store;
    QString tableProblem;
    const SheetTable table =
        SheetTable::load(SheetTable::ownSheetsPath(store.fileName()), &tableProblem);
    if (!tableProblem.isEmpty()) {
        writeLine(err_, tableProblem.toUtf8());
    }
    if (listSheets) {
        if (!parsed.positional.isEmpty() || !parsed.values.empty() || !flags.isEmpty() || dump ||
            calibration) {
            return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes labels --list-sheets"));
        }
        for (const LabelSheet& sheet : table.all()) {
            writeLine(out_, sheet.listLine().toUtf8());
        }
        std::fflush(out_);
        return kOk;
    }
    const int outputs =
        (dump ? 1 : 0) + (parsed.has("pdf") ? 1 : 0) + (parsed.has("printer") ? 1 : 0);
    if (calibration && (!parsed.positional.isEmpty() || outputs != 1 || dump)) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes labels --calibration "
                                           "[--sheet NAME] (--pdf OUT.pdf | --printer QUEUE)"));
    }
    if (!calibration && (parsed.positional.size() != 1 || outputs != 1)) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes labels LOG.adi [options] "
                                           "(--pdf OUT.pdf | --printer QUEUE | --dump)"));
    }

    const QString station = parsed.has("station")
                                ? parsed.value("station")
                                : store.read(SettingsStore::globalSection(),
                                             QStringLiteral("Indicatif"), QStringLiteral("Fxxxx"));
    LabelOptions options = LabelOptionsStore(store).load(station);
    options.onCards = false;
    QString problem = applyLabelOptions(parsed, flags, options);
    if (problem.isEmpty()) {
        problem = applySheet(parsed, table, options);
    }
    if (problem.isEmpty()) {
        problem = options.lengthProblem();
    }
    QPointF checkedOffset;
    if (problem.isEmpty()) {
        problem = applyOffsets(parsed, checkedOffset);
    }
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    const LabelSheet* sheet = table.sheetFor(options);
    if (sheet == nullptr) {
        return fail(kUsage, QStringLiteral("Planche inconnue : %1 (voir --list-sheets)")
                                .arg(options.sheet.isEmpty() ? QString::number(options.format)
                                                             : options.sheet));
    }
    if (const QString firstProblem = applyFirstLabel(parsed, *sheet, options);
        !firstProblem.isEmpty()) {
        return fail(kUsage, firstProblem);
    }

    const QString refused = calibration ? outputProblem(parsed, {})
                                        : outputProblem(parsed, {parsed.positional.first()});
    if (!refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    if (const QString refusedCopy =
            calibration
                ? QString()
                : markSentProblem(round,
                                  {parsed.positional.first(),
                                   parsed.has("pdf") ? parsed.value("pdf") : QString(),
                                   SheetTable::ownSheetsPath(store.fileName()), store.fileName()});
        !refusedCopy.isEmpty()) {
        return fail(kUsage, refusedCopy);
    }
    QsoLog log;
    RowList printList(RowList::Order::Sorted);
    int failure = kOk;
    if (!calibration &&
        !readLog(reachable(parsed.positional.first()), log, printList, &failure, round)) {
        return failure;
    }

    if (dump) {
        DumpSurface surface(out_);
        LabelPrintRun run(options, surface, nullptr);
        run.useSheet(*sheet);
        const bool done = run.run(printList.records()) == LabelPrintRun::Outcome::Completed;
        if (!outputWritten()) {
            return kPrintFailed;
        }
        if (!run.notice().isEmpty()) {
            writeLine(err_, run.notice().toUtf8());
        }
        return done ? markSent(round, parsed.positional.first(), log, printList)
                    : fail(kPrintFailed, run.error());
    }

    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(parsed.values, printer);
    printer.setPageSize(sheet->pageSize());
    QPointF offset = PrinterCalibration(store).offset(PrinterCalibration::printerKey(printer));
    applyOffsets(parsed, offset);
    const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
    const bool fromPaperEdge = calibration || !sheet->isTuned();
    const PrintPlacement placement(fromPaperEdge ? QPointF() : QPointF(origin, origin),
                                   fromPaperEdge, offset);
    QString error;
    QString notice;
    const PrinterJob::Result result = PrinterJob::print(
        printer, placement, asked,
        [&](PrintSurface& surface, QString* runError) {
            if (calibration) {
                if (CalibrationPage::print(*sheet, static_cast<PrinterSurface&>(surface))) {
                    return PrinterJob::Result::Done;
                }
                *runError = surface.error();
                return PrinterJob::Result::Failed;
            }
            LabelPrintRun run(options, surface, nullptr);
            run.useSheet(*sheet);
            const LabelPrintRun::Outcome outcome = run.run(printList.records());
            notice = run.notice();
            return LabelPrintRun::toJobResult(outcome, run.error(), runError);
        },
        &error, calibration ? QStringList() : QStringList{parsed.positional.first()});
    if (!notice.isEmpty()) {
        writeLine(err_, notice.toUtf8());
    }
    if (result != PrinterJob::Result::Done) {
        return fail(kPrintFailed, error);
    }
    return calibration ? kOk : markSent(round, parsed.positional.first(), log, printList);
}

int CommandLine::cards(const QStringList& given) {
    QStringList arguments = given;
    RoundOptions round;
    round.sentVia = QStringLiteral("D");  // unless --sent-via says otherwise
    if (const QString wrong = takeRoundOptions(arguments, round, true); !wrong.isEmpty()) {
        return fail(kUsage, wrong);
    }
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
    const QString logName = parsed.positional.first();
    const QString refused = outputProblem(parsed, {logName, templateName});
    if (!refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    QslTemplate model;
    const QString problem = CardPrinting::readTemplate(reachable(templateName), model);
    if (!problem.isEmpty()) {
        return fail(kUnreadable, problem);
    }
    if (const QString refusedCopy = markSentProblem(
            round, {logName, templateName, parsed.has("pdf") ? parsed.value("pdf") : QString(),
                    SettingsStore().fileName()});
        !refusedCopy.isEmpty()) {
        return fail(kUsage, refusedCopy);
    }
    QsoLog log;
    RowList printList(RowList::Order::Sorted);
    int failure = kOk;
    if (!readLog(reachable(logName), log, printList, &failure, round)) {
        return failure;
    }
    QString error;
    const std::optional<CardLayout> layout = CardLayout::from(model, &error);
    for (const int line : CardPrintRun::linesPastEdge(model, *layout, printList.records())) {
        writeLine(err_,
                  QStringLiteral("La ligne %1 dépasse le bord de la carte").arg(line).toUtf8());
    }

    if (dump) {
        DumpSurface surface(out_);
        CardPrintRun run(model, *layout, surface);
        const bool done = run.run(printList.records());
        if (!outputWritten()) {
            return kPrintFailed;
        }
        return done ? markSent(round, logName, log, printList) : fail(kPrintFailed, run.error());
    }
    QPrinter printer(QPrinter::HighResolution);
    const QString asked = choosePrinter(parsed.values, printer);
    SettingsStore store;
    const QPointF offset =
        PrinterCalibration(store).offset(PrinterCalibration::printerKey(printer));
    const PrinterJob::Result result = CardPrinting::print(
        model, printList.records(), printer, asked, &error, offset, {logName, templateName});
    return result == PrinterJob::Result::Done ? markSent(round, logName, log, printList)
                                              : fail(kPrintFailed, error);
}
