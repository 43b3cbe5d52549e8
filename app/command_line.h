#pragma once

#include <QStringList>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

// The headless commands: list, labels and cards. Rows and printed output go
// to `out`, the reader's messages and errors to `err`, one per line.
// The QSL round's options of list, labels and cards.
struct RoundOptions {
    bool unsent = false;  // --unsent: only QSOs whose QSL is still owed
    QString sort;         // --sort call|bureau; empty keeps today's order
    QString markSent;     // --mark-sent OUT.adi
    QString sentVia;      // --sent-via B|D|E|M
};

class CommandLine {
  public:
    enum ExitCode { kOk = 0, kUnreadable = 1, kUsage = 2, kPrintFailed = 3 };

    CommandLine(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // True when the arguments ask for a command rather than the windows.
    static bool isCommand(const QStringList& arguments);
    // `arguments` without the program name.
    int run(const QStringList& arguments);

    static QString usage();

  private:
    int list(const QStringList& arguments);
    int labels(const QStringList& arguments);
    int cards(const QStringList& arguments);
    bool readLog(const QString& path, class QsoLog& log, class RowList& printList, int* failure,
                 const RoundOptions& round = {});
    // Takes the round's options out of `arguments`; a French problem, or empty.
    static QString takeRoundOptions(QStringList& arguments, RoundOptions& round, bool printing);
    std::shared_ptr<const class BureauOrder> bureauOrder();
    int listSorted(const QString& path, const RoundOptions& round);
    // After a run that printed every QSO: the copy of the log marked as sent.
    int markSent(const RoundOptions& round, const QString& logName, const class QsoLog& log,
                 const class RowList& printed);
    void writeLine(std::FILE* stream, const QByteArray& line);
    // Flushes standard output; false, with a message, when it could not be written.
    bool outputWritten();
    int fail(int code, const QString& text);
    // A name Qt can open for an input file whose name is not UTF-8: the file,
    // opened here, as /proc/self/fd/N. Messages show the name given.
    QString reachable(const QString& path);

    std::FILE* out_;
    std::FILE* err_;
    std::vector<int> opened_;
    std::vector<std::pair<QString, QString>> shownAs_;  // reachable name, name for messages
};
