#include "qslcard/parametres_qsl1.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dialogs.h"
#include "qslcard/qsl_template_file.h"
#include "selection/row_list.h"
#include "startup/app_windows.h"
#include "startup/qso_row.h"
#include "startup/window_placement.h"

namespace {

constexpr int kRowHeight = 285;
const int kRowTops[Modele_QSL::kLines] = {600, 960, 1320, 1680, 2040, 2400, 2760, 3600, 3960, 4320};
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

}  // namespace

Parametres_QSL1::Parametres_QSL1(AppWindows& app, QWidget* parent) : QWidget(parent), app_(app) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Parametres_QSL1"));
    setWindowTitle(QStringLiteral("Parametres de la QSL"));
    setFixedSize(twips(7320), twips(8055));
    // The grid was laid out for an 8-point window font; larger ones run over it.
    QFont windowFont = font();
    windowFont.setPointSizeF(8);
    setFont(windowFont);

    auto* title = new QLabel(QStringLiteral("Position des champs à imprimer"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(13.5);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(twips(120), twips(60), twips(7080), twips(420));

    auto* group = new QGroupBox(this);
    group->setGeometry(twips(120), twips(540), twips(7080), twips(6840));
    buildGrid(group);

    const struct {
        const char* name;
        const char* caption;
        int left;
        void (Parametres_QSL1::*handler)();
    } buttons[] = {
        {"Existante", "Modeles de QSL", 360, &Parametres_QSL1::Existante_Click},
        {"Enregistrer", "Enregistrer", 2760, &Parametres_QSL1::Enregistrer_Click},
        {"Apercu_E", "Aperçu", 5160, &Parametres_QSL1::Apercu_E_Click},
    };
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setGeometry(twips(entry.left), twips(7500), twips(1800), twips(420));
        connect(button, &QPushButton::clicked, this, entry.handler);
    }
    Form_Load();
}

QLineEdit* Parametres_QSL1::box(QWidget* parent, const QString& name, int left, int top,
                                int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(name);
    edit->setGeometry(twips(left), twips(top), twips(width), twips(kRowHeight));
    return edit;
}

void Parametres_QSL1::buildGrid(QWidget* group) {
    label(group, QStringLiteral("Marges"), 600, 120);
    label(group, QStringLiteral("Gauche  Haute   Police    Textes avant le champs QSO"), 480, 360);
    label(group, QStringLiteral("Champs QSO"), 5040, 360);
    label(group, QStringLiteral("Marges"), 600, 3120);
    label(group,
          QStringLiteral(
              "Gauche  Haute   Police                                  Champs personalisables"),
          480, 3360);

    for (int i = 0; i < Modele_QSL::kLines; ++i) {
        const QString line = QString::number(i + 1);
        const int top = kRowTops[i];
        const auto at = static_cast<size_t>(i);
        g_[at] = box(group, QStringLiteral("G") + line, 480, top, 495);
        h_[at] = box(group, QStringLiteral("H") + line, 1080, top, 495);
        p_[at] = box(group, QStringLiteral("P") + line, 1680, top, 495);
        t_[at] = box(group, QStringLiteral("T") + line, 2280, top, i < 7 ? 2175 : 4335);
        if (i < 7) {
            samples_[at] = box(group, QString::fromLatin1(kSampleNames[i]), 4440, top, 2175);
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
        check->setAccessibleName(QStringLiteral("Ck %1").arg(flag + 1));
        check->adjustSize();
        check->move(twips(30), twips(joins[flag].top));
        checks_[static_cast<size_t>(flag)] = check;
        label(group, QStringLiteral("Ck"), 30, joins[flag].top - 210);
        label(group, QString::fromLatin1(joins[flag].bracket), 330, joins[flag].bracketTop);
    }
    label(group, QStringLiteral("--"), 330, 2040);
    label(group, QStringLiteral("--"), 330, 2760);
    connect(checks_[0], &QCheckBox::toggled, this, &Parametres_QSL1::Check1_Click);
    connect(checks_[1], &QCheckBox::toggled, this, &Parametres_QSL1::Check2_Click);
    connect(checks_[2], &QCheckBox::toggled, this, &Parametres_QSL1::Check3_Click);

    const char* const instructions[] = {
        "Marges  : Toutes les valeurs en millimètres  valeur 0 et 0 pour une ligne non utilisée",
        "Taille de la Police de caracteres  :  de 5 à 15",
        "Les 3 case à cocher Ck permettent d'associer les champs sur une seule ligne",
        "ATTENTION tenir compte des Marges Gauches et Hautes de l'imprimante",
    };
    int top = 4800;
    for (const char* line : instructions) {
        QLabel* instruction = label(group, QString::fromUtf8(line), 60, top, 6960);
        QFont small = instruction->font();
        small.setPointSizeF(7.5);
        instruction->setFont(small);
        top += 300;
    }
    label(group, QStringLiteral("Valeurs "), 120, 6120);
    mg_ = box(group, QStringLiteral("MG"), 1080, 6120, 495);
    mh_ = box(group, QStringLiteral("MH"), 1680, 6120, 495);
    label(group, QStringLiteral("selon imprimante ( 2 à 5 mmm )"), 2280, 6120);
}

void Parametres_QSL1::Form_Load() {
    centreOnScreen(*this);
    setModel(Modele_QSL::editorDefaults());
    fillSamples();
}

void Parametres_QSL1::fillSamples() {
    const RowList* printList = app_.printList();
    const QString row =
        printList != nullptr && printList->count() > 0 ? printList->row(0) : QString();
    const std::array<QString, 7> values = {
        QsoRow::trimmedField(row, 1, 12), QsoRow::trimmedField(row, 61, 12),
        QsoRow::field(row, 15, 8),        QsoRow::field(row, 25, 5),
        QsoRow::trimmedField(row, 32, 8), QsoRow::trimmedField(row, 42, 7),
        QsoRow::trimmedField(row, 51, 8)};
    for (size_t i = 0; i < values.size(); ++i) {
        samples_[i]->setText(values[i]);
    }
}

std::array<QString, 7> Parametres_QSL1::samples() const {
    std::array<QString, 7> values;
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = samples_[i]->text();
    }
    return values;
}

Modele_QSL Parametres_QSL1::model() const {
    Modele_QSL model;
    model.MG = mg_->text();
    model.MH = mh_->text();
    for (size_t i = 0; i < static_cast<size_t>(Modele_QSL::kLines); ++i) {
        model.G[i] = g_[i]->text();
        model.H[i] = h_[i]->text();
        model.P[i] = p_[i]->text();
        model.T[i] = t_[i]->text();
    }
    model.Check1 = checks_[0]->isChecked();
    model.Check2 = checks_[1]->isChecked();
    model.Check3 = checks_[2]->isChecked();
    return model;
}

void Parametres_QSL1::setModel(const Modele_QSL& model) {
    mg_->setText(model.MG);
    mh_->setText(model.MH);
    for (size_t i = 0; i < static_cast<size_t>(Modele_QSL::kLines); ++i) {
        g_[i]->setText(model.G[i]);
        h_[i]->setText(model.H[i]);
        p_[i]->setText(model.P[i]);
        t_[i]->setText(model.T[i]);
    }
    checks_[0]->setChecked(model.Check1);
    checks_[1]->setChecked(model.Check2);
    checks_[2]->setChecked(model.Check3);
}

void Parametres_QSL1::zero(int line) {
    G(line)->setText(QStringLiteral("0"));
    H(line)->setText(QStringLiteral("0"));
}

void Parametres_QSL1::Check1_Click() {
    if (checks_[0]->isChecked()) {
        zero(2);
    }
}

void Parametres_QSL1::Check2_Click() {
    if (checks_[1]->isChecked()) {
        zero(4);
    }
}

void Parametres_QSL1::Check3_Click() {
    if (checks_[2]->isChecked()) {
        zero(6);
        zero(7);
    }
}

void Parametres_QSL1::Existante_Click() {
    const QString fileName = app_.dialogs().openFileName(kFilter);
    if (fileName.isEmpty()) {
        app_.dialogs().message(QStringLiteral("selectionnez un fichier ou quitter"));
        return;
    }
    Modele_QSL loaded = model();
    QString error;
    if (!QslTemplateFile::load(fileName, loaded, &error)) {
        app_.dialogs().message(error);
        return;
    }
    fillSamples();
    setModel(loaded);
}

void Parametres_QSL1::Enregistrer_Click() {
    const QString fileName = app_.dialogs().saveFileName(kFilter);
    if (fileName.isEmpty()) {
        app_.dialogs().message(QStringLiteral("selectionnez un fichier ou quitter"));
        return;
    }
    const QString error = QslTemplateFile::save(model(), fileName);
    if (!error.isEmpty()) {
        app_.dialogs().message(error);
        return;
    }
    close();
    app_.showCardPrinting();
}

void Parametres_QSL1::Apercu_E_Click() {
    app_.showPreview(*this);
}
