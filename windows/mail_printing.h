#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "labels/label_sheet.h"
#include "mail/sender_settings.h"
#include "printing/printer_job.h"

class AddressJob;
class QsoRecord;
class Workspace;
struct EnvelopeFormat;

// What a run of direct mail starts from the windows: the address job on the
// print list (or on the QSOs a card run printed), with the printer dialog
// before it, and after it the recipients without an address in one message
// that offers the address book.
class MailPrinting {
  public:
    // Where the addresses go: a label sheet, or envelopes of one size.
    struct Target {
        std::optional<LabelSheet> sheet;
        const EnvelopeFormat* envelope = nullptr;
        SenderSettings sender;
    };
    // Called with the recipients to add to the address book.
    using BookRequest = std::function<void(const QStringList& calls)>;

    MailPrinting(Workspace& workspace, BookRequest openBook)
        : workspace_(workspace), openBook_(std::move(openBook)) {}

    // Prints after the printer dialog; no result when nothing ran.
    std::optional<PrinterJob::Result> print(const Target& target);
    // Shows exactly what print() would print; the preview's print button calls `print`.
    void preview(const Target& target, const std::function<void()>& print);

    // "Pas d'adresse pour : …", then the address book when the operator asks.
    void tellMissing(const QStringList& missing);

  private:
    // The job with its addresses, or none (told) when no QSO has one.
    std::unique_ptr<AddressJob> job(const Target& target);

    Workspace& workspace_;
    BookRequest openBook_;
};
