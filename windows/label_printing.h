#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "log/qso_record.h"
#include "printing/printer_job.h"

class LabelJob;
class Workspace;
struct LabelOptions;

// What the label options window's print and preview buttons start: the label
// job on the print list, with the printer dialog before it and the messages
// and the marking question after it.
class LabelPrinting {
  public:
    explicit LabelPrinting(Workspace& workspace) : workspace_(workspace) {}

    // Prints after the printer dialog; no result when the operator would not
    // replace the chosen file, or stopped a bureau run before it, and nothing ran.
    std::optional<PrinterJob::Result> print(const LabelOptions& options);
    // Shows exactly what print() would print, page by page; stores nothing.
    // The preview's print button calls `print`.
    void preview(const LabelOptions& options, const std::function<void()>& print);

  private:
    // The job on the print list, or none (and why) when the sheet is unknown.
    std::unique_ptr<LabelJob> job(const LabelOptions& options, const QsoRecords& records,
                                  QString* problem);

    Workspace& workspace_;
};
