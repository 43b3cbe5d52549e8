#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A PDF written beside its target under a temporary name, and renamed over
// the target only once the whole document is on disk and ends as a PDF must.
// Until then an older file at the target is left as it was; a PdfOutput that
// is not committed removes its temporary file.
class PdfOutput {
  public:
    explicit PdfOutput(const QString& target);
    ~PdfOutput();
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

    // The file to write into, or an empty text (with error()) when none could be made.
    QString temporaryPath() const { return temporaryPath_; }
    QString error() const { return error_; }

    // Checks the written document and renames it over the target.
    bool commit();

    // Names may carry bytes that are not UTF-8 (NativeFileName).
    // Why `target` must not be written: it is one of `inputs` (the same file,
    // links followed), or it exists and is not a regular file. Empty when it may.
    static QString targetProblem(const QString& target, const QStringList& inputs);

    // On SIGINT and SIGTERM, removes the temporary file being written and
    // exits with 128 + the signal's number (for the command line).
    static void removeOnSignals();

  private:
    static bool endsAsPdf(const QString& path);

    QString target_;
    QByteArray nativeTarget_;
    QByteArray temporaryBytes_;  // empty once renamed or when none was made
    int descriptor_ = -1;
    QString temporaryPath_;
    QString error_;
};
