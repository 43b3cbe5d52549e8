#include "windows/card_design_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "cards/card_size.h"
#include "cards/card_values.h"
#include "platform/dialogs.h"

namespace {

enum ColumnField { kX, kValue, kHeading };

// The value lists show these names in the window's language; the template keeps the keys.
[[maybe_unused]] const char* const kValueNames[] = {
    QT_TRANSLATE_NOOP("CardDesignPanel", "call"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "via"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "date"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "time"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "band"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "mode"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "rst"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "qsl"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "sat_name"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "prop_mode"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "submode"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "band_rx"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "freq"),
    QT_TRANSLATE_NOOP("CardDesignPanel", "qslmsg")};

}  // namespace

CardDesignPanel::CardDesignPanel(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      format_(new QComboBox),
      bande_(new QCheckBox(tr("Garder libre la &bande de tri des bureaux (10 mm en bas)"))),
      tableX_(edit("TableX", tr("Tableau : position gauche (mm)"))),
      tableY_(edit("TableY", tr("Tableau : position haute (mm)"))),
      tableRows_(edit("TableLignes", tr("Tableau : nombre de QSO (1 à 6)"))),
      tablePitch_(edit("TablePas", tr("Tableau : pas des lignes (mm)"))),
      tableSize_(edit("TablePolice", tr("Tableau : taille de police"))),
      colonnes_(new QTableWidget(0, 3)),
      thanksX_(edit("RemerciementX", tr("Remerciements : position gauche (mm)"))),
      thanksY_(edit("RemerciementY", tr("Remerciements : position haute (mm)"))),
      thanksSize_(edit("RemerciementPolice", tr("Remerciements : taille de police"))),
      thanksPse_(edit("TextePse", tr("Texte quand une QSL est demandée"))),
      thanksTnx_(edit("TexteTnx", tr("Texte quand la QSL est reçue"))),
      image_(edit("Image", tr("Fichier de l'image (PNG, JPEG ou SVG)"))),
      ajustement_(new QComboBox),
      cadre_(new QCheckBox(tr("C&adre"))),
      imprimerImage_(new QCheckBox(tr("&Imprimer l'image"))) {
    setObjectName(QStringLiteral("CarteQSL"));
    format_->setObjectName(QStringLiteral("Format"));
    format_->setAccessibleName(tr("Format de la carte"));
    for (const CardSize& size : CardSize::all()) {
        format_->addItem(size.caption, size.key);
    }
    bande_->setObjectName(QStringLiteral("BandeBureau"));
    auto* top = new QFormLayout;
    top->addRow(tr("&Format"), format_);
    top->addRow(bande_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeTableGroup());
    layout->addWidget(makeThanksGroup());
    layout->addWidget(makePictureGroup());
}

QLineEdit* CardDesignPanel::edit(const char* name, const QString& accessibleName) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    return box;
}

QComboBox* CardDesignPanel::valueBox(bool allowNone) {
    auto* box = new QComboBox;
    if (allowNone) {
        box->addItem(QString(), QString());
    }
    for (const QString& key : CardValues::keys()) {
        box->addItem(tr(key.toLatin1().constData()), key);
    }
    return box;
}

QWidget* CardDesignPanel::makeTableGroup() {
    auto* group = new QGroupBox(tr("Tableau des QSO (une carte par station avec « Regrouper »)"));
    auto* form = new QFormLayout;
    auto* place = new QHBoxLayout;
    for (QLineEdit* box : {tableX_, tableY_, tableRows_, tablePitch_, tableSize_}) {
        box->setMaximumWidth(60);
        place->addWidget(box);
    }
    form->addRow(tr("Gauche, haute, QSO, pas, police"), place);
    colonnes_->setObjectName(QStringLiteral("Colonnes"));
    colonnes_->setAccessibleName(tr("Colonnes du tableau"));
    colonnes_->setHorizontalHeaderLabels({tr("Gauche (mm)"), tr("Valeur"), tr("Titre")});
    colonnes_->horizontalHeader()->setStretchLastSection(true);
    // The value column fits the longest value name of the language, beside the grid's line.
    const std::unique_ptr<QComboBox> widest(valueBox(false));
    QHeaderView* header = colonnes_->horizontalHeader();
    header->resizeSection(kValue,
                          std::max(header->sectionSize(kValue), widest->sizeHint().width() + 1));
    colonnes_->setMinimumHeight(150);
    auto* add = new QPushButton(tr("Ajouter une col&onne"));
    add->setObjectName(QStringLiteral("AjouterColonne"));
    auto* remove = new QPushButton(tr("Re&tirer la colonne"));
    remove->setObjectName(QStringLiteral("RetirerColonne"));
    connect(add, &QPushButton::clicked, this, &CardDesignPanel::addColumn);
    connect(remove, &QPushButton::clicked, this, &CardDesignPanel::removeColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(form);
    layout->addWidget(colonnes_);
    layout->addLayout(buttons);
    return group;
}

QWidget* CardDesignPanel::makeThanksGroup() {
    auto* group = new QGroupBox(tr("Remerciements et lignes 8 à 10"));
    auto* form = new QFormLayout(group);
    auto* place = new QHBoxLayout;
    for (QLineEdit* box : {thanksX_, thanksY_, thanksSize_}) {
        box->setMaximumWidth(60);
        place->addWidget(box);
    }
    form->addRow(tr("Gauche, haute, police"), place);
    thanksPse_->setPlaceholderText(QStringLiteral("PSE QSL"));
    thanksTnx_->setPlaceholderText(QStringLiteral("TNX QSL"));
    form->addRow(tr("QSL demandée"), thanksPse_);
    form->addRow(tr("QSL reçue"), thanksTnx_);
    for (size_t i = 0; i < freeValues_.size(); ++i) {
        freeValues_[i] = valueBox(true);
        freeValues_[i]->setObjectName(QStringLiteral("Valeur%1").arg(i + 8));
        freeValues_[i]->setAccessibleName(
            tr("Valeur du QSO après le texte de la ligne %1").arg(i + 8));
        form->addRow(tr("Valeur de la ligne %1").arg(i + 8), freeValues_[i]);
    }
    return group;
}

QWidget* CardDesignPanel::makePictureGroup() {
    auto* group = new QGroupBox(tr("Image pour cartes vierges"));
    auto* form = new QFormLayout(group);
    auto* choose = new QPushButton(tr("C&hoisir…"));
    choose->setObjectName(QStringLiteral("ChoisirImage"));
    choose->setAccessibleName(tr("Choisir l'image"));
    connect(choose, &QPushButton::clicked, this, &CardDesignPanel::choosePicture);
    auto* file = new QHBoxLayout;
    file->addWidget(image_, 1);
    file->addWidget(choose);
    form->addRow(tr("Fichier"), file);
    ajustement_->setObjectName(QStringLiteral("Ajustement"));
    ajustement_->setAccessibleName(tr("Ajustement de l'image"));
    ajustement_->addItem(tr("Remplir la carte (rogner)"), QStringLiteral("cover"));
    ajustement_->addItem(tr("Image entière"), QStringLiteral("contain"));
    form->addRow(tr("Ajustement"), ajustement_);
    cadre_->setObjectName(QStringLiteral("Cadre"));
    imprimerImage_->setObjectName(QStringLiteral("ImprimerImage"));
    form->addRow(cadre_);
    form->addRow(imprimerImage_);
    return group;
}

void CardDesignPanel::addColumn() {
    const int row = colonnes_->rowCount();
    colonnes_->insertRow(row);
    colonnes_->setItem(row, kX, new QTableWidgetItem(QStringLiteral("0")));
    colonnes_->setCellWidget(row, kValue, valueBox(false));
    colonnes_->setItem(row, kHeading, new QTableWidgetItem);
}

void CardDesignPanel::removeColumn() {
    const int row =
        colonnes_->currentRow() >= 0 ? colonnes_->currentRow() : colonnes_->rowCount() - 1;
    if (row >= 0) {
        colonnes_->removeRow(row);
    }
}

void CardDesignPanel::choosePicture() {
    const QString file = dialogs_.openFileName(tr("Images (*.png *.jpg *.jpeg *.svg)"), QString());
    if (!file.isEmpty()) {
        image_->setText(file);
        imprimerImage_->setChecked(true);
    }
}

CardDesign CardDesignPanel::design() const {
    CardDesign design;
    design.cardSize = format_->currentIndex() > 0 ? format_->currentData().toString() : QString();
    design.keepStrip = bande_->isChecked();
    design.tableX = tableX_->text();
    design.tableY = tableY_->text();
    design.tableRows = tableRows_->text();
    design.tablePitch = tablePitch_->text();
    design.tableSize = tableSize_->text();
    for (int row = 0; row < colonnes_->rowCount(); ++row) {
        const auto* value = qobject_cast<QComboBox*>(colonnes_->cellWidget(row, kValue));
        design.columns.push_back({colonnes_->item(row, kX)->text(),
                                  value != nullptr ? value->currentData().toString() : QString(),
                                  colonnes_->item(row, kHeading)->text()});
    }
    design.thanksX = thanksX_->text();
    design.thanksY = thanksY_->text();
    design.thanksSize = thanksSize_->text();
    design.thanksPse = thanksPse_->text();
    design.thanksTnx = thanksTnx_->text();
    for (size_t i = 0; i < freeValues_.size(); ++i) {
        design.freeValue[i] = freeValues_[i]->currentData().toString();
    }
    design.picture = image_->text();
    design.pictureFit = ajustement_->currentIndex() == 1 ? QStringLiteral("contain") : coverWord_;
    design.pictureFrame = cadre_->isChecked();
    design.printPicture = imprimerImage_->isChecked();
    design.otherLines = otherLines_;
    return design;
}

void CardDesignPanel::setDesign(const CardDesign& design) {
    otherLines_ = design.otherLines;
    const int size = format_->findData(CardSize::find(design.cardSize) != nullptr
                                           ? CardSize::find(design.cardSize)->key
                                           : CardSize::standard().key);
    format_->setCurrentIndex(std::max(size, 0));
    bande_->setChecked(design.keepStrip);
    tableX_->setText(design.tableX);
    tableY_->setText(design.tableY);
    tableRows_->setText(design.tableRows);
    tablePitch_->setText(design.tablePitch);
    tableSize_->setText(design.tableSize);
    colonnes_->setRowCount(0);
    for (const CardDesign::Column& column : design.columns) {
        addColumn();
        const int row = colonnes_->rowCount() - 1;
        colonnes_->item(row, kX)->setText(column.x);
        auto* value = qobject_cast<QComboBox*>(colonnes_->cellWidget(row, kValue));
        value->setCurrentIndex(std::max(value->findData(column.value.trimmed().toLower()), 0));
        colonnes_->item(row, kHeading)->setText(column.heading);
    }
    thanksX_->setText(design.thanksX);
    thanksY_->setText(design.thanksY);
    thanksSize_->setText(design.thanksSize);
    thanksPse_->setText(design.thanksPse);
    thanksTnx_->setText(design.thanksTnx);
    for (size_t i = 0; i < freeValues_.size(); ++i) {
        freeValues_[i]->setCurrentIndex(
            std::max(freeValues_[i]->findData(design.freeValue[i].trimmed().toLower()), 0));
    }
    image_->setText(design.picture);
    const bool contain = design.pictureFit.trimmed().toLower() == u"contain";
    ajustement_->setCurrentIndex(contain ? 1 : 0);
    // "cover" is the default: a file that says it keeps saying it, one that does not stays silent.
    coverWord_ = contain ? QString() : design.pictureFit;
    cadre_->setChecked(design.pictureFrame);
    imprimerImage_->setChecked(design.printPicture);
}
