#pragma once

#include <QMarginsF>

#include <QString>
#include <QStringList>
#include <vector>

#include "mail/mail_piece.h"

class PrintSurface;
struct LabelSheet;

// Prints address labels on any sheet: one label per address, its lines set
// left-aligned in a block centred on the label, fitted from 12 down to 8
// points with lines broken at spaces, 1.5 mm clear of the label's edges, then
// the sender's own address on as many labels as asked. Each full sheet is a
// print job. An address that fits at no size is left out and listed.
class AddressLabelRun {
  public:
    static constexpr float kLargestSize = 12.0f;

    AddressLabelRun(const LabelSheet& sheet, PrintSurface& surface);

    void setReturnAddress(const QStringList& lines, int copies);
    void setSheetDone(MailProgress sheetDone) { sheetDone_ = std::move(sheetDone); }
    // Where the printer cannot reach from the paper's edge: no address is put
    // there (4 mm when the printer does not say, as for QSO labels).
    void setUnprintable(QMarginsF unprintable) { unprintable_ = unprintable; }

    enum class Outcome { Completed, Stopped, Failed };
    Outcome run(const std::vector<MailPiece>& pieces);

    // The calls whose address did not fit its label.
    const QStringList& unfit() const { return unfit_; }
    QString error() const { return error_; }

  private:
    bool printLabel(const QStringList& lines, int index, bool* fits);
    Outcome endSheet();

    const LabelSheet& sheet_;
    PrintSurface& surface_;
    QStringList returnAddress_;
    int returnCopies_ = 0;
    QMarginsF unprintable_;
    MailProgress sheetDone_;
    int sheetsDone_ = 0;
    QStringList unfit_;
    QString error_;
};
