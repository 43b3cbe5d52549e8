#pragma once

#include <QString>
#include <functional>

#include "labels/label_options.h"
#include "printing/printer_job.h"

class PrintSurface;
class RowList;
class LabelComposer;
struct LabelLayout;
struct SheetProfile;

// Prints a print list on label sheets: two labels side by side per pair of
// rows, sheet after sheet, each full sheet ended as a job of its own.
class LabelPrintRun {
  public:
    enum class Outcome { Completed, StoppedByOperator, Failed };

    // Asked at each full sheet when the options say so; true goes on.
    using NextSheetQuestion = std::function<bool(const QString& prompt)>;

    LabelPrintRun(const LabelOptions& options, PrintSurface& surface,
                  NextSheetQuestion askNextSheet);

    // Told the number of sheets ended after each one; false stops the run there.
    using SheetDone = std::function<bool(int sheetsDone)>;
    void setSheetDone(SheetDone sheetDone) { sheetDone_ = std::move(sheetDone); }
    // The sheets that `rows` print list rows fill in the options' format.
    static int sheetCount(int format, int rows);

    Outcome run(const RowList& printList);
    // Why the run failed, in French.
    QString error() const { return error_; }

    static PrinterJob::Result toJobResult(Outcome outcome, const QString& error, QString* message);

  private:
    enum class Step { Continue, Stop, Fail };
    Step printPair(const SheetProfile& profile, const LabelLayout& layout,
                   const LabelComposer& composer, const QString& left, const QString& right);
    bool print(const QString& text, float size, bool bold);
    Outcome finish(Outcome outcome);
    Step endSheet();

    const LabelOptions& options_;
    PrintSurface& surface_;
    NextSheetQuestion askNextSheet_;
    SheetDone sheetDone_;
    int sheetsDone_ = 0;
    int rowCounter_ = 0;
    QString savedFontName_;
    float savedFontSize_ = 0;
    QString error_;
};
