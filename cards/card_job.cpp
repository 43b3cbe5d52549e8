#include "cards/card_job.h"

#include <QCoreApplication>
#include <QPrinter>

#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "printing/dump_surface.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardJob)
};

}  // namespace

CardJob::CardJob(SettingsStore& store, const QslTemplate& model, QsoRecords records)
    : PrintJob(store, std::move(records), defaultSendingMethod()),
      model_(model),
      layout_(CardLayout::from(model_, &error_)) {}

std::vector<int> CardJob::linesPastEdge() const {
    return layout_ ? CardPrintRun::linesPastEdge(model_, *layout_, records()) : std::vector<int>();
}

PrintJob::Result CardJob::print(QPrinter& printer, const QString& askedQueue) {
    notice_.clear();
    listener().started(Text::tr("Impression des cartes : cartes imprimées"),
                       static_cast<int>(records().size()));
    int sent = 0;
    const Result result =
        CardPrinting::print(model_, records(), printer, askedQueue, &error_, offsetFor(printer),
                            inputs(), [this, &sent](int cards) {
                                sent = cards;
                                return listener().advanced(cards);
                            });
    listener().finished();
    if (result == Result::Stopped) {
        tellStopped(printer, sent, Text::tr("carte envoyée"), Text::tr("cartes envoyées"));
    }
    return result;
}

PrintJob::Result CardJob::dump(std::FILE* out) {
    if (!layout_) {
        return Result::Failed;
    }
    DumpSurface surface(out);
    CardPrintRun run(model_, *layout_, surface);
    if (!run.run(records())) {
        error_ = run.error();
        return Result::Failed;
    }
    return run.stopped() ? Result::Stopped : Result::Done;
}

PrintJob::Result CardJob::preview(QPrinter& printer) {
    return CardPrinting::preview(model_, records(), printer, &error_);
}
