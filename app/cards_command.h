#pragma once

#include "app/command.h"

class CardJob;
class UsageText;

// "cards LOG.adi TEMPLATE.qsl": one QSL card per QSO of the log, from a
// layout template (--pdf, --printer or --dump).
class CardsCommand : public Command {
  public:
    using Command::Command;

    int run(const QStringList& arguments) override;

    static CommandOptions options();
    static QString synopsis();
    static void describe(UsageText& usage);

  private:
    int runJob(const GivenOptions& round, const GivenOptions& given, const QString& logName,
               const QsoLog& log, CardJob& job);
};
