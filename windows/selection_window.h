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
    // "QSL non envoyées seulement", kept for the station.
    void showOwedOnly(bool owedOnly);
    class QCheckBox* owedOnlyBox() const {
        return owedOnly_;
    }
    void selectAll();
    void openLabelOptions();
    void closeWindow();

  signals:
    // "Tri par date": the log read again, in file order.
    void reloadRequested();
    void labelOptionsRequested();

  private:
    void prepare();
    // "Tri par date", "Tri par call", "Tri bureau" and the owed-only box.
    class QLayout* buildSortButtons();
    QListView* makeRowView(RowList& rows);
    static void alignTitles(QLabel* titles, const QListView* rows);
    // The "Tri bureau" button and the words over the print list say its order.
    void showPrintOrder();

    Workspace& workspace_;
    QsoSelection& lists_;
    class QCheckBox* owedOnly_ = nullptr;
    QListView* listeQsoView_ = nullptr;
    QListView* listeImprimeView_ = nullptr;
    // The column titles over each list.
    QLabel* qsoListTitles_ = nullptr;
    QLabel* printListTitles_ = nullptr;
    QPushButton* bureauOrder_ = nullptr;
    QLabel* printOrder_ = nullptr;
};
