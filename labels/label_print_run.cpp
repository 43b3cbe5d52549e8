#include "labels/label_print_run.h"

#include <QCoreApplication>

#include "labels/grouped_label.h"
#include "labels/label_composer.h"
#include "labels/label_fitting.h"
#include "labels/label_groups.h"
#include "labels/sheet_profile.h"
#include "labels/sheet_table.h"
#include "printing/print_geometry.h"
#include "printing/print_surface.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelPrintRun)
};

}  // namespace

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
        error_ = Text::tr("Format d'étiquettes inconnu : %1").arg(options_.format);
        return Outcome::Failed;
    }
    const QString unsound = sheet->problem();
    if (!unsound.isEmpty()) {
        error_ = Text::tr("Planche %1 : %2").arg(sheet->name, unsound);
        return Outcome::Failed;
    }
    const QString firstProblem = firstLabelProblem(options_.firstLabel, *sheet);
    if (!firstProblem.isEmpty()) {
        error_ = firstProblem;
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
    const GroupedLabel grouped(composer, layout);
    // The labels already used on the first sheet come first, left blank.
    const size_t skipped = printList.empty() ? 0 : static_cast<size_t>(options_.firstLabel - 1);
    std::vector<Slot> labels(skipped, Slot{{}, true});
    for (QsoRecords& qsos :
         LabelGroups::labels(printList, options_.group ? grouped.capacity() : 1)) {
        labels.push_back({std::move(qsos), false});
    }
    const Slot none{{}, false};
    const size_t count = labels.size();
    for (size_t pair = 0; pair < count; pair += 2) {
        const Slot& right = pair + 1 < count ? labels[pair + 1] : none;
        const Step step = printPair(sheet, layout, composer, grouped, labels[pair], right);
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
    bool shortened = false;
    // The labels already used on the first sheet stay blank.
    rowCounter_ = printList.empty() ? 0 : options_.firstLabel - 1;
    const int perLabel = options_.group ? groupCapacity(options_, sheet, unprintable_) : 1;
    for (const QsoRecords& qsos : LabelGroups::labels(printList, perLabel)) {
        const QRectF area = textArea(sheet, rowCounter_, unprintable_);
        const LabelFitting::Fitted label =
            fitted(LabelFitting::intoArea(options_, area.size()), qsos);
        shortened = shortened || label.shortened;
        if (!printFitted(area, label)) {
            return finish(Outcome::Failed);
        }
        ++rowCounter_;
        const Step step =
            endSheetIfFull(rowCounter_, sheet.labelsPerSheet(), Text::tr("Page suivante ?"));
        if (step == Step::Fail) {
            return finish(Outcome::Failed);
        }
        if (step == Step::Stop) {
            return finish(Outcome::StoppedByOperator);
        }
    }
    if (shortened) {
        notice_ = Text::tr(
            "Certaines étiquettes sont trop petites : le commentaire, puis la ligne TX et "
            "antenne, y ont été omis.");
    }
    return finish(Outcome::Completed);
}

// The lines centred in `area`.
bool LabelPrintRun::printFitted(const QRectF& area, const LabelFitting::Fitted& label) {
    const double advance = LabelFitting::lineAdvanceMillimetres(label.size);
    double y = area.top() + (area.height() - advance * static_cast<double>(label.lines.size())) / 2;
    surface_.setFontSize(label.size);
    for (const LabelFitting::Line& line : label.lines) {
        const double width = LabelFitting::widthMillimetres(line.text, label.size);
        surface_.setBold(line.bold);
        surface_.setPosition(area.left() + (area.width() - width) / 2, y);
        if (!surface_.printLine(line.text)) {
            error_ = surface_.error();
            return false;
        }
        y += advance;
    }
    surface_.setBold(false);
    return true;
}

QMarginsF LabelPrintRun::unknownUnprintable() {
    const double edge = PrintGeometry::kUnknownUnprintableMillimetres;
    return {edge, edge, edge, edge};
}

QRectF LabelPrintRun::textArea(const LabelSheet& sheet, int index, QMarginsF unprintable) {
    const double clear = LabelFitting::kClearMillimetres;
    const QRectF inside = sheet.label(index).adjusted(clear, clear, -clear, -clear);
    const QRectF reachable = QRectF(QPointF(), sheet.paperSize()).marginsRemoved(unprintable);
    const QRectF area = inside.intersected(reachable);
    return area.isEmpty() ? inside : area;
}

int LabelPrintRun::groupCapacity(const LabelOptions& options, const LabelSheet& sheet,
                                 QMarginsF unprintable) {
    QSizeF smallest = textArea(sheet, 0, unprintable).size();
    for (int index = 1; index < sheet.labelsPerSheet(); ++index) {
        smallest = smallest.boundedTo(textArea(sheet, index, unprintable).size());
    }
    return LabelFitting::intoArea(options, smallest).groupCapacity();
}

LabelFitting::Fitted LabelPrintRun::fitted(const LabelFitting& fitting, const QsoRecords& qsos) {
    if (qsos.size() < 2) {
        return fitting.fit(LabelFields::fromRecord(qsos.front()));
    }
    std::vector<LabelFields> fields;
    for (const QsoRecord* record : qsos) {
        fields.push_back(LabelFields::fromRecord(record));
    }
    return fitting.fitGroup(fields);
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

QString LabelPrintRun::sideText(const LabelComposer& composer, const GroupedLabel& grouped,
                                const LabelLayout& layout, size_t line, const Slot& label,
                                LabelComposer::Side which) {
    if (label.qsos.size() > 1) {
        return grouped.side(line, label.qsos, which);
    }
    const ProfileLine& entry = layout.body[line];
    const QString text =
        composer.side(entry.line, layout.family, LabelFields::fromRecord(label.record()), which);
    if (!label.blank) {
        return text;
    }
    // A used label: its width in blanks keeps the right label in its place.
    return which == LabelComposer::Side::Left ? LabelComposer::blanks(static_cast<int>(text.size()))
                                              : QString();
}

QString LabelPrintRun::pairLine(const LabelComposer& composer, const GroupedLabel& grouped,
                                const LabelLayout& layout, size_t line, const Slot& left,
                                const Slot& right) {
    const ProfileLine& entry = layout.body[line];
    if (!left.blank && !right.blank && left.qsos.size() < 2 && right.qsos.size() < 2) {
        return composer.line(entry.line, layout.family, left.record(), right.record());
    }
    // A used label is as wide as a label of the right label's QSO would be.
    const Slot leftLabel = left.blank ? Slot{{right.record()}, true} : left;
    QString leftText =
        entry.line == LabelLine::Blank && left.qsos.size() < 2
            ? QString()
            : sideText(composer, grouped, layout, line, leftLabel, LabelComposer::Side::Left);
    const QString rightText =
        entry.line == LabelLine::Blank && right.qsos.size() < 2
            ? QString()
            : sideText(composer, grouped, layout, line, right, LabelComposer::Side::Right);
    if (rightText.trimmed().isEmpty()) {
        return leftText.trimmed().isEmpty() ? QString() : leftText;
    }
    if (leftText.isEmpty()) {
        leftText = LabelComposer::blanks(grouped.leftWidth(entry.size));
    }
    return leftText + rightText;
}

LabelPrintRun::Step LabelPrintRun::printPair(const LabelSheet& sheet, const LabelLayout& layout,
                                             const LabelComposer& composer,
                                             const GroupedLabel& grouped, const Slot& left,
                                             const Slot& right) {
    if (rowCounter_ == 0) {
        for (const float size : layout.headLines(options_.offset)) {
            if (!print(QString(), size, false)) {
                return Step::Fail;
            }
        }
    }
    for (size_t line = 0; line < layout.body.size(); ++line) {
        const ProfileLine& entry = layout.body[line];
        if (!print(pairLine(composer, grouped, layout, line, left, right), entry.size,
                   entry.bold)) {
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

int LabelPrintRun::sheetCount(const LabelSheet& sheet, int qsos, int firstLabel) {
    const int perSheet = sheet.labelsPerSheet();
    if (perSheet <= 0 || qsos <= 0) {
        return 0;
    }
    const int labels = qsos + firstLabel - 1;
    return (labels + perSheet - 1) / perSheet;
}

int LabelPrintRun::labelCount(const LabelOptions& options, const LabelSheet& sheet,
                              const QsoRecords& printList, QMarginsF unprintable) {
    if (!options.group) {
        return static_cast<int>(printList.size());
    }
    int perLabel = 1;
    if (sheet.isTuned()) {
        const LabelComposer composer(options, sheet.profile->addressSpacing);
        perLabel = GroupedLabel(composer, sheet.profile->layout(options.type)).capacity();
    } else {
        perLabel = groupCapacity(options, sheet, unprintable);
    }
    return static_cast<int>(LabelGroups::labels(printList, perLabel).size());
}

QString LabelPrintRun::firstLabelProblem(int firstLabel, const LabelSheet& sheet) {
    if (firstLabel >= 1 && firstLabel <= sheet.labelsPerSheet()) {
        return {};
    }
    return Text::tr("Première étiquette : un nombre de 1 à %1 est attendu.")
        .arg(sheet.labelsPerSheet());
}

LabelPrintRun::Outcome LabelPrintRun::finish(Outcome outcome) {
    // A failed run, or a sheet with nothing printed on it yet, is not sent.
    if (outcome == Outcome::Failed || rowCounter_ == 0) {
        surface_.discardJob();
    } else if (surface_.endJob()) {
        ++sheetsDone_;
    } else {
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
