#pragma once

#include <QStringList>
#include <cstdio>
#include <utility>
#include <vector>

// The headless commands: list, labels and cards. Rows and printed output go
// to `out`, the reader's messages and errors to `err`, one per line.
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
    bool readLog(const QString& path, class QsoLog& log, class RowList& printList, int* failure);
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
