#include "windows/label_options_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "labels/label_options.h"
#include "labels/label_options_store.h"
#include "labels/label_print_run.h"
#include "labels/sheet_geometry.h"
#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"
#include "printing/print_geometry.h"
#include "printing/printer_job.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "windows/application.h"
#include "windows/window_placement.h"

namespace {

struct SampleText {
    const char* label;
    const char* initial;
    const char* french;
    const char* english;
};

// The two sample labels, top to bottom; null texts never change.
const SampleText kQsoSample[] = {
    {"Label10", "Pour F9XQA  Via F9XQB", "Pour F9XQA  Via F9XQB", "To F9XQA  Via F9XQB"},
    {"Label11", "Date  14/01/06   Time 08:35 UTC", nullptr, nullptr},
    {"Label12", "Bande  7 Mhz   Mode SSB   RST 59", "Bande  7 Mhz   Mode SSB  RST 59",
     "Bande  7 Mhz   Mode SSB  RST 59"},
    {"Label13", "TX :  FT 847 100 W      Ant : Dipole 2x10m", nullptr, nullptr},
    {"Label30", "Coupe du REF SSB", nullptr, nullptr},
    {"Label14", " Merci  pour le QSO Pse QSL", "Merci pour le QSO   Pse QSL",
     "Tnx for the QSO  Pse QSL"},
};

const SampleText kActivationSample[] = {
    {"Label21", "De F9XQC/P  pour  F9XQA", "De F9XQC/P  pour F9XQA", "From F9XQC/P  To F9XQA"},
    {"Label23", "DFCF 59101 Chateau de Branleux", nullptr, nullptr},
    {"Label24", "CP 59680   QTH Colleret", "CP 59680  QTH Colleret", "CP 59680  QTH Colleret"},
    {"Label9", "N° Canton  5945", "N° Canton 5945", "N° Canton 5945"},
    {"Label20", "Le 05/08/07  07:51 UTC  7 Mhz   SSB  RST 59",
     "Le 05/08/07  07:51 UTC  7 Mhz  SSB  RST 59", "Le 05/08/07  07:51 UTC  7 Mhz  SSB  RST 59"},
    {"Label7", "TX :  FT 847 100 W    Ant : Dipole 2x10m ", nullptr, nullptr},
    {"Label1", "Merci pour le QSO pas de QSL ", "Merci pour le QSO pas de QSL ",
     "Tnx for the QSO no QSL "},
};

const char* const kFormatCaptions[] = {
    "AVERY L7162                 99.1 x 33.9     16 Etiquettes",
    "DECADRY OLW 4732       99.1 x 34     16 Etiquettes",
    "AVERY DP 167                  105 x 37      16 Etiquettes",
    "AVERY L7163                 99.1 x 38.1     14 Etiquettes",
    "Impression directe sur QSL ",
    "DECADRY DLW 1799       105 x 35      16Etiquettes",
};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QFont sampleFont(const QFont& base, qreal points, bool bold, const char* family = nullptr) {
    QFont font = base;
    if (family != nullptr) {
        font.setFamily(text(family));
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRadioButton* addOption(QButtonGroup* group, int index, const QString& caption, const QString& name,
                        QLayout* layout) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(QStringLiteral("%1(%2)").arg(name, QString::number(index)));
    group->addButton(option, index);
    layout->addWidget(option);
    return option;
}

}  // namespace

LabelOptionsWindow::LabelOptionsWindow(Application& app, QWidget* parent)
    : QWidget(parent), app_(app) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Etiquettes"));
    setWindowTitle(QStringLiteral("Impression étiquettes"));
    buildControls();
    prepare();
}

void LabelOptionsWindow::colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

KeyPressLineEdit* LabelOptionsWindow::addBox(const QString& name, const Validation& rule) {
    auto* box = new KeyPressLineEdit;
    box->setObjectName(name);
    colour(box, restColour());
    box->setKeyPressHandler([this, name](int& keyCode) { keyPress(name, keyCode); });
    boxes_[name] = box;
    rules_[name] = rule;
    return box;
}

void LabelOptionsWindow::buildControls() {
    auto* title = new QLabel(QStringLiteral("Impression d'étiquettes pour QSL"));
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(sampleFont(font(), 13.5, true));
    title->setAlignment(Qt::AlignCenter);
    auto* titleFrame = new QGroupBox;
    (new QVBoxLayout(titleFrame))->addWidget(title);

    imprime_ = new QPushButton(QStringLiteral("Imprimer les étiquettes"));
    imprime_->setObjectName(QStringLiteral("Imprime"));
    apercu_ = new QPushButton(QStringLiteral("Aperçu"));
    apercu_->setObjectName(QStringLiteral("Apercu"));
    apercu_->setAccessibleName(QStringLiteral("Aperçu des étiquettes"));
    connect(apercu_, &QPushButton::clicked, this, &LabelOptionsWindow::showPrintPreview);
    selection_ = new QPushButton(QStringLiteral("Retour sélection QSO"));
    selection_->setObjectName(QStringLiteral("Selection"));
    connect(imprime_, &QPushButton::clicked, this, &LabelOptionsWindow::startPrint);
    connect(selection_, &QPushButton::clicked, this, &LabelOptionsWindow::openSelection);

    auto* left = new QVBoxLayout;
    left->addWidget(buildSamples());
    left->addWidget(buildActivation());
    left->addWidget(buildStation());
    auto* right = new QVBoxLayout;
    right->addWidget(buildOptionGroups());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(imprime_);
    buttons->addWidget(apercu_);
    buttons->addWidget(selection_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleFrame);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    // The print button comes first in the tab order and has the focus at opening.
    setTabOrder(imprime_, boxes_.at(QStringLiteral("Num_Activite")));
}

QWidget* LabelOptionsWindow::buildSamples() {
    auto* frame = new QGroupBox;
    auto* layout = new QVBoxLayout(frame);
    auto* indicatif = new QHBoxLayout;
    indicatif->addWidget(new QLabel(QStringLiteral("Indicatif")));
    indica_ = new QLineEdit;
    indica_->setObjectName(QStringLiteral("Indica"));
    indica_->setReadOnly(true);
    indica_->setFocusPolicy(Qt::NoFocus);
    indica_->setAlignment(Qt::AlignCenter);
    indica_->setFont(sampleFont(font(), 12, true));
    indicatif->addWidget(indica_);
    layout->addLayout(indicatif);

    type_ = new QButtonGroup(this);
    const auto addSample = [&](int index, const QString& caption, const auto& lines) {
        addOption(type_, index, caption, QStringLiteral("Type_Etiquette"), layout);
        auto* sampleFrame = new QGroupBox;
        auto* sampleLayout = new QVBoxLayout(sampleFrame);
        sampleLayout->setSpacing(0);
        for (const SampleText& line : lines) {
            auto* label = new QLabel(text(line.initial));
            label->setObjectName(text(line.label));
            label->setAlignment(Qt::AlignCenter);
            label->setTextFormat(Qt::PlainText);
            samples_[label->objectName()] = label;
            sampleLayout->addWidget(label);
        }
        layout->addWidget(sampleFrame);
    };
    addSample(LabelOptions::kQsoLabel, QStringLiteral("Exemple d'étiquette confirmant un QSO "),
              kQsoSample);
    addSample(LabelOptions::kActivationLabel,
              QStringLiteral("Exemple d'étiquette confirmant une activation"), kActivationSample);
    labelTypeButton(LabelOptions::kQsoLabel)->setChecked(true);

    const QFont base = font();
    samples_.at(QStringLiteral("Label10"))->setFont(sampleFont(base, 12, true));
    samples_.at(QStringLiteral("Label21"))->setFont(sampleFont(base, 9.75, true));
    samples_.at(QStringLiteral("Label14"))->setFont(sampleFont(base, 8.25, true));
    samples_.at(QStringLiteral("Label23"))->setFont(sampleFont(base, 8.25, true));
    samples_.at(QStringLiteral("Label7"))->setFont(sampleFont(base, 8.25, false, "Arial"));
    return frame;
}

QWidget* LabelOptionsWindow::buildOptionGroups() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* langueFrame = new QGroupBox(QStringLiteral("Langue"));
    auto* langueLayout = new QHBoxLayout(langueFrame);
    langue_ = new QButtonGroup(this);
    addOption(langue_, 1, QStringLiteral("Francais"), QStringLiteral("Langue"), langueLayout)
        ->setChecked(true);
    addOption(langue_, 2, QStringLiteral("Anglais"), QStringLiteral("Langue"), langueLayout);
    connect(langue_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            showLanguageSamples(index);
        }
    });
    layout->addWidget(langueFrame);

    auto* formatFrame = new QGroupBox(QStringLiteral("Format des étiquettes"));
    auto* formatLayout = new QVBoxLayout(formatFrame);
    format_ = new QButtonGroup(this);
    for (const int index : {1, 2, 3, 6, 4, 5}) {
        addOption(format_, index, text(kFormatCaptions[index - 1]), QStringLiteral("F_Etiquette"),
                  formatLayout);
    }
    sheetButton(1)->setChecked(true);
    layout->addWidget(formatFrame);

    auto* printFrame = new QGroupBox(QStringLiteral("Options d'impression"));
    auto* printLayout = new QVBoxLayout(printFrame);
    for (const char* line :
         {"Avant impression des étiquettes", "effectuez une impression sur une feuille",
          "Corrigez  éventuellement avec la fonction",
          "\"Décalage vertical feuille\" ci dessous"}) {
        printLayout->addWidget(new QLabel(text(line)));
    }
    auto* offsetLine = new QHBoxLayout;
    auto* label18 = new QLabel(QStringLiteral("Décalage vertical feuille"));
    label18->setObjectName(QStringLiteral("Label18"));
    offsetLine->addWidget(label18);
    ctV_ = new QComboBox;
    ctV_->setObjectName(QStringLiteral("Ct_V"));
    ctV_->setEditable(true);
    ctV_->setInsertPolicy(QComboBox::NoInsert);
    ctV_->setAccessibleName(QStringLiteral("Décalage vertical feuille"));
    offsetLine->addWidget(ctV_);
    offsetLine->addWidget(new QLabel(QStringLiteral("ligne")));
    offsetLine->addStretch();
    printLayout->addLayout(offsetLine);
    arretImp_ = new QCheckBox(QStringLiteral("Arret impression a chaque feuille"));
    arretImp_->setObjectName(QStringLiteral("Arret_Imp"));
    printLayout->addWidget(arretImp_);
    layout->addWidget(printFrame);

    auto* qslFrame = new QGroupBox(QStringLiteral("Libellé Texte QSL"));
    auto* qslLayout = new QVBoxLayout(qslFrame);
    qsl_ = new QButtonGroup(this);
    addOption(qsl_, 1, QStringLiteral("Merci pour le QSO  Pse QSL"), QStringLiteral("QSL"),
              qslLayout)
        ->setChecked(true);
    addOption(qsl_, 2, QStringLiteral("Merci pour le QSO et pour  la QSL"), QStringLiteral("QSL"),
              qslLayout);
    addOption(qsl_, 3, QStringLiteral("Merci pour le QSO  pas de QSL"), QStringLiteral("QSL"),
              qslLayout);
    layout->addWidget(qslFrame);

    auto* commentFrame = new QGroupBox(QStringLiteral("Libellé commentaire"));
    auto* commentLayout = new QHBoxLayout(commentFrame);
    commentLayout->addWidget(new QLabel(QStringLiteral("Commentaire")));
    KeyPressLineEdit* comment = addBox(QStringLiteral("Texte_QSL"),
                                       {false, 32, QStringLiteral("32 caracteres maxi"), {}, {}});
    comment->setLostFocusHandler([this] { commentLostFocus(); });
    comment->setAccessibleName(QStringLiteral("Commentaire"));
    commentLayout->addWidget(comment);
    layout->addWidget(commentFrame);
    layout->addStretch();
    return column;
}

QWidget* LabelOptionsWindow::buildActivation() {
    auto* frame = new QGroupBox(QStringLiteral("Options de l'activation"));
    auto* grid = new QGridLayout(frame);
    struct Row {
        const char* name;
        const char* caption;
        Validation rule;
    };
    const Row rows[] = {
        {"Num_Activite",
         "N°de l'activité",
         {true, 12, QStringLiteral("12 caracteres maxi"),
          QStringLiteral("Numero de l'activité obligatoire"), QStringLiteral("Nom_activite")}},
        {"Nom_activite",
         "Nom de l'activité",
         {false, 30, QStringLiteral("30 caracteres maxi"),
          QStringLiteral("Nom de l'activité obligatoire"), QStringLiteral("Num_Canton")}},
        {"Num_Canton",
         "N° du Canton",
         {true, 4, QStringLiteral("4 caracteres maxi"),
          QStringLiteral("Numero du Canton obligatoire"), QStringLiteral("Num_CP")}},
        {"Num_CP",
         "Code postal",
         {true, 5, QStringLiteral("5 caracteres maxi"),
          QStringLiteral("Numero du code postal obligatoire"), QStringLiteral("Nom_Commune")}},
        {"Nom_Commune",
         "Commune",
         {false, 26, QStringLiteral("26 caracteres maxi"),
          QStringLiteral("Nom de la commune obligatoire"), QStringLiteral("Imprime")}},
    };
    int line = 0;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(text(row.caption)), line, 0);
        KeyPressLineEdit* box = addBox(text(row.name), row.rule);
        box->setAccessibleName(text(row.caption));
        grid->addWidget(box, line, 1);
        ++line;
    }
    effacer_ = new QPushButton(QStringLiteral("Effacer"));
    effacer_->setObjectName(QStringLiteral("Effacer"));
    connect(effacer_, &QPushButton::clicked, this, &LabelOptionsWindow::clearBoxes);
    grid->addWidget(effacer_, 0, 2);
    colour(boxes_.at(QStringLiteral("Num_Activite")), nextColour());
    return frame;
}

QWidget* LabelOptionsWindow::buildStation() {
    auto* frame = new QGroupBox(QStringLiteral("Options station"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Transceiver ")), 0, 0);
    KeyPressLineEdit* transceiver =
        addBox(QStringLiteral("Rx_Tx"),
               {false, 40, QStringLiteral("40 caracteres maxi"), {}, QStringLiteral("Antenne")});
    transceiver->setAccessibleName(QStringLiteral("Transceiver"));
    grid->addWidget(transceiver, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Antenne")), 1, 0);
    KeyPressLineEdit* antenna =
        addBox(QStringLiteral("Antenne"),
               {false, 15, QStringLiteral("15 caracteres maxi"), {}, QStringLiteral("Imprime")});
    antenna->setAccessibleName(QStringLiteral("Antenne"));
    grid->addWidget(antenna, 1, 1);
    colour(transceiver, nextColour());
    return frame;
}

QRadioButton* LabelOptionsWindow::languageButton(int index) const {
    return qobject_cast<QRadioButton*>(langue_->button(index));
}

QRadioButton* LabelOptionsWindow::sheetButton(int index) const {
    return qobject_cast<QRadioButton*>(format_->button(index));
}

QRadioButton* LabelOptionsWindow::labelTypeButton(int index) const {
    return qobject_cast<QRadioButton*>(type_->button(index));
}

QRadioButton* LabelOptionsWindow::qslButton(int index) const {
    return qobject_cast<QRadioButton*>(qsl_->button(index));
}

KeyPressLineEdit* LabelOptionsWindow::box(const QString& name) const {
    const auto found = boxes_.find(name);
    return found == boxes_.end() ? nullptr : found->second;
}

QLabel* LabelOptionsWindow::sample(const QString& name) const {
    const auto found = samples_.find(name);
    return found == samples_.end() ? nullptr : found->second;
}

void LabelOptionsWindow::prepare() {
    centreOnScreen(*this);
    ctV_->addItems(LabelOptions::offsets());
    SettingsStore& store = app_.store();
    indica_->setText(store.read(SettingsStore::globalSection(), QStringLiteral("Indicatif"),
                                QStringLiteral("Fxxxx")));
    restore(LabelOptionsStore(store).load(app_.stationCallsign()));
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
    sheetButton(options.format)->setChecked(true);
    labelTypeButton(options.type)->setChecked(true);
    qslButton(options.qsl)->setChecked(true);
    ctV_->setCurrentIndex(LabelOptionsStore::positionOfOffset(options.offset));
    if (ctV_->currentIndex() < 0) {
        ctV_->setEditText(QString());
    }
}

LabelOptions LabelOptionsWindow::options() const {
    LabelOptions options;
    options.station = app_.stationCallsign();
    options.format = format_->checkedId();
    options.type = type_->checkedId();
    options.french = langue_->checkedId() == 1;
    options.qsl = qsl_->checkedId();
    options.offset = ctV_->currentText();
    options.stopEachSheet = arretImp_->isChecked();
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
    const bool french = index == 1;
    const auto apply = [&](const auto& lines) {
        for (const SampleText& line : lines) {
            if (line.french != nullptr) {
                samples_.at(text(line.label))->setText(text(french ? line.french : line.english));
            }
        }
    };
    apply(kQsoSample);
    apply(kActivationSample);
}

void LabelOptionsWindow::keyPress(const QString& name, int& keyCode) {
    const Validation& rule = rules_.at(name);
    if (rule.upperCase && keyCode > 96 && keyCode < 123) {
        keyCode -= 32;
    }
    if (keyCode != 13) {
        return;
    }
    KeyPressLineEdit* current = boxes_.at(name);
    if (current->text().trimmed().size() > rule.maximum) {
        app_.dialogs().message(rule.tooLong);
        return;
    }
    if (!rule.missing.isEmpty() && current->text().isEmpty()) {
        app_.dialogs().message(rule.missing);
        return;
    }
    if (rule.next.isEmpty()) {
        return;
    }
    keyCode = 0;
    if (rule.next == u"Imprime") {
        imprime_->setFocus();
        return;
    }
    colour(current, restColour());
    KeyPressLineEdit* next = boxes_.at(rule.next);
    colour(next, nextColour());
    next->setFocus();
}

void LabelOptionsWindow::commentLostFocus() {
    KeyPressLineEdit* comment = box(QStringLiteral("Texte_QSL"));
    if (comment->text().trimmed().size() > rules_.at(QStringLiteral("Texte_QSL")).maximum) {
        app_.dialogs().message(QStringLiteral("32 caracteres maxi"));
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

void LabelOptionsWindow::startPrint() {
    const LabelOptions chosen = options();
    const QString problem = chosen.lengthProblem();
    if (!problem.isEmpty()) {
        app_.dialogs().message(problem);
        return;
    }
    LabelOptionsStore(app_.store()).save(chosen);
    app_.reportStoreProblem();
    if (chosen.format == LabelOptions::kCardFormat) {
        app_.showCardPrinting();
        return;
    }
    printLabels(chosen);
}

PrinterJob::Result LabelOptionsWindow::runLabels(const LabelOptions& options, QPrinter& printer,
                                                 bool preview, QString* error) {
    RowList empty(RowList::Order::Sorted);
    const RowList* printList = app_.printList();
    const RowList& rows = printList ? *printList : empty;
    const auto run = [&](PrintSurface& surface, QString* runError) {
        LabelPrintRun labels(options, surface, [this, preview](const QString& prompt) {
            return preview || app_.dialogs().askYesNo(prompt);
        });
        const LabelPrintRun::Outcome outcome = labels.run(rows);
        return LabelPrintRun::toJobResult(outcome, labels.error(), runError);
    };
    const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
    if (!preview) {
        return PrinterJob::print(printer, QPointF(origin, origin), QString(), run, error,
                                 {app_.logFileName()});
    }
    const SheetGeometry* sheet = SheetGeometry::forFormat(options.format);
    return PrinterJob::preview(printer, QPointF(origin, origin),
                               sheet ? sheet->labels() : std::vector<QRectF>(), run, error);
}

void LabelOptionsWindow::printLabels(const LabelOptions& options) {
    QPrinter& printer = app_.printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    app_.dialogs().choosePrinter(printer);  // cancelling still prints, on the current printer
    QString error;
    const PrinterJob::Result result = runLabels(options, printer, false, &error);
    if (result == PrinterJob::Result::Failed) {
        app_.dialogs().message(error);
    } else if (result == PrinterJob::Result::Done) {
        colour(box(QStringLiteral("Num_Activite")), nextColour());
        colour(box(QStringLiteral("Rx_Tx")), nextColour());
    }
}

void LabelOptionsWindow::showPrintPreview() {
    const LabelOptions chosen = options();
    const QString problem = chosen.lengthProblem();
    if (!problem.isEmpty()) {
        app_.dialogs().message(problem);
        return;
    }
    if (chosen.format == LabelOptions::kCardFormat) {
        app_.dialogs().message(
            QStringLiteral("Pour l'impression directe sur QSL, l'aperçu se fait dans la fenêtre "
                           "d'impression sur carte QSL."));
        return;
    }
    QPrinter& printer = app_.printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    app_.dialogs().showPrintPreview(printer, [this, chosen](QPrinter& target) {
        QString error;
        if (runLabels(chosen, target, true, &error) == PrinterJob::Result::Failed) {
            app_.dialogs().message(error);
        }
    });
}
