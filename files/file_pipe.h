#pragma once

#include <QString>
#include <thread>

class ReplacedFile;

// For a writer that only takes a file name (Qt's PDF writer): a pipe it opens
// by name, whose bytes a thread of its own hands to a ReplacedFile. Every
// byte the writer made then goes through the ReplacedFile's checked writes
// and its hash, so that the file read back is compared with what was made.
class FilePipe {
  public:
    explicit FilePipe(ReplacedFile& file);
    ~FilePipe();
    FilePipe(const FilePipe&) = delete;
    FilePipe& operator=(const FilePipe&) = delete;

    // The name to write into; empty when no pipe could be made.
    QString path() const;
    // Closes the pipe's own writing end and waits for the bytes written so
    // far. True when the writer had closed the pipe too (its document ended).
    bool finish();

  private:
    void carry();

    ReplacedFile& file_;
    int read_ = -1;
    int write_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    bool ended_ = false;  // the writer closed its end: every byte was carried
    std::thread thread_;
};
