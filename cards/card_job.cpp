#include "cards/card_job.h"

#include <QCoreApplication>
#include <QPrinter>

#include "cards/card_groups.h"
#include "cards/card_picture.h"
#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/card_sheet.h"
#include "cards/card_warnings.h"
#include "printing/dump_surface.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardJob)
};

}  // namespace

CardJob::CardJob(SettingsStore& store, const QslTemplate& model, QsoRecords records,
                 const CardRunOptions& options)
    : PrintJob(store, std::move(records), defaultSendingMethod()),
      model_(model),
      options_(options),
      layout_(CardLayout::from(model_, &error_)) {
    prepare();
}

CardJob::~CardJob() = default;

void CardJob::prepare() {
    if (!layout_) {
        return;
    }
    const CardDesignLayout& design = layout_->design;
    if (options_.group && !design.hasTable()) {
        warnings_.append(QCoreApplication::translate(
            "CardJob", "Le modèle n'a pas de tableau des QSO : une carte par QSO."));
    }
    cards_ = CardGroups::cards(records(), options_.group ? design.rows : 0);
    if (options_.perPage != 1) {
        std::optional<CardSheet> sheet =
            CardSheet::make(design.size, options_.perPage, options_.paper, &error_);
        if (!sheet) {
            layout_.reset();
            return;
        }
        sheet_ = std::make_unique<CardSheet>(*sheet);
    }
    if (design.printPicture) {
        picture_ = std::make_unique<CardPicture>();
        QString problem;
        if (!picture_->load(design.picture, options_.templateFolder, &problem)) {
            warnings_.append(problem);
        }
    }
}

std::vector<int> CardJob::linesPastEdge() const {
    return layout_ ? CardWarnings(model_, *layout_, cards_, options_.thanks).linesPastEdge()
                   : std::vector<int>();
}

QStringList CardJob::warnings() const {
    QStringList all = warnings_;
    if (layout_) {
        all += CardWarnings(model_, *layout_, cards_, options_.thanks).others();
    }
    return all;
}

void CardJob::preparePaper(QPrinter& printer) const {
    if (layout_) {
        CardPrinting::prepareCardPaper(printer, layout_->design.size, sheet_.get());
    }
}

PrintJob::Result CardJob::print(QPrinter& printer, const QString& askedQueue) {
    notice_.clear();
    if (!layout_) {
        return Result::Failed;
    }
    listener().started(Text::tr("Impression des cartes : cartes imprimées"),
                       static_cast<int>(cards_.size()));
    int sent = 0;
    const CardPrinting::Run run{model_,         *layout_,           cards_,  options_, sheet_.get(),
                                picture_.get(), offsetFor(printer), inputs()};
    const Result result =
        CardPrinting::print(run, printer, askedQueue, &error_, [this, &sent](int cards) {
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
    run.setThanks(options_.thanks);
    run.setSheet(sheet_.get(), options_.firstCard - 1);
    run.setPicture(picture_.get());
    if (!run.run(cards_)) {
        error_ = run.error();
        return Result::Failed;
    }
    return run.stopped() ? Result::Stopped : Result::Done;
}

PrintJob::Result CardJob::preview(QPrinter& printer) {
    if (!layout_) {
        return Result::Failed;
    }
    const CardPrinting::Run run{model_,       *layout_,       cards_,    options_,
                                sheet_.get(), picture_.get(), QPointF(), {}};
    return CardPrinting::preview(run, printer, &error_);
}
