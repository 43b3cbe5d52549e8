#pragma once

#include <QWidget>
#include <array>

#include "cards/card_design.h"

class Dialogs;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

// The part of the layout editor for what a card holds besides its ten
// lines: the size and the bureaus' strip, the QSO table and its columns, the
// thanks, the values of the free lines, and the picture for blank stock.
class CardDesignPanel : public QWidget {
    Q_OBJECT

  public:
    CardDesignPanel(Dialogs& dialogs, QWidget* parent = nullptr);

    CardDesign design() const;
    void setDesign(const CardDesign& design);

    QComboBox* sizeBox() const { return format_; }
    QCheckBox* stripBox() const { return bande_; }
    QTableWidget* columnTable() const { return colonnes_; }
    QLineEdit* pictureBox() const { return image_; }
    QCheckBox* printPictureBox() const { return imprimerImage_; }
    // A row for one more column, and the current one taken away.
    void addColumn();
    void removeColumn();
    void choosePicture();

  private:
    QLineEdit* edit(const char* name, const QString& accessibleName);
    QWidget* makeTableGroup();
    QWidget* makeThanksGroup();
    QWidget* makePictureGroup();
    static QComboBox* valueBox(bool allowNone);

    Dialogs& dialogs_;
    QComboBox* format_;
    QCheckBox* bande_;
    QLineEdit* tableX_;
    QLineEdit* tableY_;
    QLineEdit* tableRows_;
    QLineEdit* tablePitch_;
    QLineEdit* tableSize_;
    QTableWidget* colonnes_;
    QLineEdit* thanksX_;
    QLineEdit* thanksY_;
    QLineEdit* thanksSize_;
    QLineEdit* thanksPse_;
    QLineEdit* thanksTnx_;
    std::array<QComboBox*, 3> freeValues_{};
    QLineEdit* image_;
    QComboBox* ajustement_;
    QCheckBox* cadre_;
    QCheckBox* imprimerImage_;
    QString coverWord_;                // how the template named the default fit, if it did
    std::vector<QString> otherLines_;  // the template's lines this version does not read
};
