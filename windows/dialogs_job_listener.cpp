#include "windows/dialogs_job_listener.h"

#include "platform/dialogs.h"

DialogsJobListener::DialogsJobListener(Dialogs& dialogs) : dialogs_(dialogs) {}

DialogsJobListener::~DialogsJobListener() = default;

bool DialogsJobListener::ask(const QString& question) {
    return dialogs_.askYesNo(question);
}

void DialogsJobListener::started(const QString& label, int total) {
    progress_ = dialogs_.showProgress(label, total);
}

bool DialogsJobListener::advanced(int done) {
    return progress_ == nullptr || progress_->advance(done);
}

void DialogsJobListener::finished() {
    progress_.reset();
}
