#pragma once

#include <QMarginsF>
#include <QString>
#include <cstdio>

#include "labels/label_options.h"
#include "labels/label_sheet.h"
#include "printing/print_job.h"

class PrintSurface;

// One label run as the command line and the windows ask for it: the QSOs
// (filtered and ordered; grouped here when the options say so), the sheet,
// the options with the first label, and the target. The job sets the
// printer's placement and calibration, runs the sheets, tells its listener
// how far it has gone, and keeps the outcome.
class LabelJob : public PrintJob {
  public:
    // The sending method marked after a label run: by the bureau.
    static QString defaultSendingMethod() { return QStringLiteral("B"); }

    LabelJob(SettingsStore& store, const LabelOptions& options, const LabelSheet& sheet,
             QsoRecords records);

    const LabelOptions& options() const { return options_; }
    const LabelSheet& sheet() const { return sheet_; }
    // The sheets the run fills.
    int sheetCount() const;

    // Why the printer's offset puts text of the sheet off the paper (said
    // before printing); empty when every label's text stays on it.
    QString offsetProblem(const QPrinter& printer);

    // On `printer` (a CUPS queue or a PDF file); `askedQueue`, when given, is
    // the queue that must be the one printed on.
    Result print(QPrinter& printer, const QString& askedQueue = QString());
    // What would be printed, as text on `out`.
    Result dump(std::FILE* out);
    // Into a print preview: the sheet's labels outlined, those left blank shaded.
    Result preview(QPrinter& printer);
    // The sheet's calibration page instead of the QSOs.
    Result printCalibrationPage(QPrinter& printer, const QString& askedQueue = QString());

    // The paper's strips `printer` cannot reach, from its page layout's
    // margins; 4 mm all round for a PDF or when it gives none.
    static QMarginsF unprintableOf(const QPrinter& printer);

  private:
    Result run(PrintSurface& surface, bool attended, QString* error);
    PrintPlacement placement(const QPrinter& printer, bool fromPaperEdge) const;

    LabelOptions options_;
    LabelSheet sheet_;
    QMarginsF unprintable_;
    int sheetsSent_ = 0;
};
