#include "mail/envelope_run.h"

#include <QCoreApplication>
#include <QLocale>

#include "labels/label_fitting.h"
#include "mail/address_block.h"
#include "printing/print_geometry.h"
#include "printing/print_surface.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EnvelopeRun)
};

}  // namespace

EnvelopeRun::EnvelopeRun(const EnvelopeFormat& format, PrintSurface& surface)
    : format_(format), surface_(surface) {}

void EnvelopeRun::setShifts(QPointF recipient, QPointF sender) {
    recipientShift_ = recipient;
    senderShift_ = sender;
}

bool EnvelopeRun::printBlock(const AddressBlock::Fitted& fitted, QPointF topLeft) {
    double y = topLeft.y();
    surface_.setFontName(AddressBlock::faceName());
    surface_.setFontSize(fitted.size);
    for (qsizetype i = 0; i < fitted.lines.size(); ++i) {
        surface_.setBold(i == 0);
        surface_.setPosition(topLeft.x(), y);
        if (!surface_.printLine(fitted.lines[i])) {
            error_ = surface_.error();
            return false;
        }
        y += LabelFitting::lineAdvanceMillimetres(fitted.size);
    }
    surface_.setBold(false);
    return true;
}

// A sender's block that would fit where it stands unshifted was pushed off
// the envelope by the operator's shift: the shift is what to change.
QString EnvelopeRun::senderUnfitText(const QRectF& paper) const {
    const QRectF unshifted = format_.senderBlock(QPointF()).intersected(paper);
    const bool fitsUnshifted =
        AddressBlock::fit(sender_, unshifted.size(), EnvelopeFormat::kSenderLargestSize,
                          AddressBlock::Breaking::Never)
            .fits;
    if (senderShift_.isNull() || !fitsUnshifted) {
        return Text::tr(
            "L'adresse de l'expéditeur ne tient pas sur l'enveloppe : raccourcissez ses lignes.");
    }
    return Text::tr(
               "L'adresse de l'expéditeur ne tient pas sur l'enveloppe %1 avec son décalage "
               "(« Décalage expéditeur » : %2 ; %3 mm), qui la pousse hors du papier ; sans "
               "décalage, elle tient : réduisez le décalage.")
        .arg(QString::fromLatin1(format_.name),
             QLocale(QLocale::French).toString(senderShift_.x(), 'f', 2),
             QLocale(QLocale::French).toString(senderShift_.y(), 'f', 2));
}

// Each block is fitted once: the sender's for the whole run, the recipient's
// for its envelope.
EnvelopeRun::Outcome EnvelopeRun::run(const std::vector<MailPiece>& pieces) {
    // A shifted block keeps to the envelope, within the printer's reach: it is
    // fitted to what is left of it there, never printed off the paper.
    const double reach = PrintGeometry::kUnknownUnprintableMillimetres;
    const QRectF paper = QRectF(QPointF(), format_.size()).adjusted(reach, reach, -reach, -reach);
    const QRectF senderBlock = format_.senderBlock(senderShift_).intersected(paper);
    const QRectF recipientBlock = format_.recipientBlock(recipientShift_).intersected(paper);
    const AddressBlock::Fitted sender =
        AddressBlock::fit(sender_, senderBlock.size(), EnvelopeFormat::kSenderLargestSize,
                          AddressBlock::Breaking::Never);
    if (!sender_.isEmpty() && !sender.fits) {
        error_ = senderUnfitText(paper);
        return Outcome::Failed;
    }
    int done = 0;
    for (const MailPiece& piece : pieces) {
        const AddressBlock::Fitted recipient =
            AddressBlock::fit(piece.lines, recipientBlock.size(),
                              EnvelopeFormat::kRecipientLargestSize, AddressBlock::Breaking::Never);
        if (!recipient.fits) {
            unfit_.append(piece.call);
            continue;
        }
        if ((!sender_.isEmpty() && !printBlock(sender, senderBlock.topLeft())) ||
            !printBlock(recipient, recipientBlock.topLeft())) {
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
