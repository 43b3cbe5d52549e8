#include "windows/workspace.h"

#include <QFileInfo>
#include <QPrinter>

#include "labels/sheet_table.h"
#include "platform/dialogs.h"
#include "selection/bureau_order.h"
#include "selection/print_doubts.h"
#include "selection/qsl_round.h"
#include "settings/settings_store.h"

Workspace::Workspace(Dialogs& dialogs, SettingsStore& store) : dialogs_(dialogs), store_(store) {}

Workspace::~Workspace() = default;

void Workspace::reportStoreProblem() {
    const QString problem = store_.problemToReport();
    if (!problem.isEmpty()) {
        dialogs_.message(problem);
    }
}

bool Workspace::saysPrintListEmpty() {
    if (printList().count() > 0) {
        return false;
    }
    dialogs_.message(
        tr("La liste d'impression est vide : choisissez les QSO à imprimer dans la sélection."));
    return true;
}

const SheetTable& Workspace::sheets() {
    if (sheets_ == nullptr) {
        sheets_ = std::make_unique<SheetTable>(
            SheetTable::load(SheetTable::ownSheetsPath(store_.fileName())));
        if (!sheets_->problem().isEmpty()) {
            dialogs_.message(sheets_->problem());
        }
    }
    return *sheets_;
}

void Workspace::reloadSheets() {
    sheets_.reset();
}

RunFiles Workspace::runFiles(const QStringList& read) const {
    RunFiles files(store_.fileName());
    files.addRead(logFileName_);
    for (const QString& path : read) {
        files.addRead(path);
    }
    return files;
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

QString Workspace::stationValue(const StoredSetting& setting) const {
    return store_.read(setting, stationCallsign_);
}

void Workspace::storeStationValue(const StoredSetting& setting, const QString& value) {
    store_.write(setting, value, stationCallsign_);
    reportStoreProblem();
}

QsoRecords Workspace::recordsToPrint() {
    const QsoRecords& records = printList().records();
    const QStringList doubts = PrintDoubts::of(records);
    if (doubts.isEmpty() || dialogs_.askYesNo(PrintDoubts::question(doubts))) {
        return records;
    }
    return PrintDoubts::withoutDoubtful(records);
}

QslRound::Filter Workspace::storedFilter() const {
    QslRound::Filter filter;
    const QString owed = stationValue(StoredSettings::kOwedQueue);
    if (owed.isEmpty()) {
        // Stored before the queues existed: the box "QSL non envoyées seulement".
        if (stationValue(StoredSettings::kOwedOnly) == u"True") {
            filter.owed = QslQueue::Owed::Unsent;
        }
    } else {
        filter.owed = QslQueue::owedNamed(owed).value_or(QslQueue::Owed::All);
    }
    filter.route =
        QslQueue::routeNamed(stationValue(StoredSettings::kRoute)).value_or(QslQueue::Route::All);
    filter.unconfirmed = stationValue(StoredSettings::kUnconfirmed) == u"True";
    return filter;
}

void Workspace::storeFilter(const QslRound::Filter& filter) {
    storeStationValue(StoredSettings::kOwedQueue, QslQueue::owedName(filter.owed));
    storeStationValue(StoredSettings::kRoute, QslQueue::routeName(filter.route));
    storeStationValue(StoredSettings::kUnconfirmed,
                      filter.unconfirmed ? QStringLiteral("True") : QStringLiteral("False"));
}

QString Workspace::logFilter() {
    return QStringLiteral(".adi .adif  (*.adi *.ADI *.adif *.ADIF)");
}

QString Workspace::logFolder() const {
    return stationValue(StoredSettings::kLogFolder);
}

void Workspace::rememberLog(const QString& fileName) {
    storeStationValue(StoredSettings::kLogFolder, QFileInfo(fileName).absolutePath());
}

QString Workspace::templateFolder() const {
    const QString last = lastTemplate();
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

QString Workspace::lastTemplate() const {
    return stationValue(StoredSettings::kLastTemplate);
}

void Workspace::rememberTemplate(const QString& fileName) {
    storeStationValue(StoredSettings::kLastTemplate, QFileInfo(fileName).absoluteFilePath());
}

bool Workspace::confirmStationCallsign() {
    const auto isPlaceholder = [](const QString& callsign) {
        return callsign.trimmed().compare(placeholderCallsign(), Qt::CaseInsensitive) == 0;
    };
    if (!isPlaceholder(stationCallsign_)) {
        return true;
    }
    QString answer;
    if (!dialogs_.askText(tr("L'indicatif de la station est encore « %1 ». "
                             "Entrez l'indicatif à imprimer :")
                              .arg(stationCallsign_),
                          answer)) {
        return false;
    }
    answer = answer.trimmed().toUpper();
    if (answer.isEmpty() || isPlaceholder(answer)) {
        dialogs_.message(tr("Entrez votre indicatif"));
        return false;
    }
    store_.write(StoredSettings::kCallsign, answer);
    stationCallsign_ = answer;
    reportStoreProblem();
    emit stationCallsignChanged(answer);
    return true;
}

QPrinter& Workspace::printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}
