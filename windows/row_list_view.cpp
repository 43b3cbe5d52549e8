#include "windows/row_list_view.h"

#include <QKeyEvent>

RowListView::RowListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListView::clicked, this, &RowListView::chooseClicked);
}

void RowListView::chooseClicked(const QModelIndex& index) {
    emit rowChosen(index.row());
    clearSelection();
}

void RowListView::keyPressEvent(QKeyEvent* event) {
    const bool choose = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                        event->key() == Qt::Key_Space;
    const QModelIndex current = currentIndex();
    if (!choose || !current.isValid() || (event->modifiers() & ~Qt::KeypadModifier) != 0) {
        QListView::keyPressEvent(event);
        return;
    }
    const int row = current.row();
    emit rowChosen(row);
    // The keyboard stays where it was: on the row that took the chosen one's place.
    const int rows = model()->rowCount();
    if (rows > 0) {
        setCurrentIndex(model()->index(qMin(row, rows - 1), 0));
    }
}
