#include "labels/label_print_run.h"

#include "labels/label_composer.h"
#include "labels/label_fitting.h"
#include "labels/sheet_profile.h"
#include "labels/sheet_table.h"
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

LabelPrintRun::Outcome LabelPrintRun::run(const QsoRecords& printList) {
    const LabelSheet* sheet = sheet_ != nullptr ? sheet_ : SheetTable::tuned(options_.format);
    if (sheet == nullptr) {
        error_ = QStringLiteral("Format d'étiquettes inconnu : %1").arg(options_.format);
        return Outcome::Failed;
    }
    const QString unsound = sheet->problem();
    if (!unsound.isEmpty()) {
        error_ = QStringLiteral("Planche %1 : %2").arg(sheet->name, unsound);
        return Outcome::Failed;
    }
    savedFontName_ = surface_.fontName();
    savedFontSize_ = surface_.fontSize();
    surface_.setFontName(QStringLiteral("Courier New"));
    rowCounter_ = 0;
    sheetsDone_ = 0;
    notice_.clear();
    return sheet->isTuned() ? runTuned(*sheet, printList) : runFitted(*sheet, printList);
}

LabelPrintRun::Outcome LabelPrintRun::runTuned(const LabelSheet& sheet,
                                               const QsoRecords& printList) {
    const LabelComposer composer(options_, sheet.profile->addressSpacing);
    const LabelLayout& layout = sheet.profile->layout(options_.type);
    const size_t count = printList.size();
    for (size_t pair = 0; pair < count; pair += 2) {
        const QsoRecord* left = printList[pair];
        const QsoRecord* right = pair + 1 < count ? printList[pair + 1] : nullptr;
        const Step step = printPair(sheet, layout, composer, left, right);
        if (step == Step::Fail) {
            return finish(Outcome::Failed);
        }
        if (step == Step::Stop) {
            return finish(Outcome::StoppedByOperator);
        }
    }
    return finish(Outcome::Completed);
}

LabelPrintRun::Outcome LabelPrintRun::runFitted(const LabelSheet& sheet,
                                                const QsoRecords& printList) {
    const LabelFitting fitting(options_, QSizeF(sheet.width, sheet.height));
    bool shortened = false;
    for (const QsoRecord* record : printList) {
        const LabelFitting::Fitted label = fitting.fit(LabelFields::fromRecord(record));
        shortened = shortened || label.shortened;
        const QRectF place = sheet.label(rowCounter_);
        const double advance = LabelFitting::lineAdvanceMillimetres(label.size);
        double y = place.top() + (place.height() - advance * label.lines.size()) / 2;
        surface_.setFontSize(label.size);
        for (const LabelFitting::Line& line : label.lines) {
            const double width = LabelFitting::widthMillimetres(line.text, label.size);
            surface_.setBold(line.bold);
            surface_.setPosition(place.left() + (place.width() - width) / 2, y);
            if (!surface_.printLine(line.text)) {
                error_ = surface_.error();
                return finish(Outcome::Failed);
            }
            y += advance;
        }
        surface_.setBold(false);
        ++rowCounter_;
        const Step step =
            endSheetIfFull(rowCounter_, sheet.labelsPerSheet(), QStringLiteral("Page suivante ?"));
        if (step == Step::Fail) {
            return finish(Outcome::Failed);
        }
        if (step == Step::Stop) {
            return finish(Outcome::StoppedByOperator);
        }
    }
    if (shortened) {
        notice_ = QStringLiteral(
            "Certaines étiquettes sont trop petites : le commentaire, puis la ligne TX et "
            "antenne, y ont été omis.");
    }
    return finish(Outcome::Completed);
}

LabelPrintRun::Step LabelPrintRun::endSheetIfFull(int printedOnSheet, int perSheet,
                                                  const QString& prompt) {
    if (printedOnSheet < perSheet) {
        return Step::Continue;
    }
    if (options_.stopEachSheet && (!askNextSheet_ || !askNextSheet_(prompt))) {
        return Step::Stop;
    }
    rowCounter_ = 0;
    return endSheet();
}

LabelPrintRun::Step LabelPrintRun::printPair(const LabelSheet& sheet, const LabelLayout& layout,
                                             const LabelComposer& composer, const QsoRecord* left,
                                             const QsoRecord* right) {
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
    if (options_.stopEachSheet && rowCounter_ == sheet.rows) {
        if (!askNextSheet_ || !askNextSheet_(sheet.profile->prompt)) {
            return Step::Stop;
        }
        rowCounter_ = 0;
        sheetJustEnded = true;
        if (const Step step = endSheet(); step != Step::Continue) {
            return step;
        }
    }
    if (rowCounter_ == sheet.rows) {
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

int LabelPrintRun::sheetCount(const LabelSheet& sheet, int qsos) {
    const int perSheet = sheet.labelsPerSheet();
    return perSheet > 0 ? (qsos + perSheet - 1) / perSheet : 0;
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
