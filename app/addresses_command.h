#pragma once

#include <optional>

#include "app/command.h"
#include "labels/label_sheet.h"
#include "mail/envelope_format.h"
#include "mail/sender_settings.h"

class AddressJob;
class UsageText;

// "addresses LOG.adi": the direct mail of the QSOs of a log, one address per
// recipient in print-list order, on address labels of a sheet (--sheet) or on
// envelopes (--envelope); --pdf, --printer or --dump.
class AddressesCommand : public Command {
  public:
    using Command::Command;

    int run(const QStringList& arguments) override;

    static CommandOptions options();
    static QString synopsis();
    static void describe(UsageText& usage);

  private:
    struct Request {
        GivenOptions round;
        GivenOptions given;
        QStringList positional;
        std::optional<LabelSheet> sheet;
        const EnvelopeFormat* envelope = nullptr;
        SenderSettings sender;
    };

    static QString takeApart(Request& request);
    // The sheet or envelope, the return-address labels; a French problem.
    QString chooseTarget(Request& request);
    static QString chooseReturnLabels(Request& request);
    // The addresses of the QSOs, book and log; an exit code other than kOk when none.
    int findAddresses(const QString& logName, AddressJob& job);
    int runJob(const Request& request, AddressJob& job);
    void tellLeftOut(const AddressJob& job, bool dump);
};
