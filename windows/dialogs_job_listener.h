#pragma once

#include <QString>
#include <memory>

#include "printing/job_listener.h"

class Dialogs;
class Progress;

// A print job's questions and progress, put to the operator through the
// desktop's dialogs: a question never sits under the progress, and the
// progress closes as soon as the run ends.
class DialogsJobListener : public JobListener {
  public:
    explicit DialogsJobListener(Dialogs& dialogs);
    ~DialogsJobListener() override;

    bool ask(const QString& question) override;
    void started(const QString& label, int total) override;
    bool advanced(int done) override;
    void finished() override;

  private:
    Dialogs& dialogs_;
    std::unique_ptr<Progress> progress_;
    QString label_;
    int total_ = 0;
    int done_ = 0;
};
