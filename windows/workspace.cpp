#include "windows/workspace.h"

#include <QFileInfo>
#include <QPrinter>

#include "selection/bureau_order.h"

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
        auto countries = std::make_shared<CountryFile>();
        QString problem;
        const QString folder = QFileInfo(store_.fileName()).absolutePath();
        if (!countries->loadFirst(CountryFile::searchPaths(folder), &problem)) {
            dialogs_.message(problem);
            countries.reset();
        }
        bureauOrder_ = std::make_shared<BureauOrder>(std::move(countries));
    }
    return bureauOrder_;
}

namespace {

// Stored keys: in the station's section, except the callsign (global).
const QString kOwedOnlyKey = QStringLiteral("QSL non envoyees seulement");
const QString kLogFolderKey = QStringLiteral("Dossier journal");
const QString kLastTemplateKey = QStringLiteral("Modele QSL");
const QString kCallsignKey = QStringLiteral("Indicatif");

}  // namespace

QString Workspace::stationValue(const QString& key) const {
    return store_.read(SettingsStore::stationSection(stationCallsign_), key, QString());
}

void Workspace::storeStationValue(const QString& key, const QString& value) {
    store_.write(SettingsStore::stationSection(stationCallsign_), key, value);
    reportStoreProblem();
}

bool Workspace::storedOwedOnly() const {
    const QString section = SettingsStore::stationSection(stationCallsign_);
    return store_.read(section, kOwedOnlyKey, QStringLiteral("False")) == u"True";
}

void Workspace::storeOwedOnly(bool owedOnly) {
    storeStationValue(kOwedOnlyKey, owedOnly ? QStringLiteral("True") : QStringLiteral("False"));
}

QString Workspace::logFilter() {
    return QStringLiteral(".adi .adif  (*.adi *.ADI *.adif *.ADIF)");
}

QString Workspace::logFolder() const {
    return stationValue(kLogFolderKey);
}

void Workspace::rememberLog(const QString& fileName) {
    storeStationValue(kLogFolderKey, QFileInfo(fileName).absolutePath());
}

QString Workspace::templateFolder() const {
    const QString last = lastTemplate();
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

QString Workspace::lastTemplate() const {
    return stationValue(kLastTemplateKey);
}

void Workspace::rememberTemplate(const QString& fileName) {
    storeStationValue(kLastTemplateKey, QFileInfo(fileName).absoluteFilePath());
}

bool Workspace::confirmStationCallsign() {
    const auto isPlaceholder = [](const QString& callsign) {
        return callsign.trimmed().compare(placeholderCallsign(), Qt::CaseInsensitive) == 0;
    };
    if (!isPlaceholder(stationCallsign_)) {
        return true;
    }
    QString answer;
    if (!dialogs_.askText(QStringLiteral("L'indicatif de la station est encore « %1 ». "
                                         "Entrez l'indicatif à imprimer :")
                              .arg(stationCallsign_),
                          answer)) {
        return false;
    }
    answer = answer.trimmed().toUpper();
    if (answer.isEmpty() || isPlaceholder(answer)) {
        dialogs_.message(QStringLiteral("Entrez votre indicatif"));
        return false;
    }
    store_.write(SettingsStore::globalSection(), kCallsignKey, answer);
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
