#include "mail/address_job.h"

#include <QCoreApplication>
#include <QFileInfo>
#include "labels/label_job.h"

#include <QPrinter>
#include <QSet>

#include "log/country_file.h"
#include "mail/address_label_run.h"
#include "mail/address_source.h"
#include "mail/envelope_run.h"
#include "mail/log_addresses.h"
#include "printing/dump_surface.h"
#include "printing/printer_job.h"
#include "settings/settings_store.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddressJob)
};

}  // namespace

AddressJob::AddressJob(SettingsStore& store, QsoRecords records)
    : PrintJob(store, std::move(records), defaultSendingMethod()),
      settingsFolder_(QFileInfo(store.fileName()).absolutePath()) {}

void AddressJob::useSheet(const LabelSheet& sheet) {
    sheet_ = sheet;
    envelope_ = nullptr;
}

void AddressJob::useEnvelope(const EnvelopeFormat& format) {
    envelope_ = &format;
    sheet_.reset();
}

bool AddressJob::findAddresses(const AddressBook& book, const QString& logPath) {
    CountryFile countries;
    QString unread;  // the bureau order tells of a country file it cannot read
    const bool loaded = countries.loadFirst(CountryFile::searchPaths(settingsFolder_), &unread);
    AddressSource source(book, loaded ? &countries : nullptr);
    QSet<QString> stations;
    for (const QsoRecord* qso : records()) {
        const AddressSource::Recipient recipient = source.recipientFor(*qso);
        if (!recipient.manager && !recipient.call.isEmpty()) {
            stations.insert(recipient.call);
        }
    }
    if (!LogAddresses::offer(logPath, records(), stations, source, &error_)) {
        return false;
    }
    list_ = MailingList::of(records(), source);
    return true;
}

int AddressJob::pageCount() const {
    const int pieces = static_cast<int>(list_.pieces.size());
    if (envelope_ != nullptr || !sheet_) {
        return pieces;
    }
    const int copies = sender_.address.isEmpty() ? 0 : sender_.returnLabels;
    const int perSheet = std::max(1, sheet_->labelsPerSheet());
    return (pieces + copies + perSheet - 1) / perSheet;
}

MailProgress AddressJob::progress(bool attended) {
    sent_ = 0;
    return [this, attended](int done) {
        sent_ = done;
        return !attended || listener().advanced(done);
    };
}

template <typename Run>
PrintJob::Result AddressJob::runPieces(Run& run, QString* error) {
    const typename Run::Outcome outcome = run.run(list_.pieces);
    unfit_ = run.unfit();
    if (outcome == Run::Outcome::Failed) {
        *error = run.error();
        return Result::Failed;
    }
    return outcome == Run::Outcome::Stopped ? Result::Stopped : Result::Done;
}

PrintJob::Result AddressJob::run(PrintSurface& surface, bool attended, QString* error) {
    if (attended) {
        listener().started(envelope_ != nullptr
                               ? Text::tr("Impression des enveloppes : enveloppes imprimées")
                               : Text::tr("Impression des adresses : feuilles imprimées"),
                           pageCount());
    }
    Result result = Result::Failed;
    if (envelope_ != nullptr) {
        EnvelopeRun envelopes(*envelope_, surface);
        envelopes.setShifts(sender_.recipientShift, sender_.senderShift);
        envelopes.setSender(sender_.address);
        envelopes.setEnvelopeDone(progress(attended));
        result = runPieces(envelopes, error);
    } else {
        AddressLabelRun labels(*sheet_, surface);
        labels.setUnprintable(unprintable_);
        labels.setReturnAddress(sender_.address, sender_.returnLabels);
        labels.setSheetDone(progress(attended));
        result = runPieces(labels, error);
    }
    if (attended) {
        listener().finished();
    }
    return result;
}

void AddressJob::preparePage(QPrinter& printer) const {
    if (envelope_ != nullptr) {
        PrinterJob::setPage(printer, envelope_->pageSize(), QPageLayout::Landscape);
    } else {
        PrinterJob::setPage(printer, sheet_->pageSize());
    }
}

PrintJob::Result AddressJob::print(QPrinter& printer, const QString& askedQueue) {
    preparePage(printer);
    unprintable_ = LabelJob::unprintableOf(printer);
    notice_.clear();
    const Result result = PrinterJob::print(
        printer, PrintPlacement(QPointF(), true, offsetFor(printer)), askedQueue,
        [this](PrintSurface& surface, QString* error) { return run(surface, true, error); },
        &error_, inputs());
    if (result == Result::Stopped) {
        const bool envelopes = envelope_ != nullptr;
        tellStopped(printer, sent_,
                    envelopes ? Text::tr("enveloppe envoyée") : Text::tr("feuille envoyée"),
                    envelopes ? Text::tr("enveloppes envoyées") : Text::tr("feuilles envoyées"));
    }
    return result;
}

PrintJob::Result AddressJob::dump(std::FILE* out) {
    DumpSurface surface(out);
    return run(surface, false, &error_);
}

PrintJob::Result AddressJob::preview(QPrinter& printer) {
    preparePage(printer);
    unprintable_ = LabelJob::unprintableOf(printer);
    const std::vector<QRectF> outlines =
        envelope_ != nullptr ? std::vector<QRectF>{QRectF(QPointF(), envelope_->size())}
                             : sheet_->labels();
    return PrinterJob::preview(
        printer, PrintPlacement(QPointF(), true, QPointF()), outlines,
        [this](PrintSurface& surface, QString* error) { return run(surface, false, error); },
        &error_);
}
