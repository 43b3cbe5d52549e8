#pragma once

#include <QString>
#include <QStringList>

#include "files/file_pipe.h"
#include "files/replaced_file.h"

// A PDF written beside its target under a temporary name (ReplacedFile), and
// renamed over the target only once the whole document is on disk, reads back
// as the PDF writer made it (its bytes pass through a FilePipe, hashed on the
// way) and every object stands where its cross-reference table says. Until
// then an older file at the target is left as it was; a PdfOutput that is not
// committed removes its temporary file.
class PdfOutput {
  public:
    explicit PdfOutput(const QString& target);
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

    // The file to write into (a pipe), or an empty text (with error()) when
    // none could be made.
    QString temporaryPath() const { return pipe_.path(); }
    QString error() const { return error_; }

    // Checks the written document and renames it over the target.
    bool commit();
    // The document could not be written whole: error() says why; the older file stays.
    void abandon();

    // Names may carry bytes that are not UTF-8 (NativeFileName).
    // Why `target` must not be written: it is one of `inputs` (the same file,
    // links followed), or it exists and is not a regular file. Empty when it may.
    static QString targetProblem(const QString& target, const QStringList& inputs);

    // On SIGINT and SIGTERM, removes the temporary file being written and
    // exits with 128 + the signal's number (for the command line).
    static void removeOnSignals();

    // True when the document ends as a PDF must and each object of its
    // cross-reference table begins at the offset the table gives.
    static bool isWholePdf(int descriptor);

  private:
    QString failed();

    ReplacedFile file_;
    FilePipe pipe_;
    QString error_;
};
