#pragma once

#include <QWidget>

class Workspace;
class QListView;
class QPushButton;
class QLabel;
class RowList;
class QsoSelection;

// The selection window: the QSO list of the loaded log and the print list.
class SelectionWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SelectionWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~SelectionWindow() override;

    RowList& qsoList();
    RowList& printList();
    RowList& sortList();

    QListView* qsoListView() const { return listeQsoView_; }
    QListView* printListView() const { return listeImprimeView_; }

    void pickQso(int index);
    void unpickQso(int index);
    void sortByCall();
    void reloadLog();
    // "Tri bureau" pressed: the print list in the order QSL bureaus sort cards;
    // released: the print list back in call order.
    void sortForBureau();
    void sortPrintListByCall();
    // "QSL à envoyer :" and "Voie :", kept for the station: the QSO list
    // shows the QSOs of that queue going by that route.
    void showQueue();
    class QComboBox* owedBox() const {
        return owed_;
    }
    class QComboBox* routeBox() const {
        return route_;
    }
    class QCheckBox* unconfirmedBox() const {
        return unconfirmed_;
    }
    void selectAll();
    void openLabelOptions();
    void closeWindow();

  signals:
    // "Tri par date": the log read again, in file order.
    void reloadRequested();
    void labelOptionsRequested();
    // "Cartes reçues…".
    void receivedCardsRequested();

  private:
    void prepare();
    // "Tri par date", "Tri par call", "Tri bureau".
    class QLayout* buildSortButtons();
    // "QSL à envoyer :", "Sans confirmation électronique" and "Voie :".
    class QLayout* buildQueueChoice();
    QListView* makeRowView(RowList& rows);
    static void alignTitles(QLabel* titles, const QListView* rows);
    // The "Tri bureau" button and the words over the print list say its order.
    void showPrintOrder();

    Workspace& workspace_;
    QsoSelection& lists_;
    class QComboBox* owed_ = nullptr;
    class QComboBox* route_ = nullptr;
    class QCheckBox* unconfirmed_ = nullptr;
    QListView* listeQsoView_ = nullptr;
    QListView* listeImprimeView_ = nullptr;
    // The column titles over each list.
    QLabel* qsoListTitles_ = nullptr;
    QLabel* printListTitles_ = nullptr;
    QPushButton* bureauOrder_ = nullptr;
    QLabel* printOrder_ = nullptr;
};
