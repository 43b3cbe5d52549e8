#pragma once

#include <QWidget>

#include "log/qso_record.h"

class Workspace;
class QPushButton;

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
    // "Enveloppes…": enabled after a card run, the envelopes of the same QSOs.
    QPushButton* envelopesButton() const { return enveloppes_; }
    void openLayoutEditor();
    void closeWindow();

  signals:
    void layoutEditorRequested();
    void labelOptionsRequested();
    // The envelopes of the QSOs the cards were printed for, in the same order.
    void envelopesRequested();

  private:
    void prepare();
    // Asks for the .qsl file and reads it; false (after a message) when there is none to use.
    bool chooseTemplate(struct QslTemplate& model, QString* fileName = nullptr);
    // Tells the operator, in one message, which lines run past the card's edge.
    void warnOfLinesPastEdge(const class CardJob& job);

    Workspace& workspace_;
    QPushButton* impression_;
    QPushButton* parametres_;
    QPushButton* quitter_;
    QPushButton* apercu_;
    QPushButton* enveloppes_;
};
