#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

#include "platform/key_press_line_edit.h"
#include "selection/row_list.h"
#include "selection/select_qso.h"
#include "startup/main.h"
#include "support/test_files.h"
#include "support/typing.h"
#include "support/window_fixture.h"

namespace {

using MainWindow = WindowFixture;

TEST_F(MainWindow, LoadShowsStoredCallsignAndRecordsFolderAndRevision) {
    Main& main = app->showMain();
    EXPECT_EQ(main.Ind_A()->text(), QStringLiteral("Fxxxx"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Quenor_Etiquettes Revision  1.0.8"));
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Revision"), QString()),
              QStringLiteral(" 1.0.8"));
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Chemin Repertoire"), QString()),
              QCoreApplication::applicationDirPath());

    store->write(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("F9XQC/P"));
    main.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->showMain().Ind_A()->text(), QStringLiteral("F9XQC/P"));
}

TEST_F(MainWindow, TypedLowerCaseLettersBecomeCapitals) {
    Main& main = app->showMain();
    main.Ind_A()->clear();
    typeText(main.Ind_A(), QStringLiteral("f9xqa/pé"));
    EXPECT_EQ(main.Ind_A()->text(), QStringLiteral("F9XQA/Pé"));
    main.Ind_A()->insert(QStringLiteral("ab"));  // pasted text is left alone
    EXPECT_EQ(main.Ind_A()->text(), QStringLiteral("F9XQA/Péab"));
}

TEST_F(MainWindow, EmptyCallsignIsRefusedBeforeAnyDialog) {
    Main& main = app->showMain();
    main.Ind_A()->clear();
    main.Selection()->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Entrez votre indicatif")});
    EXPECT_TRUE(dialogs.filters.isEmpty());
    EXPECT_EQ(
        store->read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("none")),
        QStringLiteral("none"));
}

TEST_F(MainWindow, LoadingALogSavesTheCallsignAndFillsTheSelectionWindow) {
    Main& main = app->showMain();  // the default "Fxxxx" is accepted as it is
    dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
    main.Selection()->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.filters, QStringList{QStringLiteral(".adi  (*.adi)")});
    EXPECT_EQ(app->indicatifStation(), QStringLiteral("Fxxxx"));
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QString()),
              QStringLiteral("Fxxxx"));
    ASSERT_NE(app->existingSelectQso(), nullptr);
    EXPECT_TRUE(app->existingSelectQso()->isVisible());
    EXPECT_EQ(app->existingSelectQso()->Liste_QSO().count(), 3);
}

TEST_F(MainWindow, CancelledOrUnreadableFileLeavesAnEmptyQsoList) {
    Main& main = app->showMain();
    main.Ind_A()->setText(QStringLiteral("F9XQA"));
    main.Selection()->click();  // no file name scripted: the dialog is cancelled
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
    ASSERT_NE(app->existingSelectQso(), nullptr);
    EXPECT_FALSE(app->existingSelectQso()->isVisible());
    EXPECT_EQ(app->indicatifStation(), QStringLiteral("F9XQA"));

    dialogs.messages.clear();
    const QString missing = dir.filePath(QStringLiteral("missing.adi"));
    dialogs.fileNames.push_back(missing);
    main.Selection()->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(missing));
    EXPECT_EQ(app->existingSelectQso()->Liste_QSO().count(), 0);
}

TEST_F(MainWindow, ReaderMessagesAreShownOneByOne) {
    Main& main = app->showMain();
    const QString path =
        writeFile(dir, QStringLiteral("gaps.adi"), "<EOH><CALL:5>F9XQA<BAND:3>20M<EOR>");
    dialogs.fileNames.push_back(path);
    main.Selection()->click();
    EXPECT_EQ(dialogs.messages,
              QStringList({QStringLiteral("Date absente, remplacée par 01/01/2000"),
                           QStringLiteral("Heure absente, remplacée par 00:00")}));
    EXPECT_EQ(app->existingSelectQso()->Liste_QSO().count(), 1);
}

}  // namespace
