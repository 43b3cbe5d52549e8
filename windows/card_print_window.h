#pragma once

#include <QWidget>

#include "cards/card_run_options.h"
#include "log/qso_record.h"

class Workspace;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The card print window: prints one QSL card per QSO of the print list.
class CardPrintWindow : public QWidget {
    Q_OBJECT

  public:
    explicit CardPrintWindow(Workspace& workspace, QWidget* parent = nullptr);

    QPushButton* printButton() const { return impression_; }
    QPushButton* layoutButton() const { return parametres_; }
    QPushButton* closeButton() const { return quitter_; }

    void printCards();
    // The cards that "Impression de la QSL" would print, in a preview.
    void showPrintPreview();
    QPushButton* previewButton() const { return apercu_; }
    // The template the window prints with, shown above the buttons: the one
    // last used for the station (here or in the layout editor).
    QString templateFile() const;
    QPushButton* templateButton() const { return choisir_; }
    // Asks for another .qsl file; the one kept when the operator cancels.
    void chooseTemplate();
    // "Enveloppes…": enabled after a card run, the envelopes of the same QSOs.
    QPushButton* envelopesButton() const { return enveloppes_; }
    void openLayoutEditor();
    void closeWindow();

    // "Regrouper les QSO d'une même station", the thanks, the cards per page,
    // the paper and the first card's place.
    QCheckBox* groupBox() const { return regrouper_; }
    QComboBox* thanksBox() const { return remerciements_; }
    QComboBox* perPageBox() const { return cartesParPage_; }
    QComboBox* paperBox() const { return papier_; }
    QSpinBox* firstCardBox() const { return premiereCarte_; }
    // The run as the window's controls ask for it.
    CardRunOptions runOptions() const;

  signals:
    void layoutEditorRequested();
    void labelOptionsRequested();
    // The envelopes of the QSOs the cards were printed for, in the same order.
    void envelopesRequested();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void prepare();
    // Reads the window's template, asking for one when there is none; false
    // (after a message) when there is none to use.
    bool readTemplate(struct QslTemplate& model);
    // Asks for a .qsl file; empty (after a message) when none was chosen.
    QString askTemplateFile();
    void showTemplate();
    // Tells the operator, in one message, which lines run past the card's
    // edge, and what else is worth knowing before printing.
    void warnOfLinesPastEdge(const class CardJob& job);
    QWidget* makeRunControls();

    Workspace& workspace_;
    QPushButton* impression_;
    QPushButton* parametres_;
    QPushButton* quitter_;
    QPushButton* apercu_;
    QPushButton* choisir_;
    QLabel* templateLabel_;
    // The template last found unusable, asked for again rather than used.
    QString unusable_;
    QPushButton* enveloppes_;
    QCheckBox* regrouper_;
    QComboBox* remerciements_;
    QComboBox* cartesParPage_;
    QComboBox* papier_;
    QSpinBox* premiereCarte_;
};
