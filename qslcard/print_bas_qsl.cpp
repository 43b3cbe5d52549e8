#include "qslcard/print_bas_qsl.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "qslcard/card_print_run.h"
#include "qslcard/card_printing.h"
#include "qslcard/modele_qsl.h"
#include "selection/row_list.h"
#include "startup/app_windows.h"
#include "startup/window_placement.h"

Print_Bas_QSL::Print_Bas_QSL(AppWindows& app, QWidget* parent)
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
    connect(impression_, &QPushButton::clicked, this, &Print_Bas_QSL::Impression_Click);
    connect(parametres_, &QPushButton::clicked, this, &Print_Bas_QSL::Parametres_Click);
    connect(quitter_, &QPushButton::clicked, this, &Print_Bas_QSL::Quitter_Click);
    connect(apercu_, &QPushButton::clicked, this, &Print_Bas_QSL::Apercu_Click);
    Form_Load();
}

void Print_Bas_QSL::Form_Load() {
    centreOnScreen(*this);
    impression_->setFocus();
}

bool Print_Bas_QSL::chooseTemplate(Modele_QSL& model) {
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
    return true;
}

void Print_Bas_QSL::Apercu_Click() {
    Modele_QSL model;
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

void Print_Bas_QSL::Impression_Click() {
    Dialogs& dialogs = app_.dialogs();
    Modele_QSL model;
    if (!chooseTemplate(model)) {
        return;
    }
    QPrinter& printer = app_.printer();
    CardPrinting::prepareCardPaper(printer);
    dialogs.choosePrinter(printer);  // cancelling still prints, on the current printer
    RowList empty(RowList::Order::Sorted);
    const RowList* printList = app_.printList();
    QString error;
    if (CardPrinting::print(model, printList ? *printList : empty, printer, QString(), &error) ==
        PrinterJob::Result::Failed) {
        dialogs.message(error);
    }
}

void Print_Bas_QSL::Parametres_Click() {
    app_.showLayoutEditor();
}

void Print_Bas_QSL::Quitter_Click() {
    close();
    app_.showEtiquettes();
}
