#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <set>

#include "support/test_files.h"
#include "support/window_fixture.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/layout_editor.h"
#include "windows/layout_preview.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"
#include "windows/window_manners.h"

namespace {

class WindowMannersTest : public WindowFixture {
  protected:
    WindowMannersTest() { app->setStationCallsign(QStringLiteral("F9XQA")); }

    static QPushButton* button(QWidget& window, const char* objectName) {
        return window.findChild<QPushButton*>(QString::fromLatin1(objectName));
    }
    static void click(QWidget& window, const char* objectName) {
        QPushButton* found = button(window, objectName);
        ASSERT_NE(found, nullptr) << objectName;
        found->click();
    }
    static QWidget* topLevel(const char* objectName) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(objectName) && window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }
    static void activate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
    }
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Each window that stands for a dialog, opened as the operator opens it.
    struct DialogLike {
        const char* name;
        std::function<QWidget*()> open;
    };
    std::vector<DialogLike> dialogLikeWindows() {
        return {
            {"Etiquettes", [this] { return &app->showLabelOptions(); }},
            {"Planches",
             [this] {
                 click(app->showLabelOptions(), "Planches_Button");
                 return topLevel("Planches");
             }},
            {"Print_Bas_QSL", [this] { return &app->showCardPrinting(); }},
            {"Parametres_QSL1",
             [this] {
                 click(app->showCardPrinting(), "Parametres");
                 return app->existingLayoutEditor();
             }},
            {"Apercu",
             [this] {
                 click(app->showLayoutEditor(), "Apercu_E");
                 return app->existingPreview();
             }},
        };
    }
};

TEST_F(WindowMannersTest, EscapeClosesEachDialogLikeWindowAndNotTheMainOnes) {
    for (const DialogLike& entry : dialogLikeWindows()) {
        QPointer<QWidget> window = entry.open();
        ASSERT_NE(window, nullptr) << entry.name;
        EXPECT_EQ(window->objectName(), QLatin1String(entry.name));
        activate(*window);
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.data(),
                        Qt::Key_Escape);
        flushDeletes();
        EXPECT_TRUE(window == nullptr || !window->isVisible()) << entry.name;
    }
    StartWindow& main = app->showStartWindow();
    activate(main);
    QTest::keyClick(&main, Qt::Key_Escape);
    EXPECT_TRUE(main.isVisible());
}

// Enter presses the button that has the keyboard, and every button of a window
// has its own Alt letter.
TEST_F(WindowMannersTest, EnterPressesTheFocusedButtonAndButtonsHaveDistinctMnemonics) {
    StartWindow& main = app->showStartWindow();
    dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
    activate(main);
    main.selectionButton()->setFocus();
    QTest::keyClick(main.selectionButton(), Qt::Key_Return);
    SelectionWindow& selection = app->selectionWindow();
    ASSERT_EQ(selection.qsoList().count(), 3);
    activate(selection);
    button(selection, "Select_All")->setFocus();
    QTest::keyClick(button(selection, "Select_All"), Qt::Key_Return);
    EXPECT_EQ(selection.printList().count(), 3);

    std::vector<QWidget*> windows{&main, &selection};
    for (const DialogLike& entry : dialogLikeWindows()) {
        windows.push_back(entry.open());
    }
    for (QWidget* window : windows) {
        std::set<QChar> letters;
        for (const QPushButton* pushButton : window->findChildren<QPushButton*>()) {
            const QString text = pushButton->text();
            const qsizetype amp = text.indexOf(u'&');
            ASSERT_TRUE(amp >= 0 && amp + 1 < text.size())
                << window->objectName().toStdString() << " " << text.toStdString();
            EXPECT_TRUE(letters.insert(text[amp + 1].toUpper()).second)
                << window->objectName().toStdString() << " " << text.toStdString();
        }
    }
}

// The layout editor's buttons come first in the Tab order: four Tabs reach them all.
TEST_F(WindowMannersTest, TheLayoutEditorsButtonsComeFirstInTheTabOrder) {
    LayoutEditor& editor = app->showLayoutEditor();
    activate(editor);
    EXPECT_EQ(QApplication::focusWidget(), button(editor, "Existante"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button(editor, "Enregistrer"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button(editor, "Apercu_E"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button(editor, "Carte"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(editor.leftBox(1)));
    EXPECT_EQ(editor.sizeBox(3)->accessibleName(),
              QStringLiteral("Ligne 3 : taille de police (5 à 15)"));
    EXPECT_EQ(editor.leftBox(10)->accessibleName(),
              QStringLiteral("Ligne 10 : position gauche (mm)"));
}

// A window comes back where the operator left it, in this run and the next.
TEST_F(WindowMannersTest, WindowsComeBackAtTheirLastSizeAndPlace) {
    CardPrintWindow& first = app->showCardPrinting();
    const QRect placed(QPoint(40, 30), first.size() + QSize(31, 12));
    first.setGeometry(placed);
    first.close();
    flushDeletes();
    EXPECT_FALSE(store
                     ->read(SettingsStore::globalSection(), QStringLiteral("Fenetre Print_Bas_QSL"),
                            QString())
                     .isEmpty());
    EXPECT_EQ(app->showCardPrinting().geometry(), placed);
    app->existingCardPrinting()->close();
    flushDeletes();

    app = std::make_unique<Application>(dialogs, *store);  // the next run
    EXPECT_EQ(app->showCardPrinting().geometry(), placed);
    // A window never moved opens where it always did.
    EXPECT_EQ(app->showLayoutEditor().pos(), LayoutEditor(app->workspace()).pos());
}

}  // namespace
