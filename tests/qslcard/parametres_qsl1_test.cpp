#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qslcard/apercu.h"
#include "qslcard/parametres_qsl1.h"
#include "qslcard/print_bas_qsl.h"
#include "qslcard/qsl_template_file.h"
#include "selection/row_list.h"
#include "selection/select_qso.h"
#include "startup/main.h"
#include "startup/window_placement.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

namespace {

class LayoutEditor : public WindowFixture {
  protected:
    Parametres_QSL1& openWithPrintList() {
        Main& main = app->showMain();
        dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
        main.Aff_QSO();
        app->selectQso().Liste_QSO_Click(2);  // DL1AA 02/01/09 12:00 144 Mhz FM 59
        return app->showCardPrinting(), openEditor();
    }

    Parametres_QSL1& openEditor() {
        app->existingCardPrinting() ? app->existingCardPrinting()->Parametres_Click()
                                    : (void)app->showLayoutEditor();
        return *app->existingLayoutEditor();
    }

    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(LayoutEditor, OpensWithDefaultsAndTheFirstSelectedQso) {
    Parametres_QSL1& editor = openWithPrintList();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Parametres de la QSL"));
    EXPECT_EQ(editor.size(), QSize(488, 537));
    EXPECT_EQ(editor.G(7)->text(), QStringLiteral("0"));
    EXPECT_EQ(editor.P(10)->text(), QStringLiteral("10"));
    EXPECT_EQ(editor.MH()->text(), QStringLiteral("0"));
    EXPECT_TRUE(editor.T(1)->text().isEmpty());
    EXPECT_EQ(editor.sample(1)->text(), QStringLiteral("DL1AA"));
    EXPECT_EQ(editor.sample(3)->text(), QStringLiteral("02/01/09"));
    EXPECT_EQ(editor.sample(5)->text(), QStringLiteral("144 Mhz"));
    EXPECT_EQ(editor.sample(2)->text(), QString());
    EXPECT_EQ(editor.G(1)->geometry(), QRect(twips(480), twips(600), twips(495), twips(285)));
    EXPECT_EQ(editor.T(9)->width(), twips(4335));
    EXPECT_EQ(&openEditor(), &editor);  // "Setup_QSL" again only brings it forward
}

TEST_F(LayoutEditor, JoinBoxesZeroTheAbsorbedPositions) {
    Parametres_QSL1& editor = openEditor();
    EXPECT_EQ(editor.sample(1)->text(), QString());  // no selection window: empty samples
    for (int line = 1; line <= 10; ++line) {
        editor.G(line)->setText(QStringLiteral("5"));
        editor.H(line)->setText(QStringLiteral("6"));
    }
    editor.Check(3)->click();
    for (const int line : {6, 7}) {
        EXPECT_EQ(editor.G(line)->text(), QStringLiteral("0"));
        EXPECT_EQ(editor.H(line)->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(editor.G(5)->text(), QStringLiteral("5"));
    editor.Check(3)->click();  // unticking restores nothing
    EXPECT_EQ(editor.G(6)->text(), QStringLiteral("0"));
    editor.Check(1)->click();
    EXPECT_EQ(editor.H(2)->text(), QStringLiteral("0"));
    EXPECT_EQ(editor.G(4)->text(), QStringLiteral("5"));
}

TEST_F(LayoutEditor, SavesThenHandsOverToTheCardWindow) {
    Parametres_QSL1& editor = openWithPrintList();
    editor.T(1)->setText(QStringLiteral("Indicatif"));
    editor.G(1)->setText(QStringLiteral("12.5"));
    editor.Enregistrer_Click();  // cancelled
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("selectionnez un fichier ou quitter"));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.T(1)->text(), QStringLiteral("Indicatif"));

    const QString path = dir.filePath(QStringLiteral("carte"));  // no extension added
    dialogs.fileNames.push_back(path);
    editor.Enregistrer_Click();
    flushDeletes();
    EXPECT_EQ(app->existingLayoutEditor(), nullptr);
    ASSERT_NE(app->existingCardPrinting(), nullptr);
    EXPECT_TRUE(app->existingCardPrinting()->isVisible());
    Modele_QSL saved;
    QString error;
    ASSERT_TRUE(QslTemplateFile::load(path, saved, &error));
    EXPECT_EQ(saved.G[0], QStringLiteral("12.5"));

    Parametres_QSL1& again = openEditor();  // a fresh editor starts from the defaults
    EXPECT_EQ(again.T(1)->text(), QString());
    again.T(4)->setText(QStringLiteral("changed"));
    again.Existante_Click();  // cancelled: nothing changes
    EXPECT_EQ(again.T(4)->text(), QStringLiteral("changed"));
    dialogs.fileNames.push_back(path);
    again.Existante_Click();
    EXPECT_EQ(again.T(1)->text(), QStringLiteral("Indicatif"));
    EXPECT_EQ(again.G(1)->text(), QStringLiteral("12.5"));
    EXPECT_EQ(again.T(4)->text(), QString());
    EXPECT_EQ(again.sample(1)->text(), QStringLiteral("DL1AA"));

    const QString tooLong = dir.filePath(QStringLiteral("long.qsl"));
    again.MG()->setText(QStringLiteral("12345678901234"));
    dialogs.fileNames.push_back(tooLong);
    again.Enregistrer_Click();
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("MG")));
    EXPECT_TRUE(again.isVisible());
    EXPECT_FALSE(QFile::exists(tooLong));
}

TEST_F(LayoutEditor, PreviewPlacesTheLinesOnTheCard) {
    Parametres_QSL1& editor = openWithPrintList();
    editor.G(1)->setText(QStringLiteral("10"));
    editor.H(1)->setText(QStringLiteral("20"));
    editor.T(1)->setText(QStringLiteral("To"));
    editor.G(8)->setText(QStringLiteral("150"));
    editor.H(8)->setText(QStringLiteral("30"));
    editor.T(8)->setText(QStringLiteral("Tnx QSO 73"));
    editor.G(2)->setText(QStringLiteral("x"));
    editor.Apercu_E_Click();
    Apercu* preview = app->existingPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Aperçu avant impression"));
    EXPECT_EQ(preview->size(), QSize(twips(8040), twips(5040)));
    EXPECT_EQ(preview->Frame1()->geometry(), QRect(twips(120), 0, twips(7815), twips(4935)));
    EXPECT_EQ(preview->L(1)->text(), QStringLiteral("To DL1AA"));
    EXPECT_EQ(preview->L(1)->pos(), QPoint(twips(520), twips(1040)));
    EXPECT_TRUE(preview->L(1)->font().bold());
    EXPECT_EQ(preview->L(8)->pos(), QPoint(twips(7800), twips(1560)));
    EXPECT_EQ(preview->L(4)->pos(), QPoint(twips(120), twips(5520)));  // at rest
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("Aperçu : ces valeurs ne sont pas des nombres, leurs lignes ne sont "
                             "pas affichées : G2"));

    // A second "Aperçu" only brings the open preview forward.
    editor.G(1)->setText(QStringLiteral("40"));
    editor.Apercu_E_Click();
    EXPECT_EQ(app->existingPreview(), preview);
    EXPECT_EQ(preview->L(1)->pos(), QPoint(twips(520), twips(1040)));
}

}  // namespace
