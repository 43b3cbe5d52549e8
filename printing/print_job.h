#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

#include "log/qso_record.h"
#include "log/sent_marker.h"
#include "printing/job_listener.h"
#include "printing/printer_job.h"

class QPrinter;
class SettingsStore;

// What a label job and a card job share: the QSOs to print (already filtered
// and ordered), the files a PDF may not replace, the printer's shift, the
// sending method marked afterwards and the outcome's messages.
class PrintJob {
  public:
    using Result = PrinterJob::Result;

    PrintJob(SettingsStore& store, QsoRecords records, QString sendingMethod);
    virtual ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    const QsoRecords& records() const { return records_; }

    // The files a PDF output may not replace (the log, the template).
    void setInputs(QStringList inputs) { inputs_ = std::move(inputs); }
    const QStringList& inputs() const { return inputs_; }
    // The printer's shift for this run (millimetres, right and down) instead of
    // its stored calibration, each way on its own.
    void setHorizontalOffset(double millimetres) { offsetX_ = millimetres; }
    void setVerticalOffset(double millimetres) { offsetY_ = millimetres; }
    // Told of the run's questions and progress; by default nothing is asked.
    void setListener(JobListener& listener) { listener_ = &listener; }
    // The sending method marked in place of the job's own (B labels, D cards).
    void setSendingMethod(const QString& via) { sendingMethod_ = via; }
    const QString& sendingMethod() const { return sendingMethod_; }

    // The copy of the log `log` (as `fingerprint` says it was read) in which
    // `marked` (printed QSOs of that log) carry the job's sending method and
    // today's date; anything but Written comes with a French message.
    SentMarker::Result writeMarkedCopy(const QString& log, const LogFingerprint& fingerprint,
                                       const QString& copy, const QsoRecords& marked,
                                       QString* error) const;

    // Why the run failed, in French.
    const QString& error() const { return error_; }
    // What the operator should know about a completed run, in French; may be empty.
    const QString& notice() const { return notice_; }

  protected:
    // The shift given for this run, else the one stored for `printer`, each way.
    QPointF offsetFor(const QPrinter& printer) const;
    JobListener& listener() const { return *listener_; }
    // After a run the operator stopped: a PDF is not written; a printer has
    // been sent `sent` of them (`one` and `many`: "feuille", "feuilles"...).
    void tellStopped(const QPrinter& printer, int sent, const QString& one, const QString& many);

    QString error_;
    QString notice_;

  private:
    SettingsStore& store_;
    QsoRecords records_;
    QString sendingMethod_;
    QStringList inputs_;
    std::optional<double> offsetX_;
    std::optional<double> offsetY_;
    JobListener unattended_;
    JobListener* listener_ = &unattended_;
};
