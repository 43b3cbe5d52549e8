#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "cards/card_design_file.h"
#include "cards/qsl_template_file.h"
#include "selection/row_list.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "windows/card_design_panel.h"
#include "windows/card_print_window.h"
#include "windows/card_sketch.h"
#include "windows/layout_editor.h"
#include "windows/layout_preview.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"
#include "windows/window_placement.h"

namespace {

class LayoutEditorTest : public WindowFixture {
  protected:
    LayoutEditor& openWithPrintList() {
        StartWindow& main = app->showStartWindow();
        dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
        main.loadLog();
        app->selectionWindow().pickQso(2);  // DL1AA 02/01/09 12:00 144 Mhz FM 59
        return app->showCardPrinting(), openEditor();
    }

    LayoutEditor& openEditor() {
        app->existingCardPrinting() ? app->existingCardPrinting()->openLayoutEditor()
                                    : (void)app->showLayoutEditor();
        return *app->existingLayoutEditor();
    }

    static void click(QWidget& window, const char* objectName) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(objectName));
        ASSERT_NE(button, nullptr) << objectName;
        button->click();
    }

    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(LayoutEditorTest, OpensWithDefaultsAndTheFirstSelectedQso) {
    LayoutEditor& editor = openWithPrintList();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Parametres de la QSL"));
    EXPECT_EQ(editor.size(), QSize(488, 537));
    EXPECT_EQ(editor.leftBox(7)->text(), QStringLiteral("0"));
    EXPECT_EQ(editor.sizeBox(10)->text(), QStringLiteral("10"));
    EXPECT_EQ(editor.marginTopBox()->text(), QStringLiteral("0"));
    EXPECT_TRUE(editor.textBox(1)->text().isEmpty());
    EXPECT_EQ(editor.sample(1)->text(), QStringLiteral("DL1AA"));
    EXPECT_EQ(editor.sample(3)->text(), QStringLiteral("02/01/09"));
    EXPECT_EQ(editor.sample(5)->text(), QStringLiteral("144 Mhz"));
    EXPECT_EQ(editor.sample(2)->text(), QString());
    EXPECT_EQ(editor.leftBox(1)->geometry(), QRect(twips(480), twips(600), twips(495), twips(285)));
    EXPECT_EQ(editor.textBox(9)->width(), twips(4335));
    EXPECT_EQ(&openEditor(), &editor);  // "Setup_QSL" again only brings it forward
}

TEST_F(LayoutEditorTest, JoinBoxesZeroTheAbsorbedPositions) {
    LayoutEditor& editor = openEditor();
    EXPECT_EQ(editor.sample(1)->text(), QString());  // no selection window: empty samples
    for (int line = 1; line <= 10; ++line) {
        editor.leftBox(line)->setText(QStringLiteral("5"));
        editor.topBox(line)->setText(QStringLiteral("6"));
    }
    editor.joinBox(3)->click();
    for (const int line : {6, 7}) {
        EXPECT_EQ(editor.leftBox(line)->text(), QStringLiteral("0"));
        EXPECT_EQ(editor.topBox(line)->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(editor.leftBox(5)->text(), QStringLiteral("5"));
    editor.joinBox(3)->click();  // unticking restores nothing
    EXPECT_EQ(editor.leftBox(6)->text(), QStringLiteral("0"));
    editor.joinBox(1)->click();
    EXPECT_EQ(editor.topBox(2)->text(), QStringLiteral("0"));
    EXPECT_EQ(editor.leftBox(4)->text(), QStringLiteral("5"));
}

TEST_F(LayoutEditorTest, SavesThenHandsOverToTheCardWindow) {
    LayoutEditor& editor = openWithPrintList();
    editor.textBox(1)->setText(QStringLiteral("Indicatif"));
    editor.leftBox(1)->setText(QStringLiteral("12.5"));
    editor.saveTemplate();  // cancelled
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("selectionnez un fichier ou quitter"));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.textBox(1)->text(), QStringLiteral("Indicatif"));

    // Typed without the extension, the name gets it: the card window takes .qsl files only.
    const QString path = dir.filePath(QStringLiteral("carte.qsl"));
    dialogs.fileNames.push_back(dir.filePath(QStringLiteral("carte")));
    click(editor, "Enregistrer");
    flushDeletes();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("carte"))));
    EXPECT_EQ(app->existingLayoutEditor(), nullptr);
    ASSERT_NE(app->existingCardPrinting(), nullptr);
    EXPECT_TRUE(app->existingCardPrinting()->isVisible());
    QslTemplate saved;
    QString error;
    ASSERT_TRUE(QslTemplateFile::load(path, saved, &error));
    EXPECT_EQ(saved.left[0], QStringLiteral("12.5"));

    LayoutEditor& again = openEditor();  // a new editor reopens the template last saved
    EXPECT_EQ(again.textBox(1)->text(), QStringLiteral("Indicatif"));
    EXPECT_EQ(again.leftBox(1)->text(), QStringLiteral("12.5"));
    again.textBox(1)->clear();
    again.textBox(4)->setText(QStringLiteral("changed"));
    click(again, "Existante");  // cancelled: nothing changes
    EXPECT_EQ(again.textBox(4)->text(), QStringLiteral("changed"));
    EXPECT_EQ(dialogs.openFolders.last(), QFileInfo(path).absolutePath());
    dialogs.fileNames.push_back(path);
    again.loadTemplate();
    EXPECT_EQ(again.textBox(1)->text(), QStringLiteral("Indicatif"));
    EXPECT_EQ(again.leftBox(1)->text(), QStringLiteral("12.5"));
    EXPECT_EQ(again.textBox(4)->text(), QString());
    EXPECT_EQ(again.sample(1)->text(), QStringLiteral("DL1AA"));

    const QString tooLong = dir.filePath(QStringLiteral("long.qsl"));
    again.marginLeftBox()->setText(QStringLiteral("12345678901234"));
    dialogs.fileNames.push_back(tooLong);
    again.saveTemplate();
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("MG")));
    EXPECT_TRUE(again.isVisible());
    EXPECT_FALSE(QFile::exists(tooLong));

    // The name the extension makes is an existing template: asked once, No keeps it.
    again.marginLeftBox()->setText(QStringLiteral("3"));
    const QByteArray before = readFile(path);
    dialogs.fileNames.push_back(dir.filePath(QStringLiteral("carte")));
    click(again, "Enregistrer");
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Le fichier carte.qsl existe déjà. Le remplacer ?")});
    EXPECT_EQ(readFile(path), before);
    EXPECT_TRUE(again.isVisible());
}

// The editor states sizes "de 5 à 15": it keeps to them, and its preview
// shows every accepted line whole.
TEST_F(LayoutEditorTest, RefusesSizesOutsideFiveToFifteenAndPreviewsLinesWhole) {
    LayoutEditor& editor = openEditor();
    const QString path = dir.filePath(QStringLiteral("carte.qsl"));
    for (const char* size : {"4.5", "16", "1e1x", ""}) {
        editor.sizeBox(3)->setText(QString::fromLatin1(size));
        dialogs.fileNames = {path};
        click(editor, "Enregistrer");
        EXPECT_EQ(dialogs.messages.last(),
                  QStringLiteral("La taille de police P3 (« %1 ») doit être un nombre de 5 à 15. "
                                 "Le modèle n'est pas enregistré.")
                      .arg(QString::fromLatin1(size)));
        click(editor, "Apercu_E");
        EXPECT_EQ(app->existingPreview(), nullptr);
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(dialogs.filters.isEmpty());  // refused before any file dialog

    editor.sizeBox(3)->setText(QStringLiteral("5"));
    editor.sizeBox(10)->setText(QStringLiteral("99"));  // an unused free line is not saved
    const QString text = QStringLiteral("Merci pour le QSO et pour la QSL, 73 de F9XQA");
    for (const int line : {1, 8}) {
        editor.sizeBox(line)->setText(QStringLiteral("15"));
        editor.leftBox(line)->setText(QStringLiteral("2"));
        editor.topBox(line)->setText(QString::number(line * 5));
        editor.textBox(line)->setText(text);
    }
    click(editor, "Apercu_E");
    LayoutPreview* preview = app->existingPreview();
    ASSERT_NE(preview, nullptr);
    for (const int line : {1, 8}) {
        const QLabel* label = preview->lineLabel(line);
        const QFontMetrics metrics(label->font());
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << line;
        EXPECT_GE(label->height(), metrics.height()) << line;
    }
    click(editor, "Enregistrer");
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(LayoutEditorTest, SavesNoLineBreakAndNoCharacterTheFileCannotHold) {
    LayoutEditor& editor = openEditor();
    editor.leftBox(1)->setText(QStringLiteral("3\n4"));  // as a paste gives it
    editor.textBox(2)->setText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(editor.leftBox(1)->text(), QStringLiteral("3 4"));
    EXPECT_EQ(editor.textBox(2)->text(), QStringLiteral("a  b"));
    const QString path = dir.filePath(QStringLiteral("carte.qsl"));
    dialogs.fileNames.push_back(path);
    editor.saveTemplate();
    flushDeletes();
    EXPECT_EQ(readFile(path).count("\r\n"), QslTemplateFile::kLineCount);
    EXPECT_EQ(readFile(path).count('\n'), QslTemplateFile::kLineCount);

    LayoutEditor& again = openEditor();
    const QByteArray before = readFile(path);
    again.textBox(3)->setText(QStringLiteral("SP9ŁÓDŹ Ω 😀"));
    dialogs.fileNames.push_back(path);
    dialogs.answers.push_back(true);  // replace carte.qsl
    again.saveTemplate();
    EXPECT_EQ(dialogs.replaceQuestions.size(), 1);
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("T3 contient des caractères qu'un fichier .qsl ne peut pas garder : "
                             "ŁŹΩ😀. Le modèle n'est pas enregistré."));
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(readFile(path), before);
}

TEST_F(LayoutEditorTest, PreviewPlacesTheLinesOnTheCard) {
    LayoutEditor& editor = openWithPrintList();
    editor.leftBox(1)->setText(QStringLiteral("10"));
    editor.topBox(1)->setText(QStringLiteral("20"));
    editor.textBox(1)->setText(QStringLiteral("To"));
    editor.leftBox(8)->setText(QStringLiteral("150"));
    editor.topBox(8)->setText(QStringLiteral("30"));
    editor.textBox(8)->setText(QStringLiteral("Tnx QSO 73"));
    editor.leftBox(2)->setText(QStringLiteral("x"));
    editor.openPreview();
    LayoutPreview* preview = app->existingPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Aperçu avant impression"));
    EXPECT_EQ(preview->size(), QSize(twips(8040), twips(5040)));
    EXPECT_EQ(preview->cardFrame()->geometry(), QRect(twips(120), 0, twips(7815), twips(4935)));
    EXPECT_EQ(preview->lineLabel(1)->text(), QStringLiteral("To DL1AA"));
    EXPECT_EQ(preview->lineLabel(1)->pos(), QPoint(twips(520), twips(1040)));
    EXPECT_TRUE(preview->lineLabel(1)->font().bold());
    EXPECT_EQ(preview->lineLabel(8)->pos(), QPoint(twips(7800), twips(1560)));
    EXPECT_EQ(preview->lineLabel(4)->pos(), QPoint(twips(120), twips(5520)));  // at rest
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("Aperçu : ces valeurs ne sont pas des nombres, leurs lignes ne sont "
                             "pas affichées : G2"));

    // A second "Aperçu" only brings the open preview forward.
    editor.leftBox(1)->setText(QStringLiteral("40"));
    editor.openPreview();
    EXPECT_EQ(app->existingPreview(), preview);
    EXPECT_EQ(preview->lineLabel(1)->pos(), QPoint(twips(520), twips(1040)));

    // Closed, it hands the keyboard back to the editor.
    app->showStartWindow().activateWindow();
    preview->activateWindow();
    QApplication::processEvents();
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &editor);
}

}  // namespace

namespace {

// Faults caught: the editor dropping the card's design when it saves (the
// table and picture of a template lost), and a preview without the table or
// too small for an A6 card.
TEST_F(LayoutEditorTest, KeepsTheCardsDesignAndPreviewsTheTable) {
    const QString source = dir.filePath(QStringLiteral("table.qsl"));
    QByteArray bytes = readFile(QStringLiteral(QE_TEST_DATA_DIR "/../golden/table.qsl"));
    bytes += "card.size = 148x105\r\npicture.file = fond.png\r\n";
    writeFile(dir, QStringLiteral("table.qsl"), bytes);
    LayoutEditor& editor = openWithPrintList();
    dialogs.fileNames.push_back(source);
    editor.loadTemplate();
    QslTemplate loaded;
    ASSERT_TRUE(QslTemplateFile::load(source, loaded, nullptr));
    EXPECT_EQ(CardDesignFile::lines(editor.designPanel()->design()),
              CardDesignFile::lines(loaded.design));

    editor.openPreview();
    LayoutPreview* preview = app->existingPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_GE(preview->cardFrame()->height(), twips(105 * 52));
    const QStringList drawn = preview->sketch()->drawnTexts();
    EXPECT_TRUE(drawn.contains(QStringLiteral("144 Mhz"))) << drawn.join(u'|').toStdString();
    EXPECT_TRUE(drawn.contains(QStringLiteral("Bande")));
    preview->close();

    const QString copy = dir.filePath(QStringLiteral("copie.qsl"));
    dialogs.fileNames.push_back(copy);
    click(editor, "Enregistrer");
    QslTemplate saved;
    ASSERT_TRUE(QslTemplateFile::load(copy, saved, nullptr));
    EXPECT_EQ(CardDesignFile::lines(saved.design), CardDesignFile::lines(loaded.design));
}

}  // namespace
