#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "cards/card_layout.h"
#include "cards/qsl_template.h"
#include "log/qso_record.h"

class PrintSurface;

// Prints one QSL card per row of a print list from a layout: each card is a
// print job of its own.
class CardPrintRun {
  public:
    CardPrintRun(const QslTemplate& model, const CardLayout& layout, PrintSurface& surface);

    // Told the number of cards printed after each one; false stops the run there.
    using CardDone = std::function<bool(int cardsDone)>;
    void setCardDone(CardDone cardDone) { cardDone_ = std::move(cardDone); }

    // True when every card went out or the operator stopped the run (stopped()
    // tells which); otherwise error() tells why, in French.
    bool run(const QsoRecords& printList);
    bool stopped() const { return stopped_; }
    QString error() const { return error_; }

    // The lines (1 to 10) whose text runs past the card's edge for some row
    // of the list, with the card's texts, sizes and positions.
    static std::vector<int> linesPastEdge(const QslTemplate& model, const CardLayout& layout,
                                          const QsoRecords& printList);

    // The .qsl check of the card print window: the name must end in "qsl".
    static bool hasQslExtension(const QString& fileName) {
        return fileName.endsWith(QStringLiteral("qsl"));
    }

  private:
    struct CardText {
        int line;
        QString text;
    };
    // What one card prints, line by line; joined lines print on the first one.
    static std::vector<CardText> cardTexts(const QslTemplate& model, const CardLayout& layout,
                                           const QsoRecord& record);
    bool printCard(const QsoRecord& record);
    bool print(int line, const QString& text);

    const QslTemplate& model_;
    const CardLayout& layout_;
    PrintSurface& surface_;
    CardDone cardDone_;
    bool stopped_ = false;
    QString error_;
};
