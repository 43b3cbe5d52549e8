#include "windows/workspace.h"

#include <QPrinter>

#include "platform/dialogs.h"
#include "settings/settings_store.h"

Workspace::Workspace(Dialogs& dialogs, SettingsStore& store) : dialogs_(dialogs), store_(store) {}

Workspace::~Workspace() = default;

void Workspace::reportStoreProblem() {
    const QString problem = store_.problemToReport();
    if (!problem.isEmpty()) {
        dialogs_.message(problem);
    }
}

QPrinter& Workspace::printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}
