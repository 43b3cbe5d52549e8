#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <functional>

#include "labels/label_composer.h"
#include "labels/label_fitting.h"
#include "labels/label_options.h"
#include "labels/sheet_profile.h"
#include "log/qso_record.h"
#include "printing/printer_job.h"

class PrintSurface;
class GroupedLabel;
struct LabelLayout;
struct LabelSheet;

// Prints a print list on label sheets, sheet after sheet, each full sheet
// ended as a job of its own. On a tuned sheet two labels side by side are
// printed line by line; on any other sheet each label is fitted and placed
// on its own, from the paper's edge.
class LabelPrintRun {
  public:
    enum class Outcome { Completed, StoppedByOperator, Failed };

    // Asked at each full sheet when the options say so; true goes on.
    using NextSheetQuestion = std::function<bool(const QString& prompt)>;

    LabelPrintRun(const LabelOptions& options, PrintSurface& surface,
                  NextSheetQuestion askNextSheet);

    // Prints on `sheet` instead of the tuned sheet of the options' format.
    void useSheet(const LabelSheet& sheet) { sheet_ = &sheet; }
    // The paper's strips the printer cannot reach (millimetres): fitted text
    // keeps out of them. 4 mm all round unless told.
    void setUnprintable(QMarginsF millimetres) { unprintable_ = millimetres; }
    static QMarginsF unknownUnprintable();
    // Where the text of label `index` may go: the label less its clear border,
    // within the printer's reach (the label less its border when it is wholly out of reach).
    static QRectF textArea(const LabelSheet& sheet, int index, QMarginsF unprintable);

    Outcome run(const QsoRecords& printList);
    // Told the number of sheets ended after each one; false stops the run there.
    using SheetDone = std::function<bool(int sheetsDone)>;
    void setSheetDone(SheetDone sheetDone) { sheetDone_ = std::move(sheetDone); }
    // The sheets that `qsos` print list rows fill, starting at label `firstLabel`.
    static int sheetCount(const LabelSheet& sheet, int qsos, int firstLabel = 1);
    // The labels `printList` fills with `options` on `sheet` (fewer than QSOs when grouped).
    static int labelCount(const LabelOptions& options, const LabelSheet& sheet,
                          const QsoRecords& printList,
                          QMarginsF unprintable = unknownUnprintable());
    // Why a run cannot start at label `firstLabel` of `sheet`, in French; empty when it can.
    static QString firstLabelProblem(int firstLabel, const LabelSheet& sheet);

    // The sheets ended and sent so far, the last begun one included.
    int sheetsSent() const { return sheetsDone_; }

    // Why the run failed, in French.
    QString error() const { return error_; }
    // What the operator should know about a completed run (lines left out), in French.
    QString notice() const { return notice_; }

    static PrinterJob::Result toJobResult(Outcome outcome, const QString& error, QString* message);

  private:
    enum class Step { Continue, Stop, Fail };
    // One label of a printed row: its QSOs (none, one, or a station's
    // grouped QSOs), or a used label left blank.
    struct Slot {
        QsoRecords qsos;
        bool blank;
        const QsoRecord* record() const { return qsos.empty() ? nullptr : qsos.front(); }
    };
    Outcome runTuned(const LabelSheet& sheet, const QsoRecords& printList);
    Outcome runFitted(const LabelSheet& sheet, const QsoRecords& printList);
    Step printPair(const LabelSheet& sheet, const LabelLayout& layout,
                   const LabelComposer& composer, const GroupedLabel& grouped, const Slot& left,
                   const Slot& right);
    static QString pairLine(const LabelComposer& composer, const GroupedLabel& grouped,
                            const LabelLayout& layout, size_t line, const Slot& left,
                            const Slot& right);
    static QString sideText(const LabelComposer& composer, const GroupedLabel& grouped,
                            const LabelLayout& layout, size_t line, const Slot& label,
                            LabelComposer::Side which);
    static LabelFitting::Fitted fitted(const LabelFitting& fitting, const QsoRecords& qsos);
    // The QSOs a grouped label holds on every label of `sheet`.
    static int groupCapacity(const LabelOptions& options, const LabelSheet& sheet,
                             QMarginsF unprintable);
    bool printFitted(const QRectF& area, const LabelFitting::Fitted& label);
    Step endSheetIfFull(int printedOnSheet, int perSheet, const QString& prompt);
    bool print(const QString& text, float size, bool bold);
    Outcome finish(Outcome outcome);
    Step endSheet();

    const LabelOptions& options_;
    PrintSurface& surface_;
    NextSheetQuestion askNextSheet_;
    const LabelSheet* sheet_ = nullptr;
    QMarginsF unprintable_ = unknownUnprintable();
    SheetDone sheetDone_;
    int sheetsDone_ = 0;
    int rowCounter_ = 0;
    QString savedFontName_;
    float savedFontSize_ = 0;
    QString error_;
    QString notice_;
};
