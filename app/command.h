#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "app/command_option.h"
#include "files/run_files.h"
#include "selection/qsl_round.h"

class BureauOrder;
class PrintJob;
class QPrinter;
class QsoLog;
class RowList;

// What the headless commands share: rows and printed output go to `out`, the
// reader's messages and errors to `err`, one per line; the QSL round's
// options; the outputs; the log read into a print list.
class Command {
  public:
    enum ExitCode { kOk = 0, kUnreadable = 1, kUsage = 2, kPrintFailed = 3 };

    Command(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
    virtual ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // `arguments` without the program's and the command's names.
    virtual int run(const QStringList& arguments) = 0;

    // The QSL round's options: --unsent, --owed, --route and --sort; a printing command also
    // takes --mark-sent and --sent-via.
    static CommandOptions roundOptions(bool printing);
    // --pdf, --printer and, with `dump`, --dump.
    static CommandOptions outputOptions(bool dump);
    // "(--pdf OUT.pdf | --printer QUEUE[ | --dump])".
    static QString outputSynopsis(bool dump);
    // What --dump writes, as the usage tells it.
    static QStringList dumpHelp();
    // "Usage: quenor-etiquettes SYNOPSIS", in the language chosen.
    static QString usageLine(const QString& synopsis);

  protected:
    void writeLine(std::FILE* stream, const QByteArray& line);
    // Flushes standard output; false, with a message, when it could not be written.
    bool outputWritten();
    int fail(int code, const QString& text);
    // A name Qt can open for an input file whose name is not UTF-8: the file,
    // opened here, as /proc/self/fd/N. Messages show the name given.
    QString reachable(const QString& path);

    // Why the round's values cannot be used, in French; empty when they can.
    static QString roundProblem(const GivenOptions& round);
    // Takes `declared` out of `arguments`: the round's options first, wherever
    // they stand, and their values checked; then the flags, then the pairs.
    static QString takeOptions(const CommandOptions& declared, QStringList& arguments,
                               GivenOptions& round, GivenOptions& given);
    // The queue and route of --unsent, --owed and --route.
    static QslRound::Filter roundFilter(const GivenOptions& round);
    // The order a print list takes: --sort bureau, else by call.
    static QslRound::Order printOrder(const GivenOptions& round);
    // Read once for the run; its problems said on `err`.
    std::shared_ptr<const BureauOrder> bureauOrder();
    // --route bureau or --sort bureau.
    static bool isBureauRun(const GivenOptions& round);
    // The print list's QSOs to print. A bureau run leaves out those the bureau
    // cannot deliver and names them on `err`, unless --keep-undeliverable; when
    // none is left, `failure` takes the exit code.
    QsoRecords recordsToPrint(const GivenOptions& round, const RowList& printList,
                              const QString& logName, int* failure);
    // After a bureau run: how many QSOs go to each bureau, on `err`.
    void sayCountByBureau(const GivenOptions& round, const QsoRecords& printed);
    // Reads the log, its messages on `err`, and keeps its QSOs.
    // With `fingerprinted`, the log keeps the fingerprint of the bytes read.
    bool readLog(const QString& path, QsoLog& log, bool fingerprinted = false);
    // Reads a log to print and puts the round's QSOs into `printList` in the
    // round's order; false, with the exit code in `failure`, when none.
    bool readPrintList(const QString& path, const GivenOptions& round, QsoLog& log,
                       RowList& printList, int* failure);

    // The files of a run that reads `read`: those and the settings file with
    // the files kept beside it.
    static RunFiles runFiles(const QStringList& read);
    // Why --pdf or --mark-sent may not be written (each checked against every
    // file of the run and the output before it), or an empty text.
    static QString outputsProblem(const GivenOptions& given, const GivenOptions& round,
                                  RunFiles files);
    static int outputCount(const GivenOptions& given);
    // Sends the output to the PDF file or the CUPS queue given; returns the queue's name.
    static QString choosePrinter(const GivenOptions& given, QPrinter& printer);

    // The job's sending method as --sent-via says, else as --route says, else its own.
    static void applySendingMethod(const GivenOptions& round, PrintJob& job);
    // After a run that printed every QSO: the copy of the log marked as sent.
    int markSent(const GivenOptions& round, const QString& logName, const QsoLog& log,
                 const PrintJob& job);

    std::FILE* out_;
    std::FILE* err_;

  private:
    std::shared_ptr<const BureauOrder> bureau_;
    std::vector<int> opened_;
    std::vector<std::pair<QString, QString>> shownAs_;  // reachable name, name for messages
};
