#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "labels/label_options.h"
#include "support/window_fixture.h"
#include "windows/label_options_window.h"
#include "windows/sheets_window.h"

namespace {

class SheetsWindowTest : public WindowFixture {
  protected:
    void type(SheetsWindow& window, const char* box, const QString& value) {
        window.field(QString::fromLatin1(box))->setText(value);
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

    window.copySheet();
    EXPECT_EQ(window.field(QStringLiteral("nameBox"))->text(), QStringLiteral("Copie de L7160"));
    type(window, "nameBox", QStringLiteral("12"));
    window.saveSheet();
    type(window, "nameBox", QStringLiteral("Maison"));
    type(window, "acrossBox", QStringLiteral("60"));
    window.saveSheet();
    type(window, "acrossBox", QStringLiteral("abc"));
    window.saveSheet();
    type(window, "acrossBox", QStringLiteral("70"));
    window.saveSheet();
    ASSERT_EQ(dialogs.messages.size(), 4);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Nom :")));
    EXPECT_TRUE(dialogs.messages[1].contains(QStringLiteral("chevauchent")));
    EXPECT_TRUE(dialogs.messages[2].startsWith(QStringLiteral("Pas horizontal :")));
    EXPECT_TRUE(dialogs.messages[3].contains(QStringLiteral("sortent du papier")));
    type(window, "acrossBox", QStringLiteral("66,5"));
    window.saveSheet();
    EXPECT_EQ(dialogs.messages.size(), 4);
    EXPECT_EQ(window.sheetList()->count(), 12);
    EXPECT_EQ(SheetTable::load(SheetTable::ownSheetsPath(store->fileName())).own().at(0).across,
              66.5);

    const int line = labels.otherSheetBox()->findText(QStringLiteral("Maison"));
    ASSERT_GE(line, 0);
    labels.otherSheetBox()->setCurrentIndex(line);
    labels.sheetButton(LabelOptionsWindow::kOtherSheet)->setChecked(true);
    EXPECT_EQ(labels.options().sheet, QStringLiteral("Maison"));

    // The options window comes back on the sheet stored by name.
    labels.startPrint();
    labels.close();
    LabelOptionsWindow& again = app->showLabelOptions();
    EXPECT_TRUE(again.sheetButton(LabelOptionsWindow::kOtherSheet)->isChecked());
    EXPECT_EQ(again.otherSheetBox()->currentText(), QStringLiteral("Maison"));

    dialogs.answers.push_back(true);
    window.deleteSheet();
    EXPECT_EQ(window.sheetList()->count(), 11);
    EXPECT_EQ(again.otherSheetBox()->findText(QStringLiteral("Maison")), -1);
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
