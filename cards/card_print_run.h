#pragma once

#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

#include "cards/card_layout.h"
#include "cards/card_values.h"
#include "cards/qsl_template.h"
#include "log/qso_record.h"

class CardPicture;
class CardSheet;
class PrintSurface;

// Prints QSL cards from a layout: one QSO per card, or the QSOs of one
// station in the card's table. Alone, each card is a print job of its own,
// placed from the printable area; on a sheet, 2 or 4 cards share a page,
// placed from the paper's edge, with crop marks.
class CardPrintRun {
  public:
    CardPrintRun(const QslTemplate& model, const CardLayout& layout, PrintSurface& surface);

    // Told the number of cards printed after each one; false stops the run there.
    using CardDone = std::function<bool(int cardsDone)>;
    void setCardDone(CardDone cardDone) { cardDone_ = std::move(cardDone); }
    void setThanks(CardValues::Thanks thanks) { thanks_ = thanks; }
    // Several cards per page, the first at `firstSlot` (0 for the first place) of the first page.
    void setSheet(const CardSheet* sheet, int firstSlot);
    // The picture under the text, when the template prints one.
    void setPicture(const CardPicture* picture) { picture_ = picture; }

    // True when every card went out or the operator stopped the run (stopped()
    // tells which); otherwise error() tells why, in French.
    bool run(const QsoRecords& printList);
    bool run(const std::vector<QsoRecords>& cards);
    bool stopped() const { return stopped_; }
    QString error() const { return error_; }

    // One text of a card, placed from the printable area of a card alone.
    struct Piece {
        enum Kind { Line, Thanks, Heading, Row };
        Kind kind = Line;
        int number = 1;  // the line (1 to 10), or the table row (1 for the first QSO)
        QPointF at;
        float size = 10;
        bool bold = false;
        QString text;
    };
    // What one card prints; joined lines print on the first one.
    static std::vector<Piece> pieces(const QslTemplate& model, const CardLayout& layout,
                                     const QsoRecords& qsos, CardValues::Thanks thanks);

    // The .qsl check of the card print window: the name must end in "qsl".
    static bool hasQslExtension(const QString& fileName) {
        return fileName.endsWith(QStringLiteral("qsl"));
    }

  private:
    bool printCard(const QsoRecords& qsos, QPointF shift);
    bool printPicture(QPointF shift);
    bool printCropMarks();
    bool endPage();
    bool print(const Piece& piece, QPointF shift);
    bool failed();

    const QslTemplate& model_;
    const CardLayout& layout_;
    PrintSurface& surface_;
    CardDone cardDone_;
    CardValues::Thanks thanks_ = CardValues::Thanks::ByCard;
    const CardSheet* sheet_ = nullptr;
    int firstSlot_ = 0;
    const CardPicture* picture_ = nullptr;
    bool stopped_ = false;
    QString error_;
};
