#include "windows/start_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"
#include "settings/program_language.h"
#include "settings/settings_store.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

namespace {

QLabel* boldLabel(const QString& text, qreal pointSize = 0) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    if (pointSize > 0) {
        font.setPointSizeF(pointSize);
    }
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

StartWindow::StartWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Main"));

    auto* frame1 = new QGroupBox;
    auto* titles = new QVBoxLayout(frame1);
    titles->addWidget(boldLabel(tr("Impression d'etiquettes pour QSL")));
    titles->addWidget(boldLabel(tr("a partir d'un fichier ADIF")));

    auto* frame2 = new QGroupBox;
    auto* inputs = new QVBoxLayout(frame2);
    inputs->addWidget(new QLabel(tr("Indicatif de la station")));
    callsignBox_ = new KeyPressLineEdit;
    callsignBox_->setObjectName(QStringLiteral("Ind_A"));
    callsignBox_->setAccessibleName(tr("Indicatif de la station"));
    QFont bold = callsignBox_->font();
    bold.setBold(true);
    callsignBox_->setFont(bold);
    callsignBox_->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
    callsignBox_->setKeyPressHandler([this](int& keyCode) { callsignKeyPress(keyCode); });
    inputs->addWidget(callsignBox_);
    inputs->addWidget(new QLabel(tr("Selection du fichier ADIF")));
    selection_ = new QPushButton(tr("&Selectionnez"));
    selection_->setObjectName(QStringLiteral("Selection"));
    connect(selection_, &QPushButton::clicked, this, &StartWindow::openSelection);
    inputs->addWidget(selection_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    stationCallsign_ = boldLabel(QString(), 24);
    stationCallsign_->setObjectName(QStringLiteral("Indicatif_Station"));
    layout->addWidget(stationCallsign_);
    layout->addWidget(buildLanguageChoice());
    setMinimumWidth(360);
    // The big callsign is the station's, as the box gives it.
    connect(callsignBox_, &QLineEdit::textChanged, stationCallsign_, &QLabel::setText);
    connect(&workspace_, &Workspace::stationCallsignChanged, callsignBox_, &QLineEdit::setText);

    prepare();
}

QWidget* StartWindow::buildLanguageChoice() {
    auto* frame = new QGroupBox(tr("Langue"));
    auto* layout = new QVBoxLayout(frame);
    language_ = new QComboBox;
    language_->setObjectName(QStringLiteral("Langue"));
    language_->setAccessibleName(tr("Langue"));
    language_->addItem(tr("Celle du système"), QString());
    for (const QString& code : ProgramLanguage::codes()) {
        language_->addItem(ProgramLanguage::nativeName(code), code);
    }
    const QString stored = workspace_.store().written(StoredSettings::kWindowLanguage);
    language_->setCurrentIndex(std::max(0, language_->findData(stored)));
    connect(language_, &QComboBox::activated, this, &StartWindow::chooseLanguage);
    layout->addWidget(language_);
    auto* note = new QLabel(tr("La langue choisie s'applique au prochain démarrage."));
    note->setWordWrap(true);
    layout->addWidget(note);
    return frame;
}

void StartWindow::chooseLanguage(int index) {
    workspace_.store().write(StoredSettings::kWindowLanguage,
                             language_->itemData(index).toString());
    workspace_.reportStoreProblem();
}

void StartWindow::prepare() {
    centreOnScreen(*this);
    SettingsStore& store = workspace_.store();
    callsignBox_->setText(store.read(StoredSettings::kCallsign));
    if (callsignBox_->text() == Workspace::placeholderCallsign()) {
        // What the operator types replaces the placeholder.
        callsignBox_->selectAll();
    }
    // revision() starts with its own blank.
    setWindowTitle(QStringLiteral("Quenor_Etiquettes Revision") + revision());
    store.write(StoredSettings::kProgramFolder, QCoreApplication::applicationDirPath());
    store.write(StoredSettings::kRevision, revision());
    workspace_.reportStoreProblem();
}

void StartWindow::callsignKeyPress(int& keyCode) {
    if (keyCode > 96 && keyCode < 123) {
        keyCode -= 32;
    }
}

void StartWindow::openSelection() {
    if (pendingLog_.isEmpty()) {
        loadLog();
        return;
    }
    const QString fileName = pendingLog_;
    if (rememberCallsign()) {
        pendingLog_.clear();
        workspace_.selection().clearQsoList();
        emit logChosen(fileName);
    }
}

bool StartWindow::hasStoredCallsign() const {
    return !workspace_.store().written(StoredSettings::kCallsign).isEmpty();
}

bool StartWindow::rememberCallsign() {
    const QString callsign = callsignBox_->text();
    if (callsign.isEmpty()) {
        workspace_.dialogs().message(tr("Entrez votre indicatif"));
        return false;
    }
    workspace_.store().write(StoredSettings::kCallsign, callsign);
    workspace_.setStationCallsign(callsign);
    workspace_.reportStoreProblem();
    return true;
}

void StartWindow::loadLog() {
    if (!rememberCallsign()) {
        return;
    }
    workspace_.selection().clearQsoList();
    const QString fileName =
        workspace_.dialogs().openFileName(Workspace::logFilter(), workspace_.logFolder());
    if (fileName.isEmpty()) {
        workspace_.dialogs().message(tr("selectionnez un fichier ou quitter"));
        return;
    }
    emit logChosen(fileName);
}

void StartWindow::loadLog(const QString& fileName) {
    if (!hasStoredCallsign()) {
        // A first run: the log waits until the operator has given the callsign.
        pendingLog_ = fileName;
        workspace_.dialogs().message(
            tr("Entrez votre indicatif, puis cliquez sur Selectionnez pour lire %1")
                .arg(QFileInfo(fileName).fileName()));
        callsignBox_->clear();
        callsignBox_->setFocus();
        return;
    }
    if (!rememberCallsign()) {
        return;
    }
    workspace_.selection().clearQsoList();
    emit logChosen(fileName);
}
