#include "mail/envelope_run.h"

#include "labels/label_fitting.h"
#include "mail/address_block.h"
#include "printing/print_surface.h"

EnvelopeRun::EnvelopeRun(const EnvelopeFormat& format, PrintSurface& surface)
    : format_(format), surface_(surface) {}

void EnvelopeRun::setShifts(QPointF recipient, QPointF sender) {
    recipientShift_ = recipient;
    senderShift_ = sender;
}

bool EnvelopeRun::printBlock(const QStringList& lines, const QRectF& block, float largest,
                             bool* fits) {
    const AddressBlock::Fitted fitted =
        AddressBlock::fit(lines, block.size(), largest, AddressBlock::Breaking::Never);
    *fits = fitted.fits;
    if (!fitted.fits) {
        return true;
    }
    double y = block.top();
    surface_.setFontSize(fitted.size);
    for (qsizetype i = 0; i < fitted.lines.size(); ++i) {
        surface_.setBold(i == 0);
        surface_.setPosition(block.left(), y);
        if (!surface_.printLine(fitted.lines[i])) {
            error_ = surface_.error();
            return false;
        }
        y += LabelFitting::lineAdvanceMillimetres(fitted.size);
    }
    surface_.setBold(false);
    return true;
}

EnvelopeRun::Outcome EnvelopeRun::run(const std::vector<MailPiece>& pieces) {
    if (!sender_.isEmpty() &&
        !AddressBlock::fit(sender_, format_.senderBlock(senderShift_).size(),
                           EnvelopeFormat::kSenderLargestSize, AddressBlock::Breaking::Never)
             .fits) {
        error_ = QStringLiteral(
            "L'adresse de l'expéditeur ne tient pas sur l'enveloppe : raccourcissez ses lignes.");
        return Outcome::Failed;
    }
    int done = 0;
    for (const MailPiece& piece : pieces) {
        bool fits = true;
        if (!AddressBlock::fit(piece.lines, format_.recipientBlock(recipientShift_).size(),
                               EnvelopeFormat::kRecipientLargestSize, AddressBlock::Breaking::Never)
                 .fits) {
            unfit_.append(piece.call);
            continue;
        }
        if (!sender_.isEmpty() && !printBlock(sender_, format_.senderBlock(senderShift_),
                                              EnvelopeFormat::kSenderLargestSize, &fits)) {
            return Outcome::Failed;
        }
        if (!printBlock(piece.lines, format_.recipientBlock(recipientShift_),
                        EnvelopeFormat::kRecipientLargestSize, &fits)) {
            return Outcome::Failed;
        }
        if (!surface_.endJob()) {
            error_ = surface_.error();
            return Outcome::Failed;
        }
        if (done_ && !done_(++done)) {
            return Outcome::Stopped;
        }
    }
    return Outcome::Completed;
}
