#include "windows/card_print_window.h"

#include "settings/settings_store.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/qsl_template.h"
#include "platform/dialogs.h"
#include "printing/printer_calibration.h"
#include "selection/row_list.h"
#include "windows/print_target.h"
#include "windows/sent_marking.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

CardPrintWindow::CardPrintWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      impression_(new QPushButton(QStringLiteral("Impression de la QSL"))),
      parametres_(new QPushButton(QStringLiteral("Setup_QSL"))),
      quitter_(new QPushButton(QStringLiteral("Retour sélection Etiquettes"))),
      apercu_(new QPushButton(QStringLiteral("Aperçu"))) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Print_Bas_QSL"));
    setWindowTitle(QStringLiteral("Impression sur carte QSL"));

    auto* title = new QLabel(QStringLiteral("Impression sur carte QSL"));
    title->setObjectName(QStringLiteral("Label13"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(13.5);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* frame = new QGroupBox;
    (new QVBoxLayout(frame))->addWidget(title);

    impression_->setObjectName(QStringLiteral("Impression"));
    parametres_->setObjectName(QStringLiteral("Parametres"));
    quitter_->setObjectName(QStringLiteral("Quitter"));
    apercu_->setObjectName(QStringLiteral("Apercu"));
    apercu_->setAccessibleName(QStringLiteral("Aperçu des cartes"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(impression_);
    buttons->addWidget(apercu_);
    buttons->addWidget(parametres_);
    buttons->addWidget(quitter_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    setTabOrder(impression_, quitter_);
    setTabOrder(quitter_, parametres_);
    connect(impression_, &QPushButton::clicked, this, &CardPrintWindow::printCards);
    connect(parametres_, &QPushButton::clicked, this, &CardPrintWindow::openLayoutEditor);
    connect(quitter_, &QPushButton::clicked, this, &CardPrintWindow::closeWindow);
    connect(apercu_, &QPushButton::clicked, this, &CardPrintWindow::showPrintPreview);
    prepare();
}

void CardPrintWindow::prepare() {
    centreOnScreen(*this);
    impression_->setFocus();
}

bool CardPrintWindow::chooseTemplate(QslTemplate& model, QString* chosen) {
    Dialogs& dialogs = workspace_.dialogs();
    const QString fileName = dialogs.openFileName(QStringLiteral(".qsl  (*.qsl)"));
    if (fileName.isEmpty()) {
        dialogs.message(QStringLiteral("selectionnez un fichier ou quitter"));
        return false;
    }
    if (!CardPrintRun::hasQslExtension(fileName)) {
        dialogs.message(QStringLiteral("sélectionnez un fichier .qsl ou créez en un"));
        return false;
    }
    const QString problem = CardPrinting::readTemplate(fileName, model);
    if (!problem.isEmpty()) {
        dialogs.message(problem);
        return false;
    }
    if (chosen != nullptr) {
        *chosen = fileName;
    }
    return true;
}

void CardPrintWindow::warnOfLinesPastEdge(const QslTemplate& model, const QsoRecords& printList) {
    const std::optional<CardLayout> layout = CardLayout::from(model, nullptr);
    if (!layout) {
        return;
    }
    QStringList lines;
    for (const int line : CardPrintRun::linesPastEdge(model, *layout, printList)) {
        lines.append(QString::number(line));
    }
    if (lines.size() == 1) {
        workspace_.dialogs().message(
            QStringLiteral("La ligne %1 dépasse le bord de la carte").arg(lines.first()));
    } else if (!lines.isEmpty()) {
        workspace_.dialogs().message(QStringLiteral("Les lignes %1 dépassent le bord de la carte")
                                         .arg(lines.join(QStringLiteral(", "))));
    }
}

void CardPrintWindow::showPrintPreview() {
    QslTemplate model;
    if (!chooseTemplate(model)) {
        return;
    }
    workspace_.dialogs().showPrintPreview(
        workspace_.printer(), QStringLiteral("Aperçu des cartes"), [this, model](QPrinter& target) {
            QString error;
            if (CardPrinting::preview(model, workspace_.printList().records(), target, &error) ==
                PrinterJob::Result::Failed) {
                workspace_.dialogs().message(error);
            }
        });
}

void CardPrintWindow::printCards() {
    Dialogs& dialogs = workspace_.dialogs();
    QslTemplate model;
    QString templateName;
    if (!chooseTemplate(model, &templateName)) {
        return;
    }
    const QsoRecords rows = workspace_.printList().records();
    warnOfLinesPastEdge(model, rows);
    QPrinter& printer = workspace_.printer();
    CardPrinting::prepareCardPaper(printer);
    // Cancelling the printer dialog still prints, on the current printer.
    if (!PrintTarget::choose(dialogs, printer, workspace_.logFileName(),
                             QStringLiteral("cartes"))) {
        return;
    }
    const std::unique_ptr<Progress> progress = dialogs.showProgress(
        QStringLiteral("Impression des cartes : cartes imprimées"), static_cast<int>(rows.size()));
    const QPointF offset =
        PrinterCalibration(workspace_.store()).offset(PrinterCalibration::printerKey(printer));
    QString error;
    const PrinterJob::Result result = CardPrinting::print(
        model, rows, printer, QString(), &error, offset, {workspace_.logFileName(), templateName},
        [&progress](int cards) { return progress->advance(cards); });
    if (result == PrinterJob::Result::Failed) {
        dialogs.message(error);
    } else if (result == PrinterJob::Result::Done) {
        SentMarking::offer(workspace_, rows, QStringLiteral("D"),
                           {printer.outputFileName(), templateName, workspace_.store().fileName()});
    }
}

void CardPrintWindow::openLayoutEditor() {
    emit layoutEditorRequested();
}

void CardPrintWindow::closeWindow() {
    close();
    emit labelOptionsRequested();
}
