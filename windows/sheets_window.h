#pragma once

#include <QWidget>
#include <map>

#include "labels/sheet_table.h"

class Workspace;
class QComboBox;
class QLineEdit;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class SheetDrawing;

// "Planches": every label sheet, and the operator's own ones to add, copy,
// change and delete; the current printer's calibration and its page.
class SheetsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SheetsWindow(Workspace& workspace, QWidget* parent = nullptr);

    QListWidget* sheetList() const { return list_; }
    QLineEdit* field(const QString& name) const;
    QComboBox* paperBox() const { return paper_; }
    QPushButton* button(const QString& name) const;
    SheetDrawing* drawing() const { return drawing_; }
    const SheetTable& table() const { return table_; }

    void showSheet(const QString& name);
    // The sheet as the fields describe it, or a French message naming the faulty field.
    LabelSheet edited(QString* problem) const;
    void addSheet();
    void copySheet();
    void saveSheet();
    void deleteSheet();
    void saveOffset();
    void printCalibration();

  signals:
    void sheetsChanged();

  private:
    void buildControls();
    QWidget* buildForm();
    QWidget* buildCalibration();
    void fillList(const QString& current);
    void setEditable(bool editable);
    void redraw();
    bool store();
    QListWidgetItem* itemOf(const QString& name) const;

    Workspace& workspace_;
    SheetTable table_;
    QString path_;
    QString shownName_;  // the operator's sheet the fields show; empty for a new one or a built-in
    QListWidget* list_ = nullptr;
    QComboBox* paper_ = nullptr;
    QLabel* readOnlyNote_ = nullptr;
    std::map<QString, QLineEdit*> fields_;
    std::map<QString, QPushButton*> buttons_;
    SheetDrawing* drawing_ = nullptr;
};
