#include "windows/start_window.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "log/adif_reader.h"
#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "windows/application.h"
#include "windows/selection_window.h"
#include "windows/window_placement.h"

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

// Shows each message of the reader as it comes and keeps the rows.
class WindowSink : public AdifSink {
  public:
    explicit WindowSink(Dialogs& dialogs) : dialogs_(dialogs) {}
    void row(QByteArray text) override { rows.push_back(std::move(text)); }
    void message(const QString& text) override { dialogs_.message(text); }

    std::vector<QByteArray> rows;

  private:
    Dialogs& dialogs_;
};

}  // namespace

StartWindow::StartWindow(Application& app, QWidget* parent) : QWidget(parent), app_(app) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Main"));

    auto* frame1 = new QGroupBox;
    auto* titles = new QVBoxLayout(frame1);
    titles->addWidget(boldLabel(QStringLiteral("Impression d'etiquettes pour QSL")));
    titles->addWidget(boldLabel(QStringLiteral("a partir d'un fichier ADIF")));

    auto* frame2 = new QGroupBox;
    auto* inputs = new QVBoxLayout(frame2);
    inputs->addWidget(new QLabel(QStringLiteral("Indicatif de la station")));
    ind_A_ = new KeyPressLineEdit;
    ind_A_->setObjectName(QStringLiteral("Ind_A"));
    ind_A_->setAccessibleName(QStringLiteral("Indicatif de la station"));
    QFont bold = ind_A_->font();
    bold.setBold(true);
    ind_A_->setFont(bold);
    ind_A_->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
    ind_A_->setKeyPressHandler([this](int& keyCode) { callsignKeyPress(keyCode); });
    inputs->addWidget(ind_A_);
    inputs->addWidget(new QLabel(QStringLiteral("Selection du fichier ADIF")));
    selection_ = new QPushButton(QStringLiteral("Selectionnez"));
    selection_->setObjectName(QStringLiteral("Selection"));
    connect(selection_, &QPushButton::clicked, this, &StartWindow::openSelection);
    inputs->addWidget(selection_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addWidget(boldLabel(QStringLiteral("F9XQA"), 24));
    setMinimumWidth(360);

    prepare();
}

void StartWindow::prepare() {
    centreOnScreen(*this);
    SettingsStore& store = app_.store();
    const QString setup = SettingsStore::globalSection();
    ind_A_->setText(store.read(setup, QStringLiteral("Indicatif"), QStringLiteral("Fxxxx")));
    setWindowTitle(QStringLiteral("Quenor_Etiquettes Revision ") + revision());
    store.write(setup, QStringLiteral("Chemin Repertoire"), QCoreApplication::applicationDirPath());
    store.write(setup, QStringLiteral("Revision"), revision());
    app_.reportStoreProblem();
}

void StartWindow::callsignKeyPress(int& keyCode) {
    if (keyCode > 96 && keyCode < 123) {
        keyCode -= 32;
    }
}

void StartWindow::openSelection() {
    loadLog();
}

bool StartWindow::rememberCallsign() {
    const QString callsign = ind_A_->text();
    if (callsign.isEmpty()) {
        app_.dialogs().message(QStringLiteral("Entrez votre indicatif"));
        return false;
    }
    app_.store().write(SettingsStore::globalSection(), QStringLiteral("Indicatif"), callsign);
    app_.setStationCallsign(callsign);
    app_.reportStoreProblem();
    return true;
}

void StartWindow::loadLog() {
    if (!rememberCallsign()) {
        return;
    }
    app_.selectionWindow().qsoList().clear();
    const QString fileName = app_.dialogs().openFileName(QStringLiteral(".adi  (*.adi)"));
    if (fileName.isEmpty()) {
        app_.dialogs().message(QStringLiteral("selectionnez un fichier ou quitter"));
        return;
    }
    readLog(fileName);
}

void StartWindow::loadLog(const QString& fileName) {
    if (!rememberCallsign()) {
        return;
    }
    app_.selectionWindow().qsoList().clear();
    readLog(fileName);
}

void StartWindow::readLog(const QString& fileName) {
    WindowSink sink(app_.dialogs());
    QString error;
    app_.setLogFileName(QString());
    if (!AdifReader::readFile(fileName, sink, &error)) {
        app_.dialogs().message(error);
        return;
    }
    app_.setLogFileName(fileName);
    SelectionWindow& selectionWindow = app_.selectionWindow();
    selectionWindow.qsoList().addAll(std::move(sink.rows));
    selectionWindow.show();
    selectionWindow.raise();
}
