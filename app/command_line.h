#pragma once

#include <QStringList>
#include <cstdio>

#include "app/command.h"

// The headless commands: list, labels and cards, each a class of its own, and
// --help and --version. Rows and printed output go to `out`, the reader's
// messages and errors to `err`, one per line.
class CommandLine : public Command {
  public:
    using Command::Command;

    // True when the arguments ask for a command rather than the windows.
    static bool isCommand(const QStringList& arguments);
    // `arguments` without the program name.
    int run(const QStringList& arguments) override;

    // Written from the commands' declarations.
    static QString usage();

  private:
    // Writes `text` on standard output: kOk, or kPrintFailed with a message.
    int show(const QByteArray& text);
};
