#pragma once

#include <QWidget>

class AppWindows;
class QListView;
class QPushButton;
class QLabel;
class RowList;
class QsoSelection;

// The selection window: the QSO list of the loaded log and the print list.
class Select_QSO : public QWidget {
    Q_OBJECT

  public:
    explicit Select_QSO(AppWindows& app, QWidget* parent = nullptr);
    ~Select_QSO() override;

    RowList& Liste_QSO();
    RowList& Liste_Imprime();
    RowList& Liste_QSO_Bis();

    QListView* Liste_QSO_View() const { return listeQsoView_; }
    QListView* Liste_Imprime_View() const { return listeImprimeView_; }

    void Liste_QSO_Click(int index);
    void Liste_Imprime_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Select_All_Click();
    void Impression_Click();
    void Quitter_Click();

  private:
    void Form_Load();
    QListView* makeRowView(RowList& rows);

    AppWindows& app_;
    QsoSelection* lists_;
    QListView* listeQsoView_ = nullptr;
    QListView* listeImprimeView_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label5_ = nullptr;
};
