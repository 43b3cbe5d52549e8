#include "windows/workspace.h"

#include <QPrinter>

#include "selection/bureau_order.h"
#include "selection/qsl_round.h"

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

std::shared_ptr<const BureauOrder> Workspace::bureauOrder() {
    if (bureauOrder_ == nullptr) {
        QString problem;
        bureauOrder_ = QslRound::bureauOrder(store_.fileName(), &problem);
        if (!problem.isEmpty()) {
            dialogs_.message(problem);
        }
    }
    return bureauOrder_;
}

bool Workspace::storedOwedOnly() const {
    return store_.read(StoredSettings::kOwedOnly, stationCallsign_) == u"True";
}

void Workspace::storeOwedOnly(bool owedOnly) {
    store_.write(StoredSettings::kOwedOnly,
                 owedOnly ? QStringLiteral("True") : QStringLiteral("False"), stationCallsign_);
    reportStoreProblem();
}

QPrinter& Workspace::printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}
