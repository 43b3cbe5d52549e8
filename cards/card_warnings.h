#pragma once

#include <QPointF>
#include <QStringList>
#include <vector>

#include "cards/card_layout.h"
#include "cards/card_run_options.h"
#include "cards/qsl_template.h"
#include "log/qso_record.h"

// What an operator is told before cards are printed (nothing is refused): the
// lines that run past the card's edge, the table or thanks past it, texts in
// the bureaus' strip when the template keeps it free, a card larger than A6.
class CardWarnings {
  public:
    CardWarnings(const QslTemplate& model, const CardLayout& layout,
                 const std::vector<QsoRecords>& cards, CardValues::Thanks thanks);

    // The lines (1 to 10) whose text runs past the card's edge for some card.
    const std::vector<int>& linesPastEdge() const { return linesPastEdge_; }
    // The other warnings, in French, one per message.
    const QStringList& others() const { return others_; }

  private:
    struct Extent {
        double right = 0;
        double bottom = 0;
    };
    static Extent measure(const CardLayout& layout, QPointF at, float size, bool bold,
                          const QString& text);

    std::vector<int> linesPastEdge_;
    QStringList others_;
};
