#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "labels/label_options.h"
#include "support/window_fixture.h"
#include "windows/label_options_window.h"
#include "windows/sheet_drawing.h"
#include "windows/sheets_window.h"

namespace {

class SheetsWindowTest : public WindowFixture {
  protected:
    void type(SheetsWindow& window, const char* box, const QString& value) {
        window.field(QString::fromLatin1(box))->setText(value);
    }
    void click(SheetsWindow& window, const char* name) {
        window.button(QString::fromLatin1(name))->click();
    }
};

// Built-in sheets are read-only; a copy is the operator's own, refused with
// the faulty field named, kept in its file, and offered to the options window.
TEST_F(SheetsWindowTest, OwnSheetsAreCheckedKeptAndOffered) {
    app->setStationCallsign(QStringLiteral("F9XQA"));
    LabelOptionsWindow& labels = app->showLabelOptions();
    SheetsWindow& window = app->showSheets();
    EXPECT_EQ(window.sheetList()->count(), 11);
    window.showSheet(QStringLiteral("L7160"));
    EXPECT_TRUE(window.field(QStringLiteral("leftBox"))->isReadOnly());
    EXPECT_FALSE(window.button(QStringLiteral("saveButton"))->isEnabled());

    EXPECT_FALSE(window.findChild<QLabel*>(QStringLiteral("readOnlyNote"))->isHidden());
    EXPECT_EQ(window.sheetList()->currentItem()->text(),
              QStringLiteral("L7160  63.5 x 38.1  21 étiquettes"));
    click(window, "saveButton");  // disabled: nothing happens
    EXPECT_TRUE(dialogs.messages.isEmpty());

    click(window, "copyButton");
    EXPECT_EQ(window.field(QStringLiteral("nameBox"))->text(), QStringLiteral("Copie de L7160"));
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("readOnlyNote"))->isHidden());
    // Each refusal names its field; numbers are finite and within the sheet limits.
    const struct {
        const char* box;
        const char* typed;
        const char* message;
    } refused[] = {
        {"nameBox", "l7160", "Nom : L7160 est une planche fournie"},  // whatever its case
        {"acrossBox", "60", "Pas horizontal : les étiquettes se chevauchent"},
        {"acrossBox", "abc", "Pas horizontal : un nombre positif est attendu."},
        {"acrossBox", "inf", "Pas horizontal : un nombre positif est attendu."},
        {"acrossBox", "70", "Pas horizontal : les étiquettes sortent du papier"},
        {"labelWidthBox", "1e-300", "Largeur d'étiquette : un nombre de 5 à 1000 mm"},
        {"columnsBox", "46341", "Colonnes : un nombre de 1 à 400 est attendu."},
        {"rowsBox", "200", "Rangées : au plus 400 étiquettes par planche"},
    };
    type(window, "nameBox", QStringLiteral("Maison"));
    for (const auto& entry : refused) {
        const QString kept = window.field(QString::fromLatin1(entry.box))->text();
        type(window, entry.box, QString::fromUtf8(entry.typed));
        dialogs.messages.clear();
        click(window, "saveButton");
        ASSERT_EQ(dialogs.messages.size(), 1) << entry.typed;
        EXPECT_TRUE(dialogs.messages[0].startsWith(QString::fromUtf8(entry.message)))
            << dialogs.messages[0].toStdString();
        type(window, entry.box, kept);
    }
    // A grid far past the limits, as typed, is drawn without its labels.
    type(window, "columnsBox", QStringLiteral("46341"));
    type(window, "rowsBox", QStringLiteral("46341"));
    emit window.field(QStringLiteral("rowsBox"))->textEdited(QStringLiteral("46341"));
    EXPECT_FALSE(window.drawing()->grab().isNull());
    type(window, "columnsBox", QStringLiteral("3"));
    type(window, "rowsBox", QStringLiteral("7"));
    dialogs.messages.clear();
    type(window, "nameBox", QStringLiteral("Maison"));
    type(window, "acrossBox", QStringLiteral("66,5"));
    click(window, "saveButton");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(window.sheetList()->count(), 12);
    EXPECT_EQ(SheetTable::load(SheetTable::ownSheetsPath(store->fileName())).own().at(0).across,
              66.5);

    const int line =
        labels.otherSheetBox()->findText(QStringLiteral("Maison  63.5 x 38.1  21 étiquettes"));
    ASSERT_GE(line, 0);
    labels.otherSheetBox()->setCurrentIndex(line);
    labels.sheetButton(LabelOptionsWindow::kOtherSheet)->setChecked(true);
    EXPECT_EQ(labels.options().sheet, QStringLiteral("Maison"));

    // The options window comes back on the sheet stored by name.
    labels.startPrint();
    labels.close();
    LabelOptionsWindow& again = app->showLabelOptions();
    EXPECT_TRUE(again.sheetButton(LabelOptionsWindow::kOtherSheet)->isChecked());
    EXPECT_EQ(again.otherSheetBox()->currentText(),
              QStringLiteral("Maison  63.5 x 38.1  21 étiquettes"));

    dialogs.answers.push_back(true);
    click(window, "deleteButton");
    EXPECT_EQ(window.sheetList()->count(), 11);
    EXPECT_EQ(again.otherSheetBox()->findText(QStringLiteral("Maison"), Qt::MatchStartsWith), -1);
}

// The options window's sheet box is as wide as its longest caption needs (a
// layout would otherwise cut it), and so is its list, when a long-named sheet comes.
TEST_F(SheetsWindowTest, TheOptionsWindowShowsEachSheetsWholeCaption) {
    app->setStationCallsign(QStringLiteral("F9XQA"));
    LabelOptionsWindow& labels = app->showLabelOptions();
    QComboBox* box = labels.otherSheetBox();
    EXPECT_GE(box->minimumWidth(), box->sizeHint().width());
    const int before = box->sizeHint().width();

    labels.findChild<QPushButton*>(QStringLiteral("Planches_Button"))->click();
    SheetsWindow* window = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->objectName() == u"Planches" && shown->isVisible()) {
            window = qobject_cast<SheetsWindow*>(shown);
        }
    }
    ASSERT_NE(window, nullptr);  // "Planches…" opened the sheets window
    window->showSheet(QStringLiteral("L7160"));
    window->copySheet();
    type(*window, "nameBox", QStringLiteral("Planche du radio-club F6KOP, 3 x 7"));
    window->saveSheet();
    ASSERT_GE(
        box->findText(QStringLiteral("Planche du radio-club F6KOP, 3 x 7"), Qt::MatchStartsWith),
        0);
    EXPECT_GT(box->sizeHint().width(), before);
    // Up to 40 characters in the box, so that the window stays on a 1024-pixel screen.
    EXPECT_GE(box->minimumWidth(),
              std::min(box->sizeHint().width(), box->fontMetrics().averageCharWidth() * 40));
    EXPECT_GE(box->view()->minimumWidth(), box->sizeHint().width());
}

}  // namespace
