#include "windows/dialogs_job_listener.h"

#include "platform/dialogs.h"

DialogsJobListener::DialogsJobListener(Dialogs& dialogs) : dialogs_(dialogs) {}

DialogsJobListener::~DialogsJobListener() = default;

bool DialogsJobListener::ask(const QString& question) {
    // The question comes alone, with the focus: the progress closes while it
    // is asked, and comes back for the sheets that follow a Yes.
    const bool running = progress_ != nullptr;
    progress_.reset();
    const bool answer = dialogs_.askYesNo(question);
    if (answer && running) {
        progress_ = dialogs_.showProgress(label_, total_);
        progress_->advance(done_);
    }
    return answer;
}

void DialogsJobListener::started(const QString& label, int total) {
    label_ = label;
    total_ = total;
    done_ = 0;
    progress_ = dialogs_.showProgress(label, total);
}

bool DialogsJobListener::advanced(int done) {
    done_ = done;
    return progress_ == nullptr || progress_->advance(done);
}

void DialogsJobListener::finished() {
    progress_.reset();
}
