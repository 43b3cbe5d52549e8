#pragma once

#include <vector>

#include "app/command.h"
#include "selection/card_bundle.h"

class UsageText;

// "received LOG.adi --calls FILE|- --via B|D|M --out COPY.adi": the calls of a
// bundle of cards matched against the log, and a copy of the log in which the
// QSOs found are marked as received. The lines that match no QSO or several
// are listed on standard error and mark nothing.
class ReceivedCommand : public Command {
  public:
    using Command::Command;

    int run(const QStringList& arguments) override;

    static CommandOptions options();
    static QString synopsis();
    static void describe(UsageText& usage);

  private:
    // The bundle's text from the file named, or from standard input for "-".
    bool readBundle(const QString& name, QString* text);
    // Each line that marks nothing on standard error, then the counts.
    void tellLines(const std::vector<CardBundle::Line>& lines);
};
