#include "windows/mail_printing.h"

#include <QCoreApplication>
#include <QPrinter>

#include "mail/address_book.h"
#include "mail/address_job.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "windows/dialogs_job_listener.h"
#include "windows/print_target.h"
#include "windows/workspace.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MailPrinting)
};

}  // namespace

std::unique_ptr<AddressJob> MailPrinting::job(const Target& target) {
    Dialogs& dialogs = workspace_.dialogs();
    auto job = std::make_unique<AddressJob>(workspace_.store(), workspace_.printList().records());
    if (target.envelope != nullptr) {
        job->useEnvelope(*target.envelope);
    } else {
        job->useSheet(*target.sheet);
    }
    job->setSender(target.sender);
    job->setInputs(workspace_.runFiles().files());
    AddressBook book;
    QString error;
    if (!book.load(AddressBook::pathBeside(workspace_.store().fileName()), &error) ||
        !job->findAddresses(book, workspace_.logFileName())) {
        dialogs.message(error.isEmpty() ? job->error() : error);
        return nullptr;
    }
    if (const QStringList& calls = job->mailingList().withoutStation; !calls.isEmpty()) {
        dialogs.message(MailingList::withoutStationText(calls));
    }
    if (job->mailingList().pieces.empty()) {
        tellMissing(job->mailingList().missing);
        dialogs.message(Text::tr("Aucune adresse pour les QSO choisis"));
        return nullptr;
    }
    return job;
}

void MailPrinting::tellMissing(const QStringList& missing) {
    if (missing.isEmpty()) {
        return;
    }
    if (workspace_.dialogs().askYesNo(
            Text::tr("Pas d'adresse pour : %1\n\nLes ajouter au carnet d'adresses ?")
                .arg(missing.join(QStringLiteral(", "))))) {
        openBook_(missing);
    }
}

std::optional<PrinterJob::Result> MailPrinting::print(const Target& target) {
    const std::unique_ptr<AddressJob> mail = job(target);
    if (mail == nullptr) {
        return std::nullopt;
    }
    QPrinter& printer = workspace_.printer();
    mail->preparePage(printer);
    if (!PrintTarget::choose(
            workspace_.dialogs(), printer, workspace_.logFileName(),
            mail->onEnvelopes() ? QStringLiteral("enveloppes") : QStringLiteral("adresses"))) {
        return std::nullopt;
    }
    DialogsJobListener listener(workspace_.dialogs());
    mail->setListener(listener);
    const PrinterJob::Result result = mail->print(printer);
    Dialogs& dialogs = workspace_.dialogs();
    if (!mail->notice().isEmpty()) {
        dialogs.message(mail->notice());
    }
    if (result == PrinterJob::Result::Failed) {
        dialogs.message(mail->error());
        return result;
    }
    if (!mail->unfit().isEmpty()) {
        dialogs.message(Text::tr("Adresse trop longue, non imprimée : %1")
                            .arg(mail->unfit().join(QStringLiteral(", "))));
    }
    tellMissing(mail->mailingList().missing);
    return result;
}

void MailPrinting::preview(const Target& target, const std::function<void()>& print) {
    // The preview may draw again for as long as it is shown.
    const std::shared_ptr<AddressJob> mail = job(target);
    if (mail == nullptr) {
        return;
    }
    Dialogs& dialogs = workspace_.dialogs();
    mail->preparePage(workspace_.printer());
    dialogs.showPrintPreview(
        workspace_.printer(),
        mail->onEnvelopes() ? Text::tr("Aperçu des enveloppes") : Text::tr("Aperçu des adresses"),
        [mail, &dialogs](QPrinter& printer) {
            if (mail->preview(printer) == PrinterJob::Result::Failed) {
                dialogs.message(mail->error());
            }
        },
        print);
}
