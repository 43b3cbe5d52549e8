#include "mail/address_label_run.h"

#include "labels/label_fitting.h"
#include "labels/label_print_run.h"
#include "labels/label_sheet.h"
#include "mail/address_block.h"
#include "printing/print_surface.h"

namespace {

double blockWidth(const QStringList& lines, float size) {
    double widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, AddressBlock::widthMillimetres(line, size));
    }
    return widest;
}

}  // namespace

AddressLabelRun::AddressLabelRun(const LabelSheet& sheet, PrintSurface& surface)
    : sheet_(sheet), surface_(surface), unprintable_(LabelPrintRun::unknownUnprintable()) {}

void AddressLabelRun::setReturnAddress(const QStringList& lines, int copies) {
    returnAddress_ = lines;
    returnCopies_ = lines.isEmpty() ? 0 : copies;
}

bool AddressLabelRun::printLabel(const QStringList& lines, int index, bool* fits) {
    const QRectF inside = LabelPrintRun::textArea(sheet_, index, unprintable_);
    const AddressBlock::Fitted block = AddressBlock::fit(lines, inside.size(), kLargestSize);
    *fits = block.fits;
    if (!block.fits) {
        return true;
    }
    const double advance = LabelFitting::lineAdvanceMillimetres(block.size);
    const double x = inside.left() + (inside.width() - blockWidth(block.lines, block.size)) / 2;
    double y = inside.top() + (inside.height() - advance * block.lines.size()) / 2;
    surface_.setFontName(AddressBlock::faceName());
    surface_.setFontSize(block.size);
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        surface_.setBold(i == 0);
        surface_.setPosition(x, y);
        if (!surface_.printLine(block.lines[i])) {
            error_ = surface_.error();
            return false;
        }
        y += advance;
    }
    surface_.setBold(false);
    return true;
}

AddressLabelRun::Outcome AddressLabelRun::endSheet() {
    if (!surface_.endJob()) {
        error_ = surface_.error();
        return Outcome::Failed;
    }
    ++sheetsDone_;
    return !sheetDone_ || sheetDone_(sheetsDone_) ? Outcome::Completed : Outcome::Stopped;
}

AddressLabelRun::Outcome AddressLabelRun::run(const std::vector<MailPiece>& pieces) {
    std::vector<const QStringList*> labels;
    for (const MailPiece& piece : pieces) {
        labels.push_back(&piece.lines);
    }
    for (int copy = 0; copy < returnCopies_; ++copy) {
        labels.push_back(&returnAddress_);
    }
    const int perSheet = sheet_.labelsPerSheet();
    int onSheet = 0;
    for (size_t i = 0; i < labels.size(); ++i) {
        bool fits = true;
        if (!printLabel(*labels[i], onSheet, &fits)) {
            return Outcome::Failed;
        }
        if (!fits) {
            unfit_.append(i < pieces.size() ? pieces[i].call : labels[i]->value(0));
            continue;
        }
        if (++onSheet == perSheet) {
            onSheet = 0;
            if (const Outcome outcome = endSheet(); outcome != Outcome::Completed) {
                return outcome;
            }
        }
    }
    return onSheet > 0 ? endSheet() : Outcome::Completed;
}
