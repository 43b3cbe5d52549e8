#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "labels/label_print_run.h"
#include "labels/label_sheet.h"
#include "mail/envelope_format.h"
#include "mail/mailing_list.h"
#include "mail/sender_settings.h"
#include "printing/print_job.h"

class AddressBook;

// One run of direct mail as the command line and the windows ask for it: the
// QSOs (filtered and ordered), their addresses found in the address book and
// the log, then either address labels on a sheet or envelopes of one size,
// and the target. Labels and envelopes are placed from the paper's edge, with
// the printer's calibration.
class AddressJob : public PrintJob {
  public:
    // The sending method marked after a run of direct mail.
    static QString defaultSendingMethod() { return QStringLiteral("D"); }

    AddressJob(SettingsStore& store, QsoRecords records);

    void useSheet(const LabelSheet& sheet);
    void useEnvelope(const EnvelopeFormat& format);
    // The sender's address and shifts; its return-address labels on a sheet.
    void setSender(const SenderSettings& sender) { sender_ = sender; }

    // The address of each recipient of the QSOs: the book's, else the one the
    // log `logPath` gives. False, with a French message, when the log cannot
    // be read again.
    bool findAddresses(const AddressBook& book, const QString& logPath);
    const MailingList& mailingList() const { return list_; }
    // The recipients whose address did not fit its label or envelope, after a run.
    const QStringList& unfit() const { return unfit_; }
    // The sheets or envelopes the run fills.
    int pageCount() const;
    bool onEnvelopes() const { return envelope_ != nullptr; }

    // The printer's page: the sheet's paper, or the envelope in landscape.
    void preparePage(QPrinter& printer) const;

    Result print(QPrinter& printer, const QString& askedQueue = QString());
    Result dump(std::FILE* out);
    // Into a print preview with the labels' or the envelope's outline.
    Result preview(QPrinter& printer);

  private:
    Result run(PrintSurface& surface, bool attended, QString* error);
    template <typename Run>
    Result runPieces(Run& run, QString* error);
    MailProgress progress(bool attended);

    QString settingsFolder_;  // where the country file is looked for first
    std::optional<LabelSheet> sheet_;
    const EnvelopeFormat* envelope_ = nullptr;
    SenderSettings sender_;
    MailingList list_;
    QStringList unfit_;
    QMarginsF unprintable_ = LabelPrintRun::unknownUnprintable();
    int sent_ = 0;
};
