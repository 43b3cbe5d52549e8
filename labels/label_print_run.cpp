#include "labels/label_print_run.h"

#include "labels/label_composer.h"
#include "labels/sheet_profile.h"
#include "printing/print_surface.h"
#include "selection/row_list.h"

LabelPrintRun::LabelPrintRun(const LabelOptions& options, PrintSurface& surface,
                             NextSheetQuestion askNextSheet)
    : options_(options), surface_(surface), askNextSheet_(std::move(askNextSheet)) {}

bool LabelPrintRun::print(const QString& text, float size, bool bold) {
    surface_.setFontSize(size);
    surface_.setBold(bold);
    if (!surface_.printLine(text)) {
        error_ = surface_.error();
        return false;
    }
    return true;
}

LabelPrintRun::Outcome LabelPrintRun::run(const RowList& printList) {
    const SheetProfile* profile = SheetProfile::forFormat(options_.format);
    if (profile == nullptr) {
        error_ = QStringLiteral("Format d'étiquettes inconnu : %1").arg(options_.format);
        return Outcome::Failed;
    }
    savedFontName_ = surface_.fontName();
    savedFontSize_ = surface_.fontSize();
    surface_.setFontName(QStringLiteral("Courier New"));
    rowCounter_ = 0;
    sheetsDone_ = 0;

    const LabelComposer composer(options_, options_.format);
    const LabelLayout& layout = profile->layout(options_.type);
    const int rows = printList.count();
    for (int pair = 0; pair < rows; pair += 2) {
        const QString left = printList.row(pair);
        const QString right = pair + 1 < rows ? printList.row(pair + 1) : QString();
        const Step step = printPair(*profile, layout, composer, left, right);
        if (step == Step::Fail) {
            return finish(Outcome::Failed);
        }
        if (step == Step::Stop) {
            return finish(Outcome::StoppedByOperator);
        }
    }
    return finish(Outcome::Completed);
}

LabelPrintRun::Step LabelPrintRun::printPair(const SheetProfile& profile, const LabelLayout& layout,
                                             const LabelComposer& composer, const QString& left,
                                             const QString& right) {
    if (rowCounter_ == 0) {
        for (const float size : layout.headLines(options_.offset)) {
            if (!print(QString(), size, false)) {
                return Step::Fail;
            }
        }
    }
    for (const ProfileLine& entry : layout.body) {
        if (!print(composer.line(entry.line, layout.family, left, right), entry.size, entry.bold)) {
            return Step::Fail;
        }
    }
    surface_.setBold(false);
    ++rowCounter_;

    bool sheetJustEnded = false;
    if (options_.stopEachSheet && rowCounter_ == profile.rowsPerSheet) {
        if (!askNextSheet_ || !askNextSheet_(profile.prompt)) {
            return Step::Stop;
        }
        rowCounter_ = 0;
        sheetJustEnded = true;
        if (const Step step = endSheet(); step != Step::Continue) {
            return step;
        }
    }
    if (rowCounter_ == profile.rowsPerSheet) {
        rowCounter_ = 0;
        if (const Step step = endSheet(); step != Step::Continue) {
            return step;
        }
    } else if (!sheetJustEnded) {
        if (!print(QString(), layout.rowGap, false)) {
            return Step::Fail;
        }
    }
    return Step::Continue;
}

LabelPrintRun::Step LabelPrintRun::endSheet() {
    if (!surface_.endJob()) {
        error_ = surface_.error();
        return Step::Fail;
    }
    ++sheetsDone_;
    return !sheetDone_ || sheetDone_(sheetsDone_) ? Step::Continue : Step::Stop;
}

int LabelPrintRun::sheetCount(int format, int rows) {
    const SheetProfile* profile = SheetProfile::forFormat(format);
    if (profile == nullptr || profile->rowsPerSheet <= 0) {
        return 0;
    }
    const int printedRows = (rows + 1) / 2;
    return (printedRows + profile->rowsPerSheet - 1) / profile->rowsPerSheet;
}

LabelPrintRun::Outcome LabelPrintRun::finish(Outcome outcome) {
    if (outcome == Outcome::Failed) {
        surface_.discardJob();
    } else if (rowCounter_ == 0) {
        surface_.discardJob();
    } else if (!surface_.endJob()) {
        error_ = surface_.error();
        outcome = Outcome::Failed;
    }
    surface_.setFontName(savedFontName_);
    surface_.setFontSize(savedFontSize_);
    surface_.setBold(false);
    return outcome;
}

PrinterJob::Result LabelPrintRun::toJobResult(Outcome outcome, const QString& error,
                                              QString* message) {
    switch (outcome) {
        case Outcome::Completed:
            return PrinterJob::Result::Done;
        case Outcome::StoppedByOperator:
            return PrinterJob::Result::Stopped;
        case Outcome::Failed:
            break;
    }
    *message = error;
    return PrinterJob::Result::Failed;
}
