#pragma once

#include "app/command.h"

class UsageText;

// "list LOG.adi": every QSO list row of the log on standard output, one per
// line; with the round's options, only the owed QSOs and in the order asked.
class ListCommand : public Command {
  public:
    using Command::Command;

    int run(const QStringList& arguments) override;

    static QString synopsis();
    static void describe(UsageText& usage);

  private:
    // The QSOs in the order asked; in bureau order each row follows the
    // entity's primary prefix and a tab ("-" without entity).
    int listArranged(const QString& path, const GivenOptions& round);
    int listAsRead(const QString& path);
};
