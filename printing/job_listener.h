#pragma once

#include <QString>

// What a print job tells and asks whoever started it while it runs. This one
// goes on without asking and shows nothing, as the command line wants; the
// windows hand in one that asks the operator and shows the progress.
class JobListener {
  public:
    virtual ~JobListener() = default;

    // A question of the run ("next sheet?"): true goes on.
    virtual bool ask(const QString& question) {
        (void)question;
        return true;
    }
    // The run starts `total` steps, told as `label`.
    virtual void started(const QString& label, int total) {
        (void)label;
        (void)total;
    }
    // `done` steps are done; false stops the run there.
    virtual bool advanced(int done) {
        (void)done;
        return true;
    }
    // The run has ended, whatever its outcome.
    virtual void finished() {}
};
