#include "windows/layout_editor.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "cards/card_groups.h"
#include "cards/card_layout.h"
#include "cards/card_print_run.h"
#include "cards/qsl_template_file.h"
#include "log/qso_row.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "windows/card_design_panel.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

namespace {

constexpr int kRowHeight = 285;
const int kRowTops[QslTemplate::kLines] = {600,  960,  1320, 1680, 2040,
                                           2400, 2760, 3600, 3960, 4320};
const char* const kSampleNames[7] = {"C_Ind", "C_Via",  "C_Date", "C_QTR",
                                     "C_QRG", "C_Mode", "C_RST"};

QLabel* label(QWidget* parent, const QString& text, int left, int top, int width = 0) {
    auto* item = new QLabel(text, parent);
    item->adjustSize();
    item->move(twips(left), twips(top));
    if (width > 0) {
        item->resize(twips(width), item->height());
    }
    return item;
}

const QString kFilter = QStringLiteral(".qsl  (*.qsl)");

// The sizes the editor states ("de 5 à 15") and keeps to.
constexpr double kSmallestSize = 5;
constexpr double kLargestSize = 15;

// What the boxes of a line are, for the screen reader.
QString lineBoxName(const char* what, int line) {
    return LayoutEditor::tr("Ligne %1 : %2").arg(QString::number(line), LayoutEditor::tr(what));
}

const char* const kSampleCaptions[7] = {QT_TRANSLATE_NOOP("LayoutEditor", "indicatif"),
                                        QT_TRANSLATE_NOOP("LayoutEditor", "QSL via"),
                                        QT_TRANSLATE_NOOP("LayoutEditor", "date"),
                                        QT_TRANSLATE_NOOP("LayoutEditor", "heure"),
                                        QT_TRANSLATE_NOOP("LayoutEditor", "bande"),
                                        QT_TRANSLATE_NOOP("LayoutEditor", "mode"),
                                        "RST"};
const char* const kJoinCaptions[3] = {
    QT_TRANSLATE_NOOP("LayoutEditor", "Joindre la ligne 2 à la ligne 1"),
    QT_TRANSLATE_NOOP("LayoutEditor", "Joindre la ligne 4 à la ligne 3"),
    QT_TRANSLATE_NOOP("LayoutEditor", "Joindre les lignes 6 et 7 à la ligne 5")};

}  // namespace

LayoutEditor::LayoutEditor(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Parametres_QSL1"));
    setWindowTitle(tr("Parametres de la QSL"));
    setFixedSize(twips(7320), twips(8055));
    // The grid was laid out for an 8-point window font; larger ones run over it.
    QFont windowFont = font();
    windowFont.setPointSizeF(8);
    setFont(windowFont);

    auto* title = new QLabel(tr("Position des champs à imprimer"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(13.5);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(twips(120), twips(60), twips(7080), twips(420));

    auto* group = new QGroupBox(this);
    group->setGeometry(twips(120), twips(540), twips(7080), twips(6840));
    buildGrid(group);
    design_ = new CardDesignPanel(workspace_.dialogs(), this);
    design_->setWindowFlag(Qt::Window);
    design_->setWindowTitle(tr("Carte QSL : tableau, format et image"));

    const struct {
        const char* name;
        const char* caption;
        int left;
        void (LayoutEditor::*handler)();
    } buttons[] = {
        {"Existante", QT_TR_NOOP("&Modeles de QSL"), 120, &LayoutEditor::loadTemplate},
        {"Enregistrer", QT_TR_NOOP("&Enregistrer"), 1920, &LayoutEditor::saveTemplate},
        {"Apercu_E", QT_TR_NOOP("&Aperçu"), 3720, &LayoutEditor::openPreview},
        {"Carte", QT_TR_NOOP("&Carte…"), 5520, &LayoutEditor::showDesignPanel},
    };
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(tr(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setGeometry(twips(entry.left), twips(7500), twips(1680), twips(420));
        connect(button, &QPushButton::clicked, this, entry.handler);
        buttons_.push_back(button);
    }
    setKeyboardOrder();
    prepare();
}

QLineEdit* LayoutEditor::box(QWidget* parent, const QString& name, const QString& accessibleName,
                             int left, int top, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setGeometry(twips(left), twips(top), twips(width), twips(kRowHeight));
    // A line break (pasted: a box cannot type one) would split a line of the file.
    connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
            QString single = text;
            single.replace(QLatin1Char('\r'), QLatin1Char(' '));
            single.replace(QLatin1Char('\n'), QLatin1Char(' '));
            edit->setText(single);
        }
    });
    return edit;
}

void LayoutEditor::buildGrid(QWidget* group) {
    label(group, tr("Marges"), 600, 120);
    label(group, tr("Gauche  Haute   Police    Textes avant le champs QSO"), 480, 360);
    label(group, tr("Champs QSO"), 5040, 360);
    label(group, tr("Marges"), 600, 3120);
    label(group,
          tr("Gauche  Haute   Police                                  Champs personalisables"), 480,
          3360);

    for (int i = 0; i < QslTemplate::kLines; ++i) {
        const QString line = QString::number(i + 1);
        const int top = kRowTops[i];
        const auto at = static_cast<size_t>(i);
        g_[at] = box(group, QStringLiteral("G") + line,
                     lineBoxName(QT_TR_NOOP("position gauche (mm)"), i + 1), 480, top, 495);
        h_[at] = box(group, QStringLiteral("H") + line,
                     lineBoxName(QT_TR_NOOP("position haute (mm)"), i + 1), 1080, top, 495);
        p_[at] = box(group, QStringLiteral("P") + line,
                     lineBoxName(QT_TR_NOOP("taille de police (5 à 15)"), i + 1), 1680, top, 495);
        t_[at] = box(group, QStringLiteral("T") + line, lineBoxName(QT_TR_NOOP("texte"), i + 1),
                     2280, top, i < 7 ? 2175 : 4335);
        if (i < 7) {
            samples_[at] = box(group, QString::fromLatin1(kSampleNames[i]),
                               lineBoxName(kSampleCaptions[i], i + 1), 4440, top, 2175);
        }
    }

    // Join boxes at the left edge, with brackets over the rows they join.
    const struct {
        int top;
        const char* bracket;
        int bracketTop;
    } joins[] = {{780, "/", 690}, {1500, "\\", 1410}, {2400, "--", 2400}};
    for (int flag = 0; flag < 3; ++flag) {
        auto* check = new QCheckBox(group);
        check->setObjectName(QStringLiteral("Check%1").arg(flag + 1));
        check->setAccessibleName(tr(kJoinCaptions[flag]));
        check->adjustSize();
        check->move(twips(30), twips(joins[flag].top));
        checks_[static_cast<size_t>(flag)] = check;
        label(group, QStringLiteral("Ck"), 30, joins[flag].top - 210);
        label(group, QString::fromLatin1(joins[flag].bracket), 330, joins[flag].bracketTop);
    }
    label(group, QStringLiteral("--"), 330, 2040);
    label(group, QStringLiteral("--"), 330, 2760);
    connect(checks_[0], &QCheckBox::toggled, this, &LayoutEditor::joinLine2Clicked);
    connect(checks_[1], &QCheckBox::toggled, this, &LayoutEditor::joinLine4Clicked);
    connect(checks_[2], &QCheckBox::toggled, this, &LayoutEditor::joinLines6And7Clicked);

    const char* const instructions[] = {
        QT_TR_NOOP("Marges  : Toutes les valeurs en millimètres  valeur 0 et 0 pour une ligne "
                   "non utilisée"),
        QT_TR_NOOP("Taille de la Police de caracteres  :  de 5 à 15"),
        QT_TR_NOOP("Les 3 case à cocher Ck permettent d'associer les champs sur une seule ligne"),
        QT_TR_NOOP("ATTENTION tenir compte des Marges Gauches et Hautes de l'imprimante"),
    };
    int top = 4800;
    for (const char* line : instructions) {
        QLabel* instruction = label(group, tr(line), 60, top, 6960);
        QFont small = instruction->font();
        small.setPointSizeF(7.5);
        instruction->setFont(small);
        top += 300;
    }
    label(group, tr("Valeurs "), 120, 6120);
    mg_ =
        box(group, QStringLiteral("MG"), tr("Marge gauche de l'imprimante (mm)"), 1080, 6120, 495);
    mh_ = box(group, QStringLiteral("MH"), tr("Marge haute de l'imprimante (mm)"), 1680, 6120, 495);
    label(group, tr("selon imprimante ( 2 à 5 mmm )"), 2280, 6120);
}

// The buttons come first, then the boxes line by line, each line left to
// right: the three buttons are three Tabs away, not 55.
void LayoutEditor::setKeyboardOrder() {
    std::vector<QWidget*> order(buttons_.begin(), buttons_.end());
    for (size_t i = 0; i < static_cast<size_t>(QslTemplate::kLines); ++i) {
        order.insert(order.end(), {g_[i], h_[i], p_[i], t_[i]});
        if (i < samples_.size()) {
            order.push_back(samples_[i]);
        }
    }
    order.insert(order.end(), {checks_[0], checks_[1], checks_[2], mg_, mh_});
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    buttons_.front()->setFocus();
}

// A new editor shows the template last loaded or saved for the station, else the defaults.
void LayoutEditor::prepare() {
    centreOnScreen(*this);
    QslTemplate model = QslTemplate::editorDefaults();
    const QString last = workspace_.lastTemplate();
    QString error;
    if (!last.isEmpty() && QFileInfo::exists(last) && QslTemplateFile::load(last, model, &error)) {
        setModel(model);
    } else {
        setModel(QslTemplate::editorDefaults());
    }
    fillSamples();
}

void LayoutEditor::fillSamples() {
    const RowList& printList = workspace_.printList();
    if (printList.count() == 0) {
        for (QLineEdit* sample : samples_) {
            sample->clear();
        }
        return;
    }
    const QsoRecord& first = printList.record(0);
    const std::array<QString, 7> values = {QsoRow::trimmedCell(first, QsoField::Callsign, 12),
                                           QsoRow::trimmedCell(first, QsoField::QslVia, 12),
                                           QsoRow::cell(first, QsoField::Date, 8),
                                           QsoRow::cell(first, QsoField::Time, 5),
                                           QsoRow::trimmedCell(first, QsoField::Band, 8),
                                           QsoRow::trimmedCell(first, QsoField::Mode, 7),
                                           QsoRow::trimmedCell(first, QsoField::RstSent, 8)};
    for (size_t i = 0; i < values.size(); ++i) {
        samples_[i]->setText(values[i]);
    }
}

std::array<QString, 7> LayoutEditor::samples() const {
    std::array<QString, 7> values;
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = samples_[i]->text();
    }
    return values;
}

QslTemplate LayoutEditor::model() const {
    QslTemplate model;
    model.marginLeft = mg_->text();
    model.marginTop = mh_->text();
    for (size_t i = 0; i < static_cast<size_t>(QslTemplate::kLines); ++i) {
        model.left[i] = g_[i]->text();
        model.top[i] = h_[i]->text();
        model.size[i] = p_[i]->text();
        model.text[i] = t_[i]->text();
    }
    model.joinLine2 = checks_[0]->isChecked();
    model.joinLine4 = checks_[1]->isChecked();
    model.joinLines6And7 = checks_[2]->isChecked();
    model.design = design_->design();
    return model;
}

void LayoutEditor::setModel(const QslTemplate& model) {
    mg_->setText(model.marginLeft);
    mh_->setText(model.marginTop);
    for (size_t i = 0; i < static_cast<size_t>(QslTemplate::kLines); ++i) {
        g_[i]->setText(model.left[i]);
        h_[i]->setText(model.top[i]);
        p_[i]->setText(model.size[i]);
        t_[i]->setText(model.text[i]);
    }
    checks_[0]->setChecked(model.joinLine2);
    checks_[1]->setChecked(model.joinLine4);
    checks_[2]->setChecked(model.joinLines6And7);
    design_->setDesign(model.design);
}

void LayoutEditor::showDesignPanel() {
    design_->show();
    design_->raise();
    design_->activateWindow();
}

QsoRecords LayoutEditor::sampleQsos() const {
    const RowList& printList = workspace_.printList();
    const std::vector<QsoRecords> cards =
        CardGroups::cards(printList.records(), CardDesign::kLargestRows);
    return cards.empty() ? QsoRecords() : cards.front();
}

void LayoutEditor::zero(int line) {
    leftBox(line)->setText(QStringLiteral("0"));
    topBox(line)->setText(QStringLiteral("0"));
}

void LayoutEditor::joinLine2Clicked() {
    if (checks_[0]->isChecked()) {
        zero(2);
    }
}

void LayoutEditor::joinLine4Clicked() {
    if (checks_[1]->isChecked()) {
        zero(4);
    }
}

void LayoutEditor::joinLines6And7Clicked() {
    if (checks_[2]->isChecked()) {
        zero(6);
        zero(7);
    }
}

void LayoutEditor::loadTemplate() {
    const QString fileName =
        workspace_.dialogs().openFileName(kFilter, workspace_.templateFolder());
    if (fileName.isEmpty()) {
        workspace_.dialogs().message(tr("selectionnez un fichier ou quitter"));
        return;
    }
    QslTemplate loaded = model();
    QString error;
    if (!QslTemplateFile::load(fileName, loaded, &error)) {
        workspace_.dialogs().message(error);
        return;
    }
    fillSamples();
    setModel(loaded);
    workspace_.rememberTemplate(fileName);
}

QString LayoutEditor::sizeProblem() const {
    const QslTemplate shown = model();
    for (size_t i = 0; i < static_cast<size_t>(QslTemplate::kLines); ++i) {
        const bool freeLineUnused = i >= 7 && shown.text[i].isEmpty();
        const std::optional<double> size = CardLayout::number(shown.size[i]);
        if (!freeLineUnused && (!size || *size < kSmallestSize || *size > kLargestSize)) {
            return tr("La taille de police P%1 (« %2 ») doit être un nombre de 5 à 15.")
                .arg(QString::number(i + 1), shown.size[i]);
        }
    }
    return {};
}

// A name typed without the extension gets it, as the desktop's file dialogs
// do: the card print window only takes .qsl files.
QString LayoutEditor::withQslExtension(const QString& fileName) {
    return CardPrintRun::hasQslExtension(fileName) ? fileName : fileName + QStringLiteral(".qsl");
}

void LayoutEditor::saveTemplate() {
    Dialogs& dialogs = workspace_.dialogs();
    const QString problem = sizeProblem();
    if (!problem.isEmpty()) {
        dialogs.message(problem + tr(" Le modèle n'est pas enregistré."));
        return;
    }
    const QString typed = dialogs.saveFileName(kFilter, workspace_.templateFolder());
    if (typed.isEmpty()) {
        dialogs.message(tr("selectionnez un fichier ou quitter"));
        return;
    }
    const QString fileName = withQslExtension(typed);
    if (QFileInfo::exists(fileName) &&
        !dialogs.askToReplace(
            tr("Le fichier %1 existe déjà. Le remplacer ?").arg(QFileInfo(fileName).fileName()))) {
        return;
    }
    const QString error = QslTemplateFile::save(model(), fileName);
    if (!error.isEmpty()) {
        dialogs.message(error);
        return;
    }
    workspace_.rememberTemplate(fileName);
    close();
    emit cardPrintingRequested();
}

void LayoutEditor::openPreview() {
    const QString problem = sizeProblem();
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return;
    }
    emit previewRequested();
}

void LayoutEditor::takeKeyboardBack() {
    if (isVisible()) {
        raise();
        activateWindow();
    }
}
