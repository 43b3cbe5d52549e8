#pragma once

#include <QString>
#include <cstdio>
#include <optional>
#include <vector>

#include "cards/card_layout.h"
#include "cards/qsl_template.h"
#include "printing/print_job.h"

// One card run as the command line and the windows ask for it: the QSOs
// (filtered and ordered), the layout template (read and checked with
// CardPrinting::readTemplate), and the target. The job sets the printer's
// calibration, prints one card per QSO, tells its listener how far it has
// gone, and keeps the outcome.
class CardJob : public PrintJob {
  public:
    // The sending method marked after a card run: direct.
    static QString defaultSendingMethod() { return QStringLiteral("D"); }

    CardJob(SettingsStore& store, const QslTemplate& model, QsoRecords records);

    // The lines (1 to 10) whose text runs past the card's edge for some QSO.
    std::vector<int> linesPastEdge() const;

    // On `printer` (a CUPS queue or a PDF file); `askedQueue`, when given, is
    // the queue that must be the one printed on.
    Result print(QPrinter& printer, const QString& askedQueue = QString());
    // What would be printed, as text on `out`.
    Result dump(std::FILE* out);
    // Into a print preview, with the card's outline.
    Result preview(QPrinter& printer);

  private:
    QslTemplate model_;
    std::optional<CardLayout> layout_;
};
