#pragma once

#include <QListView>

// A list of QSO rows where a click, Enter or Space on a row chooses it. The
// highlight follows the keyboard only: after a click no other row looks chosen.
class RowListView : public QListView {
    Q_OBJECT

  public:
    explicit RowListView(QWidget* parent = nullptr);

  signals:
    void rowChosen(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void chooseClicked(const QModelIndex& index);
};
