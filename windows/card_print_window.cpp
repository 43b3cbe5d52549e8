#include "windows/card_print_window.h"

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
#include "selection/row_list.h"
#include "windows/application.h"
#include "windows/window_placement.h"

CardPrintWindow::CardPrintWindow(Application& app, QWidget* parent)
    : QWidget(parent),
      app_(app),
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
    connect(impression_, &QPushButton::clicked, this, &CardPrintWindow::Impression_Click);
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
    Dialogs& dialogs = app_.dialogs();
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

void CardPrintWindow::warnOfLinesPastEdge(const QslTemplate& model, const RowList& printList) {
    const std::optional<CardLayout> layout = CardLayout::from(model, nullptr);
    if (!layout) {
        return;
    }
    QStringList lines;
    for (const int line : CardPrintRun::linesPastEdge(model, *layout, printList)) {
        lines.append(QString::number(line));
    }
    if (lines.size() == 1) {
        app_.dialogs().message(
            QStringLiteral("La ligne %1 dépasse le bord de la carte").arg(lines.first()));
    } else if (!lines.isEmpty()) {
        app_.dialogs().message(QStringLiteral("Les lignes %1 dépassent le bord de la carte")
                                   .arg(lines.join(QStringLiteral(", "))));
    }
}

void CardPrintWindow::showPrintPreview() {
    QslTemplate model;
    if (!chooseTemplate(model)) {
        return;
    }
    app_.dialogs().showPrintPreview(app_.printer(), [this, model](QPrinter& target) {
        RowList empty(RowList::Order::Sorted);
        const RowList* printList = app_.printList();
        QString error;
        if (CardPrinting::preview(model, printList ? *printList : empty, target, &error) ==
            PrinterJob::Result::Failed) {
            app_.dialogs().message(error);
        }
    });
}

void CardPrintWindow::Impression_Click() {
    Dialogs& dialogs = app_.dialogs();
    QslTemplate model;
    QString templateName;
    if (!chooseTemplate(model, &templateName)) {
        return;
    }
    RowList empty(RowList::Order::Sorted);
    const RowList* printList = app_.printList();
    const RowList& rows = printList ? *printList : empty;
    warnOfLinesPastEdge(model, rows);
    QPrinter& printer = app_.printer();
    CardPrinting::prepareCardPaper(printer);
    dialogs.choosePrinter(printer);  // cancelling still prints, on the current printer
    QString error;
    if (CardPrinting::print(model, rows, printer, QString(), &error,
                            {app_.logFileName(), templateName}) == PrinterJob::Result::Failed) {
        dialogs.message(error);
    }
}

void CardPrintWindow::openLayoutEditor() {
    app_.showLayoutEditor();
}

void CardPrintWindow::closeWindow() {
    close();
    app_.showLabelOptions();
}
