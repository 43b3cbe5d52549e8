#include "windows/label_options_window.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "labels/label_options.h"
#include "labels/label_options_store.h"
#include "labels/sheet_table.h"
#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"
#include "settings/settings_store.h"
#include "windows/label_printing.h"
#include "windows/label_samples.h"
#include "windows/mail_options_widget.h"
#include "windows/option_controls.h"
#include "windows/validated_boxes.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

namespace {

// Closer lines than the style's default, so that the window fits a
// 1024 x 768 screen under a desktop panel.
const QMargins kTightMargins(6, 2, 6, 2);
constexpr int kTightSpacing = 2;
// The characters of a sheet's caption the box shows at least.
constexpr int kLongestSheetCaption = 40;

const char* const kCardsCaption =
    QT_TRANSLATE_NOOP("LabelOptionsWindow", "Impression directe sur QSL ");

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

LabelOptionsWindow::LabelOptionsWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      boxes_(workspace.dialogs(), [this] { imprime_->setFocus(); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Etiquettes"));
    setWindowTitle(tr("Impression étiquettes"));
    buildControls();
    prepare();
}

void LabelOptionsWindow::buildControls() {
    auto* title = new QLabel(tr("Impression d'étiquettes pour QSL"));
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(LabelSamples::sampleFont(font(), 13.5, true));
    title->setAlignment(Qt::AlignCenter);
    auto* titleFrame = new QGroupBox;
    auto* titleLayout = new QVBoxLayout(titleFrame);
    titleLayout->setContentsMargins(kTightMargins);
    titleLayout->addWidget(title);

    imprime_ = new QPushButton(tr("&Imprimer les étiquettes"));
    imprime_->setObjectName(QStringLiteral("Imprime"));
    apercu_ = new QPushButton(tr("&Aperçu"));
    apercu_->setObjectName(QStringLiteral("Apercu"));
    apercu_->setAccessibleName(tr("Aperçu des étiquettes"));
    connect(apercu_, &QPushButton::clicked, this, &LabelOptionsWindow::showPrintPreview);
    selection_ = new QPushButton(tr("&Retour sélection QSO"));
    selection_->setObjectName(QStringLiteral("Selection"));
    connect(imprime_, &QPushButton::clicked, this, &LabelOptionsWindow::startPrint);
    connect(selection_, &QPushButton::clicked, this, &LabelOptionsWindow::openSelection);

    auto* left = new QVBoxLayout;
    samples_ = new LabelSamples(font());
    type_ = samples_->typeGroup();
    left->addWidget(samples_);
    left->addWidget(buildActivation());
    left->addWidget(buildStation());
    auto* right = new QVBoxLayout;
    right->addWidget(buildOptionGroups());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    mail_ = new MailOptionsWidget(workspace_);
    connect(mail_, &MailOptionsWidget::addressBookRequested, this,
            &LabelOptionsWindow::addressBookRequested);
    connect(mail_->kindBox(), &QComboBox::currentIndexChanged, this,
            &LabelOptionsWindow::namePrintButton);
    buttons->addWidget(mail_);
    buttons->addStretch();
    buttons->addWidget(imprime_);
    buttons->addWidget(apercu_);
    buttons->addWidget(selection_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleFrame);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    setReadingTabOrder();
    for (QButtonGroup* group : {type_, langue_, format_, qsl_}) {
        OptionControls::tabOnCheckedOption(group);
    }
    boxes_.fitToLongestTexts();
}

void LabelOptionsWindow::setReadingTabOrder() {
    // The print button comes first and has the focus at opening; then the
    // window is read group by group, left column then right, down to the
    // other buttons.
    const auto option = [](QButtonGroup* group) { return group->buttons(); };
    QList<QWidget*> order{imprime_};
    for (QAbstractButton* button : option(type_)) {
        order.append(button);
    }
    for (const char* name :
         {"Num_Activite", "Nom_activite", "Num_Canton", "Num_CP", "Nom_Commune"}) {
        order.append(boxes_.box(text(name)));
    }
    order.append(effacer_);
    order.append(boxes_.box(QStringLiteral("Rx_Tx")));
    order.append(boxes_.box(QStringLiteral("Antenne")));
    for (QButtonGroup* group : {langue_, format_}) {
        for (QAbstractButton* button : option(group)) {
            order.append(button);
        }
    }
    order.append(otherSheet_);
    order.append(sheets_);
    order.append(ctV_);
    order.append(arretImp_);
    order.append(firstLabel_);
    order.append(regrouper_);
    for (QAbstractButton* button : option(qsl_)) {
        order.append(button);
    }
    order.append(boxes_.box(QStringLiteral("Texte_QSL")));
    order.append(apercu_);
    order << selection_ << mail_->tabOrder();
    OptionControls::setTabOrder(order);
}

QWidget* LabelOptionsWindow::buildOptionGroups() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kTightSpacing);

    auto* langueFrame = new QGroupBox(tr("Langue"));
    auto* langueLayout = new QHBoxLayout(langueFrame);
    langue_ = new QButtonGroup(this);
    LabelSamples::addOption(langue_, 1, tr("Francais"), QStringLiteral("Langue"), langueLayout)
        ->setChecked(true);
    LabelSamples::addOption(langue_, 2, tr("Anglais"), QStringLiteral("Langue"), langueLayout);
    connect(langue_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            showLanguageSamples(index);
        }
    });
    layout->addWidget(langueFrame);

    auto* formatFrame = new QGroupBox(tr("Format des étiquettes"));
    auto* formatLayout = new QVBoxLayout(formatFrame);
    formatLayout->setSpacing(0);  // seven lines: the window must fit a 768-pixel screen
    format_ = new QButtonGroup(this);
    for (const int index : {1, 2, 3, 6, 4, 5}) {
        const LabelSheet* sheet = SheetTable::tuned(index);
        LabelSamples::addOption(format_, index, sheet ? sheet->caption : tr(kCardsCaption),
                                QStringLiteral("F_Etiquette"), formatLayout);
    }
    sheetButton(1)->setChecked(true);
    auto* otherLine = new QHBoxLayout;
    LabelSamples::addOption(format_, kOtherSheet, tr("Autre planche :"),
                            QStringLiteral("F_Etiquette"), otherLine);
    otherSheet_ = new QComboBox;
    otherSheet_->setObjectName(QStringLiteral("otherSheetBox"));
    otherSheet_->setAccessibleName(tr("Autre planche"));
    // Each sheet's whole caption, in the box and in its list.
    otherSheet_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(otherSheet_, &QComboBox::activated, this,
            [this] { sheetButton(kOtherSheet)->setChecked(true); });
    otherLine->addWidget(otherSheet_, 1);
    sheets_ = new QPushButton(tr("&Planches…"));
    sheets_->setObjectName(QStringLiteral("Planches_Button"));
    connect(sheets_, &QPushButton::clicked, this, [this] { emit sheetsRequested(); });
    otherLine->addWidget(sheets_);
    formatLayout->addLayout(otherLine);
    layout->addWidget(formatFrame);

    layout->addWidget(buildPrintOptions());
    layout->addWidget(buildTexts());
    layout->addStretch();
    return column;
}

QWidget* LabelOptionsWindow::buildPrintOptions() {
    auto* printFrame = new QGroupBox(tr("Options d'impression"));
    auto* printLayout = new QVBoxLayout(printFrame);
    printLayout->setSpacing(kTightSpacing);
    auto* advice = new QVBoxLayout;
    advice->setSpacing(0);
    for (const char* line : {QT_TR_NOOP("Avant impression des étiquettes"),
                             QT_TR_NOOP("effectuez une impression sur une feuille"),
                             QT_TR_NOOP("Corrigez  éventuellement avec la fonction"),
                             QT_TR_NOOP("\"Décalage vertical feuille\" ci dessous")}) {
        advice->addWidget(new QLabel(tr(line)));
    }
    printLayout->addLayout(advice);
    auto* offsetLine = new QHBoxLayout;
    auto* label18 = new QLabel(tr("Décalage vertical feuille"));
    label18->setObjectName(QStringLiteral("Label18"));
    offsetLine->addWidget(label18);
    ctV_ = new QComboBox;
    ctV_->setObjectName(QStringLiteral("Ct_V"));
    ctV_->setEditable(true);
    ctV_->setInsertPolicy(QComboBox::NoInsert);
    ctV_->setAccessibleName(tr("Décalage vertical feuille"));
    offsetLine->addWidget(ctV_);
    offsetLine->addWidget(new QLabel(tr("ligne")));
    offsetLine->addStretch();
    printLayout->addLayout(offsetLine);
    // The stop box and the first label share a line, so that the window still
    // fits a 768-pixel screen.
    auto* sheetLine = new QHBoxLayout;
    arretImp_ = new QCheckBox(tr("Arret impression a chaque feuille"));
    arretImp_->setObjectName(QStringLiteral("Arret_Imp"));
    sheetLine->addWidget(arretImp_);
    sheetLine->addStretch();
    auto* firstCaption = new QLabel(tr("Première étiquette"));
    sheetLine->addWidget(firstCaption);
    firstLabel_ = new QSpinBox;
    firstLabel_->setObjectName(QStringLiteral("Premiere_Etiquette"));
    firstLabel_->setRange(1, 1);
    firstLabel_->setAccessibleName(tr("Première étiquette"));
    firstLabel_->setToolTip(
        tr("Sur une planche entamée : les étiquettes sont comptées de gauche à "
           "droite puis de haut en bas ; celles d'avant restent vierges."));
    firstCaption->setBuddy(firstLabel_);
    sheetLine->addWidget(firstLabel_);
    printLayout->addLayout(sheetLine);
    regrouper_ = new QCheckBox(tr("Regrouper les QSO d'une même station"));
    regrouper_->setObjectName(QStringLiteral("Regrouper"));
    regrouper_->setToolTip(
        tr("Les QSO d'un même indicatif et d'un même QSL via partagent une "
           "étiquette, une ligne par QSO."));
    printLayout->addWidget(regrouper_);
    connect(format_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            limitFirstLabel();
        }
    });
    connect(otherSheet_, &QComboBox::currentIndexChanged, this, [this] { limitFirstLabel(); });
    return printFrame;
}

QWidget* LabelOptionsWindow::buildTexts() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kTightSpacing);
    auto* qslFrame = new QGroupBox(tr("Libellé Texte QSL"));
    auto* qslLayout = new QVBoxLayout(qslFrame);
    qsl_ = new QButtonGroup(this);
    LabelSamples::addOption(qsl_, 1, tr("Merci pour le QSO  Pse QSL"), QStringLiteral("QSL"),
                            qslLayout)
        ->setChecked(true);
    LabelSamples::addOption(qsl_, 2, tr("Merci pour le QSO et pour  la QSL"), QStringLiteral("QSL"),
                            qslLayout);
    auto* lastRow = new QHBoxLayout;  // the fourth choice beside the third: no taller window
    qslLayout->addLayout(lastRow);
    LabelSamples::addOption(qsl_, 3, tr("Merci pour le QSO  pas de QSL"), QStringLiteral("QSL"),
                            lastRow);
    LabelSamples::addOption(qsl_, LabelOptions::kQslByCard, tr("Selon la QSL reçue"),
                            QStringLiteral("QSL"), lastRow);
    layout->addWidget(qslFrame);

    auto* commentFrame = new QGroupBox(tr("Libellé commentaire"));
    auto* commentLayout = new QHBoxLayout(commentFrame);
    commentLayout->addWidget(new QLabel(tr("Commentaire")));
    KeyPressLineEdit* comment =
        boxes_.add(QStringLiteral("Texte_QSL"), {false, 32, tr("32 caracteres maxi"), {}, {}});
    comment->setLostFocusHandler([this] { commentLostFocus(); });
    comment->setAccessibleName(tr("Commentaire"));
    commentLayout->addWidget(comment);
    layout->addWidget(commentFrame);
    return column;
}

QWidget* LabelOptionsWindow::buildActivation() {
    auto* frame = new QGroupBox(tr("Options de l'activation"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(kTightSpacing);
    struct Row {
        const char* name;
        const char* caption;
        ValidatedBoxes::Rule rule;
    };
    const Row rows[] = {
        {"Num_Activite",
         QT_TR_NOOP("N°de l'activité"),
         {true, 12, tr("12 caracteres maxi"), tr("Numero de l'activité obligatoire"),
          QStringLiteral("Nom_activite")}},
        {"Nom_activite",
         QT_TR_NOOP("Nom de l'activité"),
         {false, 30, tr("30 caracteres maxi"), tr("Nom de l'activité obligatoire"),
          QStringLiteral("Num_Canton")}},
        {"Num_Canton",
         QT_TR_NOOP("N° du Canton"),
         {true, 4, tr("4 caracteres maxi"), tr("Numero du Canton obligatoire"),
          QStringLiteral("Num_CP")}},
        {"Num_CP",
         QT_TR_NOOP("Code postal"),
         {true, 5, tr("5 caracteres maxi"), tr("Numero du code postal obligatoire"),
          QStringLiteral("Nom_Commune")}},
        {"Nom_Commune",
         QT_TR_NOOP("Commune"),
         {false, 26, tr("26 caracteres maxi"), tr("Nom de la commune obligatoire"),
          QStringLiteral("Imprime")}},
    };
    int line = 0;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(tr(row.caption)), line, 0);
        KeyPressLineEdit* box = boxes_.add(text(row.name), row.rule);
        box->setAccessibleName(tr(row.caption));
        grid->addWidget(box, line, 1);
        ++line;
    }
    effacer_ = new QPushButton(tr("&Effacer"));
    effacer_->setObjectName(QStringLiteral("Effacer"));
    connect(effacer_, &QPushButton::clicked, this, &LabelOptionsWindow::clearBoxes);
    grid->addWidget(effacer_, 0, 2);
    ValidatedBoxes::colour(boxes_.box(QStringLiteral("Num_Activite")), nextColour());
    return frame;
}

QWidget* LabelOptionsWindow::buildStation() {
    auto* frame = new QGroupBox(tr("Options station"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(kTightSpacing);
    grid->addWidget(new QLabel(tr("Transceiver ")), 0, 0);
    KeyPressLineEdit* transceiver =
        boxes_.add(QStringLiteral("Rx_Tx"),
                   {false, 40, tr("40 caracteres maxi"), {}, QStringLiteral("Antenne")});
    transceiver->setAccessibleName(tr("Transceiver"));
    grid->addWidget(transceiver, 0, 1);
    grid->addWidget(new QLabel(tr("Antenne")), 1, 0);
    KeyPressLineEdit* antenna =
        boxes_.add(QStringLiteral("Antenne"),
                   {false, 15, tr("15 caracteres maxi"), {}, QStringLiteral("Imprime")});
    antenna->setAccessibleName(tr("Antenne"));
    grid->addWidget(antenna, 1, 1);
    ValidatedBoxes::colour(transceiver, nextColour());
    return frame;
}

void LabelOptionsWindow::reloadSheets() {
    const QString current = otherSheets_.value(otherSheet_->currentIndex());
    otherSheets_.clear();
    otherSheet_->clear();
    for (const LabelSheet& sheet : workspace_.sheets().all()) {
        if (!sheet.isTuned()) {
            otherSheets_.append(sheet.name);
            otherSheet_->addItem(sheet.caption);
        }
    }
    // The box never narrower than its longest caption (the layout would cut it),
    // up to a width that keeps the window on a 1024-pixel screen; its list
    // always shows the whole captions.
    const int whole = otherSheet_->sizeHint().width();
    otherSheet_->setMinimumWidth(
        std::min(whole, otherSheet_->fontMetrics().averageCharWidth() * kLongestSheetCaption));
    otherSheet_->view()->setMinimumWidth(whole);
    const qsizetype kept = otherSheets_.indexOf(current);
    otherSheet_->setCurrentIndex(kept < 0 ? 0 : static_cast<int>(kept));
}

void LabelOptionsWindow::limitFirstLabel() {
    if (firstLabel_ == nullptr || format_->checkedId() == LabelOptions::kCardFormat) {
        return;
    }
    const LabelSheet* sheet = workspace_.sheets().sheetFor(options());
    firstLabel_->setRange(1, sheet != nullptr ? sheet->labelsPerSheet() : 1);
}

QRadioButton* LabelOptionsWindow::radio(const QButtonGroup* group, int index) {
    return qobject_cast<QRadioButton*>(group->button(index));
}

KeyPressLineEdit* LabelOptionsWindow::box(const QString& name) const {
    return boxes_.box(name);
}

QLabel* LabelOptionsWindow::sample(const QString& name) const {
    return samples_->sample(name);
}

void LabelOptionsWindow::prepare() {
    centreOnScreen(*this);
    ctV_->addItems(LabelOptions::offsets());
    SettingsStore& store = workspace_.store();
    samples_->setCallsign(store.read(StoredSettings::kCallsign));
    restore(LabelOptionsStore(store).load(workspace_.stationCallsign()));
    connect(&workspace_, &Workspace::stationCallsignChanged, samples_,
            [this](const QString& callsign) { samples_->setCallsign(callsign); });
    imprime_->setFocus();
}

void LabelOptionsWindow::restore(const LabelOptions& options) {
    box(QStringLiteral("Num_Activite"))->setText(options.activationNumber);
    box(QStringLiteral("Nom_activite"))->setText(options.activationName);
    box(QStringLiteral("Num_Canton"))->setText(options.canton);
    box(QStringLiteral("Num_CP"))->setText(options.postcode);
    box(QStringLiteral("Nom_Commune"))->setText(options.municipality);
    box(QStringLiteral("Rx_Tx"))->setText(options.transceiver);
    box(QStringLiteral("Antenne"))->setText(options.antenna);
    box(QStringLiteral("Texte_QSL"))->setText(options.comment);
    languageButton(options.french ? 1 : 2)->setChecked(true);
    tunedFormat_ = options.format;
    reloadSheets();
    const qsizetype named = otherSheets_.indexOf(options.sheet);
    if (!options.sheet.isEmpty() && named >= 0) {
        otherSheet_->setCurrentIndex(static_cast<int>(named));
    }
    sheetButton(options.onCards                            ? LabelOptions::kCardFormat
                : (!options.sheet.isEmpty() && named >= 0) ? kOtherSheet
                                                           : options.format)
        ->setChecked(true);
    labelTypeButton(options.type)->setChecked(true);
    qslButton(options.qsl)->setChecked(true);
    ctV_->setCurrentIndex(LabelOptionsStore::positionOfOffset(options.offset));
    regrouper_->setChecked(options.group);
    if (ctV_->currentIndex() < 0) {
        ctV_->setEditText(QString());
    }
    limitFirstLabel();
}

LabelOptions LabelOptionsWindow::options() const {
    LabelOptions options;
    options.station = workspace_.stationCallsign();
    const int chosen = format_->checkedId();
    options.onCards = chosen == LabelOptions::kCardFormat;
    options.format = SheetTable::tuned(chosen) != nullptr ? chosen : tunedFormat_;
    if (chosen == kOtherSheet) {
        options.sheet = otherSheets_.value(otherSheet_->currentIndex());
    }
    options.type = type_->checkedId();
    options.french = langue_->checkedId() == 1;
    options.qsl = qsl_->checkedId();
    options.offset = ctV_->currentText();
    options.stopEachSheet = arretImp_->isChecked();
    options.firstLabel = firstLabel_->value();
    options.group = regrouper_->isChecked();
    options.comment = box(QStringLiteral("Texte_QSL"))->text();
    options.transceiver = box(QStringLiteral("Rx_Tx"))->text();
    options.antenna = box(QStringLiteral("Antenne"))->text();
    options.activationNumber = box(QStringLiteral("Num_Activite"))->text();
    options.activationName = box(QStringLiteral("Nom_activite"))->text();
    options.canton = box(QStringLiteral("Num_Canton"))->text();
    options.postcode = box(QStringLiteral("Num_CP"))->text();
    options.municipality = box(QStringLiteral("Nom_Commune"))->text();
    return options;
}

void LabelOptionsWindow::showLanguageSamples(int index) {
    samples_->showLanguage(index == 1);
}

void LabelOptionsWindow::commentLostFocus() {
    KeyPressLineEdit* comment = box(QStringLiteral("Texte_QSL"));
    if (comment->text().trimmed().size() > boxes_.rule(QStringLiteral("Texte_QSL")).maximum) {
        workspace_.dialogs().message(tr("32 caracteres maxi"));
        comment->setFocus();
    }
}

void LabelOptionsWindow::clearBoxes() {
    for (const char* name :
         {"Num_Activite", "Nom_activite", "Num_Canton", "Num_CP", "Nom_Commune"}) {
        box(text(name))->clear();
    }
}

void LabelOptionsWindow::openSelection() {
    close();
}

void LabelOptionsWindow::namePrintButton() {
    imprime_->setText(mail_->kind() == MailOptionsWidget::kEnvelopes
                          ? tr("&Imprimer les enveloppes")
                          : tr("&Imprimer les étiquettes"));
}

void LabelOptionsWindow::startPrint() {
    if (format_->checkedId() != LabelOptions::kCardFormat && !workspace_.confirmStationCallsign()) {
        return;
    }
    const LabelOptions chosen = options();
    const QString problem = chosen.lengthProblem();
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return;
    }
    LabelOptionsStore(workspace_.store()).save(chosen);
    workspace_.reportStoreProblem();
    if (mail_->takesRun()) {
        mail_->print(chosen);
        return;
    }
    if (chosen.onCards) {
        emit cardPrintingRequested();
        return;
    }
    printLabels(chosen);
}

void LabelOptionsWindow::printLabels(const LabelOptions& options) {
    const std::optional<PrinterJob::Result> result = LabelPrinting(workspace_).print(options);
    if (!result) {
        return;
    }
    // The sheet the run started on is used now: the next run starts a new one.
    firstLabel_->setValue(1);
    if (*result == PrinterJob::Result::Done) {
        ValidatedBoxes::colour(box(QStringLiteral("Num_Activite")), nextColour());
        ValidatedBoxes::colour(box(QStringLiteral("Rx_Tx")), nextColour());
    }
}

void LabelOptionsWindow::showPrintPreview() {
    const LabelOptions chosen = options();
    const QString problem = chosen.lengthProblem();
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return;
    }
    if (mail_->takesRun()) {
        mail_->preview(chosen, [this] { imprime_->click(); });
        return;
    }
    if (chosen.onCards) {
        workspace_.dialogs().message(
            tr("Pour l'impression directe sur QSL, l'aperçu se fait dans la fenêtre "
               "d'impression sur carte QSL."));
        return;
    }
    LabelPrinting(workspace_).preview(chosen, [this] { imprime_->click(); });
}
