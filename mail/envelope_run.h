#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "mail/address_block.h"
#include "mail/envelope_format.h"
#include "mail/mail_piece.h"

class PrintSurface;

// Prints one envelope per address, each a print job of its own: the
// recipient's block in the lower right part, the sender's address (when
// given) top left in a smaller size. Lines are shrunk down to 8 points to fit
// their block, never broken nor cut: an address that does not fit is listed
// and its envelope left out.
class EnvelopeRun {
  public:
    EnvelopeRun(const EnvelopeFormat& format, PrintSurface& surface);

    // Millimetres the operator moved each block by.
    void setShifts(QPointF recipient, QPointF sender);
    void setSender(const QStringList& lines) { sender_ = lines; }
    void setEnvelopeDone(MailProgress done) { done_ = std::move(done); }

    enum class Outcome { Completed, Stopped, Failed };
    Outcome run(const std::vector<MailPiece>& pieces);

    const QStringList& unfit() const { return unfit_; }
    QString error() const { return error_; }

  private:
    QString senderUnfitText(const QRectF& paper) const;
    bool printBlock(const AddressBlock::Fitted& fitted, QPointF topLeft);

    const EnvelopeFormat& format_;
    PrintSurface& surface_;
    QPointF recipientShift_;
    QPointF senderShift_;
    QStringList sender_;
    MailProgress done_;
    QStringList unfit_;
    QString error_;
};
