#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "platform/key_press_line_edit.h"
#include "platform/qt_dialogs.h"
#include "selection/row_list.h"
#include "support/test_files.h"
#include "support/typing.h"
#include "support/window_fixture.h"
#include "windows/label_options_window.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"

namespace {

using MainWindow = WindowFixture;

TEST_F(MainWindow, LoadShowsStoredCallsignAndRecordsFolderAndRevision) {
    StartWindow& main = app->showStartWindow();
    EXPECT_EQ(main.callsignBox()->text(), QStringLiteral("Fxxxx"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Quenor_Etiquettes Revision 1.0.8"));
    // The big callsign is the station's, as typed.
    auto* big = main.findChild<QLabel*>(QStringLiteral("Indicatif_Station"));
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->text(), QStringLiteral("Fxxxx"));
    EXPECT_EQ(main.callsignBox()->selectedText(), QStringLiteral("Fxxxx"));  // typing replaces it
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Revision"), QString()),
              QStringLiteral(" 1.0.8"));
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Chemin Repertoire"), QString()),
              QCoreApplication::applicationDirPath());

    store->write(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("F9XQC/P"));
    main.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->showStartWindow().callsignBox()->text(), QStringLiteral("F9XQC/P"));
    EXPECT_EQ(
        app->showStartWindow().findChild<QLabel*>(QStringLiteral("Indicatif_Station"))->text(),
        QStringLiteral("F9XQC/P"));
}

// A settings file edited by hand: the start window reads its good lines and
// names the odd one once; the next save keeps it.
TEST_F(MainWindow, ASettingsFileWithAnOddLineIsReadAndTheLineNamedOnce) {
    app.reset();
    const QString ini = writeFile(dir, QStringLiteral("Etiquette.ini"),
                                  "[Setup%20]\n# my station\nIndicatif=F9XQA\nLangue=de\n");
    store = std::make_unique<SettingsStore>(ini);
    app = std::make_unique<Application>(dialogs, *store);
    StartWindow& main = app->showStartWindow();
    EXPECT_EQ(main.callsignBox()->text(), QStringLiteral("F9XQA"));
    EXPECT_EQ(main.languageBox()->currentData().toString(), QStringLiteral("de"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral(", ligne 2 :")))
        << qPrintable(dialogs.messages.front());
    ASSERT_TRUE(store->sync());
    EXPECT_TRUE(readFile(ini).contains("\n# my station\nIndicatif=F9XQA\n"));
    main.close();
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(MainWindow, TypedLowerCaseLettersBecomeCapitals) {
    StartWindow& main = app->showStartWindow();
    main.callsignBox()->clear();
    typeText(main.callsignBox(), QStringLiteral("f9xqa/pé"));
    EXPECT_EQ(main.callsignBox()->text(), QStringLiteral("F9XQA/Pé"));
    main.callsignBox()->insert(QStringLiteral("ab"));  // pasted text is left alone
    EXPECT_EQ(main.callsignBox()->text(), QStringLiteral("F9XQA/Péab"));
}

TEST_F(MainWindow, EmptyCallsignIsRefusedBeforeAnyDialog) {
    StartWindow& main = app->showStartWindow();
    main.callsignBox()->clear();
    main.selectionButton()->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Entrez votre indicatif")});
    EXPECT_TRUE(dialogs.filters.isEmpty());
    EXPECT_EQ(
        store->read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("none")),
        QStringLiteral("none"));
}

TEST_F(MainWindow, LoadingALogSavesTheCallsignAndFillsTheSelectionWindow) {
    StartWindow& main = app->showStartWindow();  // the default "Fxxxx" is accepted as it is
    dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
    main.selectionButton()->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.filters,
              QStringList{QStringLiteral(".adi .adif  (*.adi *.ADI *.adif *.ADIF)")});
    EXPECT_EQ(dialogs.openFolders, QStringList{QString()});  // nothing remembered yet
    EXPECT_EQ(app->stationCallsign(), QStringLiteral("Fxxxx"));
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QString()),
              QStringLiteral("Fxxxx"));
    ASSERT_NE(app->existingSelectionWindow(), nullptr);
    EXPECT_TRUE(app->existingSelectionWindow()->isVisible());
    EXPECT_EQ(app->existingSelectionWindow()->qsoList().count(), 3);
}

// The log's folder is kept for the station: the next run's file dialog opens there.
TEST_F(MainWindow, TheLogsFolderIsRememberedForEachStation) {
    QDir(dir.path()).mkdir(QStringLiteral("logs"));
    const QString log = writeFile(dir, QStringLiteral("logs/log.ADIF"),
                                  "<EOH>\n<CALL:5>F9XQC<QSO_DATE:8>20090101<EOR>\n");
    app->showStartWindow().callsignBox()->setText(QStringLiteral("F9XQA"));
    dialogs.fileNames.push_back(log);
    app->startWindow()->selectionButton()->click();
    ASSERT_EQ(app->selectionWindow().qsoList().count(), 1);

    app = std::make_unique<Application>(dialogs, *store);  // the next run
    app->showStartWindow().selectionButton()->click();     // cancelled
    EXPECT_EQ(dialogs.openFolders.last(), QFileInfo(log).absolutePath());
    app->startWindow()->callsignBox()->setText(QStringLiteral("F5ZZZ"));
    app->startWindow()->selectionButton()->click();
    EXPECT_EQ(dialogs.openFolders.last(), QString());  // another station, its own folder
    EXPECT_EQ(
        store->read(QStringLiteral("F9XQASetup "), QStringLiteral("Dossier journal"), QString()),
        QFileInfo(log).absolutePath());
}

// "Fxxxx" is what a first start proposes: nothing is printed under it before
// the operator has given the real callsign.
TEST_F(MainWindow, PrintingUnderThePlaceholderAsksForTheRealCallsign) {
    app->showStartWindow();  // "Fxxxx" accepted as it is
    dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
    app->startWindow()->selectionButton()->click();
    app->selectionWindow().findChild<QPushButton*>(QStringLiteral("Select_All"))->click();
    app->selectionWindow().findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    ASSERT_NE(app->existingLabelOptions(), nullptr);
    auto* print = app->existingLabelOptions()->findChild<QPushButton*>(QStringLiteral("Imprime"));
    print->click();  // the question cancelled: nothing else happens
    ASSERT_EQ(dialogs.textQuestions.size(), 1);
    EXPECT_EQ(dialogs.textQuestions[0],
              QStringLiteral("L'indicatif de la station est encore « Fxxxx ». Entrez l'indicatif "
                             "à imprimer :"));
    EXPECT_EQ(dialogs.printerDialogs, 0);
    dialogs.texts = {QStringLiteral("fxxxx")};  // the placeholder again is no answer
    print->click();
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Entrez votre indicatif"));
    EXPECT_EQ(dialogs.printerDialogs, 0);

    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    dialogs.texts = {QStringLiteral(" f9xqa ")};
    print->click();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_EQ(app->stationCallsign(), QStringLiteral("F9XQA"));
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QString()),
              QStringLiteral("F9XQA"));
    EXPECT_EQ(app->startWindow()->callsignBox()->text(), QStringLiteral("F9XQA"));
    EXPECT_EQ(app->existingLabelOptions()->findChild<QLineEdit*>(QStringLiteral("Indica"))->text(),
              QStringLiteral("F9XQA"));
    print->click();  // asked once only
    EXPECT_EQ(dialogs.textQuestions.size(), 3);
    EXPECT_EQ(dialogs.printerDialogs, 2);
}

TEST_F(MainWindow, ALogGivenOnAFirstRunWaitsForTheCallsign) {
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    StartWindow& main = app->showStartWindow();
    main.loadLog(log);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Entrez votre indicatif")));
    EXPECT_EQ(main.callsignBox()->text(), QString());
    EXPECT_EQ(app->existingSelectionWindow(), nullptr);
    EXPECT_EQ(store->read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QString()),
              QString());

    typeText(main.callsignBox(), QStringLiteral("f9xqa"));
    main.selectionButton()->click();  // reads the waiting log; no file dialog
    EXPECT_TRUE(dialogs.filters.isEmpty());
    EXPECT_EQ(app->stationCallsign(), QStringLiteral("F9XQA"));
    ASSERT_NE(app->existingSelectionWindow(), nullptr);
    EXPECT_EQ(app->existingSelectionWindow()->qsoList().count(), 3);

    // Once a callsign is stored, a log given at start is read at once.
    main.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app->showStartWindow().loadLog(log);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(app->selectionWindow().qsoList().count(), 3);
}

TEST_F(MainWindow, CancelledOrUnreadableFileLeavesAnEmptyQsoList) {
    StartWindow& main = app->showStartWindow();
    main.callsignBox()->setText(QStringLiteral("F9XQA"));
    main.selectionButton()->click();  // no file name scripted: the dialog is cancelled
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
    EXPECT_EQ(app->existingSelectionWindow(), nullptr);
    EXPECT_EQ(app->stationCallsign(), QStringLiteral("F9XQA"));

    dialogs.messages.clear();
    const QString missing = dir.filePath(QStringLiteral("missing.adi"));
    dialogs.fileNames.push_back(missing);
    main.selectionButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(missing));
    EXPECT_EQ(app->workspace().selection().qsoList().count(), 0);
}

TEST_F(MainWindow, ReaderMessagesAreShownTogetherAfterTheReading) {
    StartWindow& main = app->showStartWindow();
    dialogs.fileNames.push_back(writeFile(dir, QStringLiteral("gaps.adi"),
                                          "<EOH><CALL:5>F9XQA<BAND:3>20M<EOR>"
                                          "<CALL:5>F9XQB<QSO_DATE:8>20240101<TIME_ON:4>1200<EOR>"));
    main.selectionButton()->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    ASSERT_EQ(dialogs.messageLists.size(), 1u);
    EXPECT_EQ(dialogs.messageLists[0].first, QStringLiteral("3 messages à la lecture du journal"));
    EXPECT_EQ(
        dialogs.messageLists[0].second,
        QStringList({QStringLiteral("QSO 1 (F9XQA) : Date absente, remplacée par 01/01/2000"),
                     QStringLiteral("QSO 1 (F9XQA) : Heure absente, remplacée par 00:00"),
                     QStringLiteral("QSO 2 (F9XQB) : Bande absente, remplacée par 1.8 Mhz")}));
    EXPECT_EQ(app->existingSelectionWindow()->qsoList().count(), 2);

    dialogs.messageLists.clear();
    dialogs.fileNames.push_back(
        writeFile(dir, QStringLiteral("one_gap.adi"),
                  "<EOH><CALL:5>F9XQA<QSO_DATE:8>20240101<TIME_ON:4>1200<EOR>"));
    main.selectionButton()->click();
    EXPECT_TRUE(dialogs.messageLists.empty());
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Bande absente, remplacée par 1.8 Mhz")});
}

TEST_F(MainWindow, DesktopMessageListShowsEveryItemUnderItsCountWithOneButton) {
    QtDialogs desktop;
    QString title, heading, items;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        title = shown->windowTitle();
        heading = shown->findChild<QLabel*>()->text();
        items = shown->findChild<QPlainTextEdit*>(QStringLiteral("messageItems"))->toPlainText();
        buttons = static_cast<int>(shown->findChildren<QAbstractButton*>().size());
        shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    desktop.messageList(QStringLiteral("2 messages"),
                        {QStringLiteral("a <b>"), QStringLiteral("c")});
    EXPECT_EQ(title, Dialogs::title());
    EXPECT_EQ(heading, QStringLiteral("2 messages"));
    EXPECT_EQ(items, QStringLiteral("a <b>\nc"));
    EXPECT_EQ(buttons, 1);
}

}  // namespace
