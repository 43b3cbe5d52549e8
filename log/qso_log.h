#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "log/confirmation_download.h"
#include "log/log_fingerprint.h"
#include "log/qso_record.h"

// The QSOs of one log in file order. Records never move once added, so lists
// may point at them for as long as the log lives; their text is kept in a few
// large blocks rather than one allocation per QSO.
class QsoLog {
  public:
    QsoLog();
    QsoLog(const QsoLog&) = delete;
    QsoLog& operator=(const QsoLog&) = delete;
    // Moving keeps every record where it is.
    QsoLog(QsoLog&&) = default;
    QsoLog& operator=(QsoLog&&) = default;

    const QsoRecord& add(const QsoValues& values);

    int count() const { return static_cast<int>(records_.size()); }
    const QsoRecord& at(int index) const { return records_[static_cast<size_t>(index)]; }
    // Tells the records of this log from those of any other log of the run.
    quint32 serial() const { return serial_; }
    // The log file as it was read, for a marked copy made from it later.
    const LogFingerprint& fingerprint() const { return fingerprint_; }
    void setFingerprint(const LogFingerprint& fingerprint) { fingerprint_ = fingerprint; }
    // A logger's log, or a confirmation service's download.
    ConfirmationDownload::Kind kindOfFile() const { return kindOfFile_; }
    void setKindOfFile(ConfirmationDownload::Kind kind) { kindOfFile_ = kind; }

  private:
    char* room(size_t bytes);

    quint32 serial_;
    LogFingerprint fingerprint_;
    ConfirmationDownload::Kind kindOfFile_ = ConfirmationDownload::Kind::Log;
    std::deque<QsoRecord> records_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t blockUsed_ = 0;
    size_t blockSize_ = 0;
};
