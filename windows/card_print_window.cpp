#include "windows/card_print_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "cards/card_job.h"
#include "cards/card_picture.h"
#include "cards/card_print_run.h"
#include "cards/card_printing.h"
#include "cards/qsl_template.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "windows/bureau_check.h"
#include "windows/dialogs_job_listener.h"
#include "windows/print_target.h"
#include "windows/sent_marking.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

CardPrintWindow::CardPrintWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      impression_(new QPushButton(tr("&Impression de la QSL"))),
      parametres_(new QPushButton(tr("&Setup_QSL"))),
      quitter_(new QPushButton(tr("&Retour sélection Etiquettes"))),
      apercu_(new QPushButton(tr("&Aperçu"))),
      choisir_(new QPushButton(tr("&Choisir le modèle…"))),
      templateLabel_(new QLabel),
      enveloppes_(new QPushButton(tr("&Enveloppes…"))),
      regrouper_(new QCheckBox(tr("Re&grouper les QSO d'une même station"))),
      remerciements_(new QComboBox),
      cartesParPage_(new QComboBox),
      papier_(new QComboBox),
      premiereCarte_(new QSpinBox) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Print_Bas_QSL"));
    setWindowTitle(tr("Impression sur carte QSL"));

    auto* title = new QLabel(tr("Impression sur carte QSL"));
    title->setObjectName(QStringLiteral("Label13"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(13.5);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* frame = new QGroupBox;
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(title);
    templateLabel_->setObjectName(QStringLiteral("templateLabel"));
    templateLabel_->setTextFormat(Qt::PlainText);
    auto* templateLine = new QHBoxLayout;
    templateLine->addWidget(templateLabel_, 1);
    choisir_->setObjectName(QStringLiteral("templateButton"));
    templateLine->addWidget(choisir_);
    frameLayout->addLayout(templateLine);
    frameLayout->addWidget(makeRunControls());

    impression_->setObjectName(QStringLiteral("Impression"));
    parametres_->setObjectName(QStringLiteral("Parametres"));
    quitter_->setObjectName(QStringLiteral("Quitter"));
    apercu_->setObjectName(QStringLiteral("Apercu"));
    apercu_->setAccessibleName(tr("Aperçu des cartes"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(impression_);
    buttons->addWidget(apercu_);
    buttons->addWidget(parametres_);
    buttons->addWidget(enveloppes_);
    buttons->addWidget(quitter_);
    enveloppes_->setObjectName(QStringLiteral("Enveloppes"));
    enveloppes_->setAccessibleName(tr("Enveloppes de ces cartes"));
    enveloppes_->setEnabled(false);
    connect(enveloppes_, &QPushButton::clicked, this, &CardPrintWindow::envelopesRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    setTabOrder(impression_, quitter_);
    setTabOrder(quitter_, parametres_);
    connect(impression_, &QPushButton::clicked, this, &CardPrintWindow::printCards);
    connect(parametres_, &QPushButton::clicked, this, &CardPrintWindow::openLayoutEditor);
    connect(quitter_, &QPushButton::clicked, this, &CardPrintWindow::closeWindow);
    connect(apercu_, &QPushButton::clicked, this, &CardPrintWindow::showPrintPreview);
    connect(choisir_, &QPushButton::clicked, this, &CardPrintWindow::chooseTemplate);
    showTemplate();
    prepare();
}

QWidget* CardPrintWindow::makeRunControls() {
    auto* controls = new QWidget;
    auto* form = new QFormLayout(controls);
    form->setContentsMargins(0, 0, 0, 0);
    regrouper_->setObjectName(QStringLiteral("Regrouper"));
    form->addRow(regrouper_);
    remerciements_->setObjectName(QStringLiteral("Remerciements"));
    remerciements_->addItems(
        {tr("PSE QSL"), tr("TNX QSL"), tr("Sans remerciement"), tr("Selon la QSL reçue")});
    remerciements_->setCurrentIndex(3);
    form->addRow(tr("Re&merciements"), remerciements_);
    cartesParPage_->setObjectName(QStringLiteral("CartesParPage"));
    cartesParPage_->addItems(
        {tr("1 carte par page"), tr("2 cartes par page"), tr("4 cartes par page")});
    form->addRow(tr("Cartes par &page"), cartesParPage_);
    papier_->setObjectName(QStringLiteral("Papier"));
    papier_->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    form->addRow(tr("&Format du papier"), papier_);
    premiereCarte_->setObjectName(QStringLiteral("PremiereCarte"));
    premiereCarte_->setRange(1, 1);
    form->addRow(tr("Première car&te"), premiereCarte_);
    const auto follow = [this] {
        const int perPage = runOptions().perPage;
        premiereCarte_->setMaximum(perPage);
        premiereCarte_->setEnabled(perPage > 1);
        papier_->setEnabled(perPage > 1);
    };
    connect(cartesParPage_, qOverload<int>(&QComboBox::currentIndexChanged), this, follow);
    follow();
    return controls;
}

CardRunOptions CardPrintWindow::runOptions() const {
    CardRunOptions options;
    options.group = regrouper_->isChecked();
    constexpr CardValues::Thanks kThanks[] = {CardValues::Thanks::Pse, CardValues::Thanks::Tnx,
                                              CardValues::Thanks::None, CardValues::Thanks::ByCard};
    options.thanks = kThanks[std::clamp(remerciements_->currentIndex(), 0, 3)];
    constexpr int kPerPage[] = {1, 2, 4};
    options.perPage = kPerPage[std::clamp(cartesParPage_->currentIndex(), 0, 2)];
    options.paper = papier_->currentText();
    options.firstCard = premiereCarte_->value();
    options.templateFolder = QFileInfo(templateFile()).absolutePath();
    return options;
}

void CardPrintWindow::prepare() {
    centreOnScreen(*this);
    impression_->setFocus();
}

QString CardPrintWindow::templateFile() const {
    const QString last = workspace_.lastTemplate();
    return last == unusable_ ? QString() : last;
}

void CardPrintWindow::showTemplate() {
    const QString file = templateFile();
    templateLabel_->setText(
        file.isEmpty() ? tr("Modèle : aucun, il sera demandé")
                       : QStringLiteral("Modèle : %1").arg(QDir::toNativeSeparators(file)));
    templateLabel_->setAccessibleName(templateLabel_->text());
}

// The layout editor may have opened or saved another template meanwhile.
void CardPrintWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        showTemplate();
    }
}

QString CardPrintWindow::askTemplateFile() {
    Dialogs& dialogs = workspace_.dialogs();
    const QString fileName =
        dialogs.openFileName(QStringLiteral(".qsl  (*.qsl)"), workspace_.templateFolder());
    if (fileName.isEmpty()) {
        dialogs.message(tr("selectionnez un fichier ou quitter"));
        return {};
    }
    if (!CardPrintRun::hasQslExtension(fileName)) {
        dialogs.message(tr("sélectionnez un fichier .qsl ou créez en un"));
        return {};
    }
    return fileName;
}

void CardPrintWindow::chooseTemplate() {
    const QString fileName = askTemplateFile();
    if (!fileName.isEmpty()) {
        workspace_.rememberTemplate(fileName);
        unusable_.clear();
        showTemplate();
    }
}

bool CardPrintWindow::readTemplate(QslTemplate& model) {
    if (templateFile().isEmpty() || !QFileInfo::exists(templateFile())) {
        chooseTemplate();
    }
    const QString file = templateFile();
    if (file.isEmpty() || !QFileInfo::exists(file)) {
        return false;
    }
    const QString problem = CardPrinting::readTemplate(file, model);
    if (!problem.isEmpty()) {
        // An unusable template is asked for again next time.
        workspace_.dialogs().message(problem);
        unusable_ = file;
        showTemplate();
        return false;
    }
    showTemplate();
    return true;
}

void CardPrintWindow::warnOfLinesPastEdge(const CardJob& job) {
    QStringList lines;
    for (const int line : job.linesPastEdge()) {
        lines.append(QString::number(line));
    }
    if (lines.size() == 1) {
        workspace_.dialogs().message(
            tr("La ligne %1 dépasse le bord de la carte").arg(lines.first()));
    } else if (!lines.isEmpty()) {
        workspace_.dialogs().message(tr("Les lignes %1 dépassent le bord de la carte")
                                         .arg(lines.join(QStringLiteral(", "))));
    }
    const QStringList others = job.warnings();
    if (!others.isEmpty()) {
        workspace_.dialogs().message(others.join(QLatin1Char('\n')));
    }
}

void CardPrintWindow::showPrintPreview() {
    QslTemplate model;
    if (!readTemplate(model)) {
        return;
    }
    // The preview may draw again (a new page size, a zoom) for as long as it is shown.
    const auto job = std::make_shared<CardJob>(workspace_.store(), model,
                                               workspace_.printList().records(), runOptions());
    if (!job->error().isEmpty()) {
        workspace_.dialogs().message(job->error());
        return;
    }
    Dialogs& dialogs = workspace_.dialogs();
    dialogs.showPrintPreview(
        workspace_.printer(), tr("Aperçu des cartes"),
        [job, &dialogs](QPrinter& target) {
            if (job->preview(target) == PrinterJob::Result::Failed) {
                dialogs.message(job->error());
            }
        },
        [this] { impression_->click(); });
}

void CardPrintWindow::printCards() {
    Dialogs& dialogs = workspace_.dialogs();
    if (workspace_.saysPrintListEmpty()) {
        return;
    }
    QslTemplate model;
    if (!readTemplate(model)) {
        return;
    }
    BureauCheck bureau(workspace_);
    const std::optional<QsoRecords> records = bureau.recordsToPrint(workspace_.recordsToPrint());
    if (!records) {
        return;
    }
    CardJob job(workspace_.store(), model, *records, runOptions());
    if (!job.error().isEmpty()) {
        dialogs.message(job.error());
        return;
    }
    warnOfLinesPastEdge(job);
    QPrinter& printer = workspace_.printer();
    job.preparePaper(printer);
    if (!PrintTarget::choose(dialogs, printer, workspace_.logFileName(),
                             QStringLiteral("cartes"))) {
        return;
    }
    DialogsJobListener listener(dialogs);
    job.setListener(listener);
    job.setInputs(workspace_
                      .runFiles({templateFile(), CardPicture::fileOf(model.design.picture,
                                                                     runOptions().templateFolder)})
                      .files());
    const PrinterJob::Result result = job.print(printer);
    if (!job.notice().isEmpty()) {
        dialogs.message(job.notice());
    }
    if (result == PrinterJob::Result::Failed) {
        dialogs.message(job.error());
    } else if (result == PrinterJob::Result::Done) {
        bureau.sayCount(job.records());
        SentMarking::offer(workspace_, job, printer.outputFileName());
        enveloppes_->setEnabled(true);
    }
}

void CardPrintWindow::openLayoutEditor() {
    emit layoutEditorRequested();
}

void CardPrintWindow::closeWindow() {
    close();
    emit labelOptionsRequested();
}
