#include "app/command.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QFileInfo>
#include <QPrinter>
#include <cerrno>
#include <cstring>

#include "app/usage_text.h"
#include "files/native_file_name.h"
#include "files/pending_files.h"
#include "log/adif_reader.h"
#include "log/qso_log.h"
#include "log/sent_marker.h"
#include "printing/pdf_output.h"
#include "printing/print_job.h"
#include "selection/bureau_run.h"
#include "selection/print_doubts.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Command)
};

}  // namespace

namespace {

// Keeps the QSOs for the print list and writes the messages out.
class PrintListSink : public AdifSink {
  public:
    PrintListSink(QsoLog& log, std::FILE* messages) : log_(log), messages_(messages) {}
    void record(const QsoValues& values) override { log_.add(values); }
    void kindOfFile(ConfirmationDownload::Kind kind) override { log_.setKindOfFile(kind); }
    void message(const AdifMessage& message) override {
        const QByteArray line = message.text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), messages_);
    }

  private:
    QsoLog& log_;
    std::FILE* messages_;
};

}  // namespace

Command::~Command() {
    for (const int descriptor : opened_) {
        ::close(descriptor);
    }
}

CommandOptions Command::roundOptions(bool printing) {
    using Stage = CommandOption::Stage;
    CommandOptions options{
        {QStringLiteral("unsent"),
         {},
         UsageText::tr("only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)"),
         Stage::Round},
        {QStringLiteral("owed"), QStringLiteral("QUEUE"),
         UsageText::tr("unsent (as --unsent), requested (QSL_SENT R, Q) or received\n"
                       "(a card came: QSL_RCVD Y, V not via E; none went back)"),
         Stage::Round, true},
        {QStringLiteral("unconfirmed"),
         {},
         UsageText::tr("only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,\n"
                       "EQSL_QSL_RCVD not Y or V), with any queue"),
         Stage::Round},
        {QStringLiteral("route"), QStringLiteral("ROUTE"),
         UsageText::tr("all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else\n"
                       "the bureau (M: bureau); marks B for bureau, D for direct"),
         Stage::Round, true},
        {QStringLiteral("sort"), QStringLiteral("call|bureau"),
         UsageText::tr("call: as \"Tri par call\"; bureau: by the DXCC entity of\n"
                       "the QSL via's manager, else of the home call; then by it"),
         Stage::Round, true},
    };
    if (printing) {
        options.push_back(
            {QStringLiteral("mark-sent"), QStringLiteral("OUT.adi"),
             UsageText::tr("after a complete run, a copy of the log with the printed\n"
                           "QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA"),
             Stage::Round, true, 2});
        options.push_back({QStringLiteral("keep-undeliverable"),
                           {},
                           UsageText::tr("a bureau run prints the QSOs the bureau cannot\n"
                                         "deliver too (entity without bureau, QSL_VIA DIRECT)"),
                           Stage::Round});
        options.push_back({QStringLiteral("sent-via"), QStringLiteral("B|D|E|M"),
                           UsageText::tr("the sending method marked (B for labels, D for cards;\n"
                                         "M, which ADIF only reads, is written B)"),
                           Stage::Round, true});
    }
    return options;
}

CommandOptions Command::outputOptions(bool dump) {
    using Stage = CommandOption::Stage;
    CommandOptions options{
        {QStringLiteral("pdf"), QStringLiteral("OUT.pdf"), {}, Stage::Value, true},
        {QStringLiteral("printer"), QStringLiteral("QUEUE"), {}, Stage::Value, true},
    };
    if (dump) {
        options.push_back({QStringLiteral("dump"), {}, {}, Stage::Flag});
    }
    return options;
}

QString Command::outputSynopsis(bool dump) {
    QStringList heads;
    for (const CommandOption& option : outputOptions(dump)) {
        heads.append(option.head());
    }
    return QStringLiteral("(%1)").arg(heads.join(QStringLiteral(" | ")));
}

QStringList Command::dumpHelp() {
    return UsageText::tr(
               "--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or\n"
               "discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for\n"
               "fitted labels, X, Y in mm from the paper edge)")
        .split(QLatin1Char('\n'));
}

QString Command::usageLine(const QString& synopsis) {
    return UsageText::tr("Usage: quenor-etiquettes %1").arg(synopsis);
}

void Command::writeLine(std::FILE* stream, const QByteArray& line) {
    const QByteArray text = line + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
}

bool Command::outputWritten() {
    if (std::fflush(out_) == 0 && std::ferror(out_) == 0) {
        return true;
    }
    const int reason = errno;
    fail(kPrintFailed, Text::tr("Impossible d'écrire sur la sortie standard : %1")
                           .arg(QString::fromLocal8Bit(std::strerror(reason))));
    return false;
}

int Command::fail(int code, const QString& text) {
    QString shown = text;
    for (auto name = shownAs_.rbegin(); name != shownAs_.rend(); ++name) {
        shown.replace(name->first, name->second);
    }
    writeLine(err_, shown.toUtf8());
    return code;
}

QString Command::reachable(const QString& path) {
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

QString Command::takeOptions(const CommandOptions& declared, QStringList& arguments,
                             GivenOptions& round, GivenOptions& given) {
    const ArgumentParser parser(declared);
    QString problem = parser.take(CommandOption::Stage::Round, arguments, round);
    if (problem.isEmpty()) {
        problem = roundProblem(round);
    }
    if (problem.isEmpty()) {
        parser.take(CommandOption::Stage::Flag, arguments, given);
        problem = parser.take(CommandOption::Stage::Value, arguments, given);
    }
    return problem;
}

QString Command::roundProblem(const GivenOptions& round) {
    const QString sort = round.value(QStringLiteral("sort"));
    if (!sort.isEmpty() && sort != u"call" && sort != u"bureau") {
        return Text::tr("--sort : call ou bureau");
    }
    const QString owed = round.value(QStringLiteral("owed"));
    if (!owed.isEmpty() && !QslQueue::owedNamed(owed)) {
        return Text::tr("--owed : unsent, requested ou received");
    }
    if (round.has(QStringLiteral("unsent")) && !owed.isEmpty() && owed != u"unsent") {
        return Text::tr("--unsent et --owed %1 ne vont pas ensemble").arg(owed);
    }
    const QString route = round.value(QStringLiteral("route"));
    if (!route.isEmpty() && !QslQueue::routeNamed(route)) {
        return Text::tr("--route : all, bureau ou direct");
    }
    const QString via = round.value(QStringLiteral("sent-via"));
    if (!via.isEmpty() && !SentMarker::isSendingMethod(via)) {
        return Text::tr("--sent-via : B, D, E ou M");
    }
    return {};
}

QslRound::Filter Command::roundFilter(const GivenOptions& round) {
    QslRound::Filter filter;
    if (round.has(QStringLiteral("unsent"))) {
        filter.owed = QslQueue::Owed::Unsent;
    }
    filter.owed = QslQueue::owedNamed(round.value(QStringLiteral("owed"))).value_or(filter.owed);
    filter.route =
        QslQueue::routeNamed(round.value(QStringLiteral("route"))).value_or(QslQueue::Route::All);
    filter.unconfirmed = round.has(QStringLiteral("unconfirmed"));
    return filter;
}

QslRound::Order Command::printOrder(const GivenOptions& round) {
    return round.value(QStringLiteral("sort")) == u"bureau" ? QslRound::Order::Bureau
                                                            : QslRound::Order::Call;
}

std::shared_ptr<const BureauOrder> Command::bureauOrder() {
    if (bureau_ != nullptr) {
        return bureau_;
    }
    QString problem;
    bureau_ = QslRound::bureauOrder(SettingsStore().fileName(), &problem);
    if (!problem.isEmpty()) {
        writeLine(err_, problem.toUtf8());
    }
    return bureau_;
}

bool Command::isBureauRun(const GivenOptions& round) {
    return roundFilter(round).route == QslQueue::Route::Bureau ||
           printOrder(round) == QslRound::Order::Bureau;
}

QsoRecords Command::recordsToPrint(const GivenOptions& round, const RowList& printList,
                                   const QString& logName, int* failure) {
    QsoRecords records = printList.records();
    if (!isBureauRun(round) || round.has(QStringLiteral("keep-undeliverable"))) {
        return records;
    }
    BureauRun::Split split = BureauRun::split(records, *bureauOrder());
    if (split.refused.empty()) {
        return records;
    }
    writeLine(err_, Text::tr("%n QSO laissés de côté, le bureau ne les délivre pas "
                             "(--keep-undeliverable les imprime) :",
                             nullptr, static_cast<int>(split.refused.size()))
                        .toUtf8());
    for (const QString& line : BureauRun::describe(split.refused, *bureauOrder())) {
        writeLine(err_, line.toUtf8());
    }
    if (split.deliverable.empty()) {
        *failure =
            fail(kUnreadable, Text::tr("Aucun QSO à imprimer dans le fichier %1").arg(logName));
    }
    return std::move(split.deliverable);
}

void Command::sayCountByBureau(const GivenOptions& round, const QsoRecords& printed) {
    if (isBureauRun(round)) {
        writeLine(err_, BureauRun::countByBureau(printed, *bureauOrder()).toUtf8());
    }
}

bool Command::readLog(const QString& path, QsoLog& log, bool fingerprinted) {
    PrintListSink sink(log, err_);
    QString error;
    LogFingerprint fingerprint;
    if (!AdifReader::readFile(path, sink, &error, fingerprinted ? &fingerprint : nullptr)) {
        std::fflush(out_);
        fail(kUnreadable, error);
        return false;
    }
    log.setFingerprint(fingerprint);
    return true;
}

bool Command::readPrintList(const QString& path, const GivenOptions& round, QsoLog& log,
                            RowList& printList, int* failure) {
    if (!readLog(path, log, round.has(QStringLiteral("mark-sent")))) {
        *failure = kUnreadable;
        return false;
    }
    if (log.count() == 0) {
        *failure = fail(kUnreadable, Text::tr("Aucun QSO dans le fichier %1").arg(path));
        return false;
    }
    const QsoRecords records = QslRound::recordsOf(log, roundFilter(round));
    if (records.empty()) {
        *failure = fail(kUnreadable, Text::tr("Aucun QSO à imprimer dans le fichier %1").arg(path));
        return false;
    }
    const QslRound::Order order = printOrder(round);
    QslRound::arrange(printList, order, records,
                      order == QslRound::Order::Bureau ? bureauOrder() : nullptr);
    // Printed all the same, as the QSOs whose values the reader replaced.
    for (const QString& wish : PrintDoubts::of(records, false)) {
        writeLine(err_, wish.toUtf8());
    }
    return true;
}

RunFiles Command::runFiles(const QStringList& read) {
    RunFiles files(SettingsStore::userFileName());
    for (const QString& path : read) {
        files.addRead(path);
    }
    return files;
}

QString Command::outputsProblem(const GivenOptions& given, const GivenOptions& round,
                                RunFiles files) {
    if (given.has(QStringLiteral("pdf"))) {
        if (QString problem = files.pdfProblem(given.value(QStringLiteral("pdf")));
            !problem.isEmpty()) {
            return problem;
        }
    }
    const QString copy = round.value(QStringLiteral("mark-sent"));
    const QString problem = copy.isEmpty() ? QString() : files.copyProblem(copy);
    return problem.isEmpty() ? problem : Text::tr("--mark-sent : %1").arg(problem);
}

int Command::outputCount(const GivenOptions& given) {
    int count = 0;
    for (const CommandOption& output : outputOptions(true)) {
        count += given.has(output.name) ? 1 : 0;
    }
    return count;
}

QString Command::choosePrinter(const GivenOptions& given, QPrinter& printer) {
    if (given.has(QStringLiteral("pdf"))) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(given.value(QStringLiteral("pdf")));
        return {};
    }
    const QString queue = given.value(QStringLiteral("printer"));
    printer.setPrinterName(queue);
    return queue;
}

void Command::applySendingMethod(const GivenOptions& round, PrintJob& job) {
    if (round.has(QStringLiteral("sent-via"))) {
        job.setSendingMethod(round.value(QStringLiteral("sent-via")));
        return;
    }
    job.setSendingMethod(QslQueue::sendingMethod(roundFilter(round).route, job.sendingMethod()));
}

int Command::markSent(const GivenOptions& round, const QString& logName, const QsoLog& log,
                      const PrintJob& job) {
    const QString copy = round.value(QStringLiteral("mark-sent"));
    if (copy.isEmpty()) {
        return kOk;
    }
    // From here a signal no longer stops a run that wrote nothing.
    PendingFiles::setInterruptedText(
        Text::tr("Impression interrompue : l'impression est faite, la copie marquée %1 "
                 "n'est pas écrite.")
            .arg(NativeFileName::display(copy))
            .toUtf8(),
        Text::tr("Impression interrompue : l'impression est faite, la copie marquée %1 "
                 "est écrite.")
            .arg(NativeFileName::display(copy))
            .toUtf8());
    QString error;
    const SentMarker::Result result =
        job.writeMarkedCopy(reachable(logName), log.fingerprint(), copy, job.records(), &error);
    if (result == SentMarker::Result::Written) {
        return kOk;
    }
    return fail(result == SentMarker::Result::LogUnreadable ? kUnreadable : kPrintFailed, error);
}
