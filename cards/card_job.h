#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "cards/card_layout.h"
#include "cards/card_run_options.h"
#include "cards/qsl_template.h"
#include "printing/print_job.h"

class CardPicture;
class CardSheet;

// One card run as the command line and the windows ask for it: the QSOs
// (filtered and ordered), the layout template (read and checked with
// CardPrinting::readTemplate), how the cards are laid out, and the target.
// The job sets the printer's calibration, prints the cards, tells its
// listener how far it has gone, and keeps the outcome.
class CardJob : public PrintJob {
  public:
    // The sending method marked after a card run: direct.
    static QString defaultSendingMethod() { return QStringLiteral("D"); }

    CardJob(SettingsStore& store, const QslTemplate& model, QsoRecords records,
            const CardRunOptions& options = CardRunOptions());
    ~CardJob() override;

    // The QSOs of each card.
    const std::vector<QsoRecords>& cards() const { return cards_; }
    // The lines (1 to 10) whose text runs past the card's edge for some card.
    std::vector<int> linesPastEdge() const;
    // What else the operator is told before printing, in French: the table or
    // thanks past the edge, texts in the bureaus' strip, a card larger than A6,
    // a grouped run without a table, a picture that cannot be read.
    QStringList warnings() const;

    // Sets the printer's page for these cards: one card, or the sheet's paper.
    void preparePaper(QPrinter& printer) const;

    // On `printer` (a CUPS queue or a PDF file); `askedQueue`, when given, is
    // the queue that must be the one printed on.
    Result print(QPrinter& printer, const QString& askedQueue = QString());
    // What would be printed, as text on `out`.
    Result dump(std::FILE* out);
    // Into a print preview, with the card's outline.
    Result preview(QPrinter& printer);

  private:
    void prepare();

    QslTemplate model_;
    CardRunOptions options_;
    std::optional<CardLayout> layout_;
    std::vector<QsoRecords> cards_;
    std::unique_ptr<CardSheet> sheet_;
    std::unique_ptr<CardPicture> picture_;
    QStringList warnings_;
};
