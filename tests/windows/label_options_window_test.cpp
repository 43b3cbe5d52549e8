#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include "app/command_line.h"
#include "labels/label_option_table.h"
#include "labels/label_options_store.h"
#include "platform/key_press_line_edit.h"
#include "selection/row_list.h"
#include "support/pdf_text.h"
#include "support/test_files.h"
#include "support/typing.h"
#include "support/window_fixture.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/layout_editor.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"

namespace {

// Remembers the keys written, in order.
class RecordingStore : public SettingsStore {
  public:
    using SettingsStore::SettingsStore;
    void write(const QString& section, const QString& key, const QString& value) override {
        writes.append(section + QLatin1Char('|') + key);
        SettingsStore::write(section, key, value);
    }
    QStringList writes;
};

class EtiquettesWindow : public WindowFixture {
  protected:
    EtiquettesWindow() {
        recording = new RecordingStore(dir.filePath(QStringLiteral("Etiquette.ini")));
        store.reset(recording);
        app = std::make_unique<Application>(dialogs, *store);
    }

    LabelOptionsWindow& open(const QString& station = QStringLiteral("F9XQA")) {
        app->setStationCallsign(station);
        return app->showLabelOptions();
    }

    void reopen() {
        app->existingLabelOptions()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QColor background(QWidget* widget) { return widget->palette().color(QPalette::Base); }

    void loadLog(int qsos) {
        QByteArray log = "<EOH>\n";
        for (int i = 0; i < qsos; ++i) {
            log += "<CALL:5>F" + QByteArray::number(i % 10) +
                   "ABC<QSO_DATE:8>20090131"
                   "<TIME_ON:4>0751<BAND:3>40M<MODE:3>SSB<RST_SENT:2>59<EOR>\n";
        }
        StartWindow& main = app->showStartWindow();
        main.callsignBox()->setText(QStringLiteral("F9XQA"));
        dialogs.fileNames.push_back(writeFile(dir, QStringLiteral("log.adi"), log));
        main.loadLog();
        app->selectionWindow().selectAll();
    }

    RecordingStore* recording = nullptr;
};

// Each option of the table has its control in the window, its option on the
// command line, and a stored text that the store reads back as the same option.
TEST_F(EtiquettesWindow, OptionTableAgreesWithWindowCommandLineAndStore) {
    LabelOptionsWindow& window = open();
    const QString usage = CommandLine::usage();
    for (const LabelOptionField& field : labelOptionTable()) {
        const QRegularExpression control(
            QStringLiteral("^%1(\\(\\d\\))?$").arg(QLatin1String(field.control)));
        EXPECT_FALSE(window.findChildren<QWidget*>(control).isEmpty()) << field.control;
        EXPECT_TRUE(usage.contains(QStringLiteral("--") + QLatin1String(field.commandLine)))
            << field.commandLine;
        for (const auto& [word, storedText] : field.words) {
            LabelOptions options;
            ASSERT_TRUE(field.applyCommandLine(options, QString::fromLatin1(word)));
            EXPECT_EQ(field.stored(options), QString::fromUtf8(storedText)) << word;
        }
        LabelOptions options;
        EXPECT_FALSE(!field.words.empty() && field.applyCommandLine(options, QStringLiteral("x")));
    }
    LabelOptions options;
    options.station = QStringLiteral("F9XQA");
    options.format = 6;
    options.type = LabelOptions::kActivationLabel;
    options.french = false;
    options.qsl = 3;
    options.offset = QStringLiteral("+1");
    options.comment = QStringLiteral("73");
    LabelOptionsStore(*store).save(options);
    const LabelOptions loaded = LabelOptionsStore(*store).load(QStringLiteral("F9XQA"));
    for (const LabelOptionField& field : labelOptionTable()) {
        EXPECT_EQ(field.stored(loaded), field.stored(options)) << field.setting->key;
    }
    EXPECT_EQ(recording->writes.size(), 13);
}

TEST_F(EtiquettesWindow, FirstRunOpensWithTheDefaults) {
    LabelOptionsWindow& window = open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Impression étiquettes"));
    EXPECT_TRUE(window.languageButton(1)->isChecked());
    EXPECT_TRUE(window.sheetButton(2)->isChecked());
    EXPECT_TRUE(window.labelTypeButton(2)->isChecked());
    EXPECT_EQ(window.labelTypeButton(1), nullptr);
    EXPECT_TRUE(window.qslButton(1)->isChecked());
    EXPECT_EQ(window.verticalOffsetBox()->currentText(), QStringLiteral("0"));
    EXPECT_EQ(window.verticalOffsetBox()->count(), 5);
    EXPECT_FALSE(window.stopBox()->isChecked());
    EXPECT_EQ(window.focusWidget(), window.printButton());
    EXPECT_EQ(window.sheetButton(6)->text(),
              QStringLiteral("DECADRY DLW 1799       105 x 35      16Etiquettes"));
    EXPECT_EQ(window.sample(QStringLiteral("Label14"))->text(),
              QStringLiteral(" Merci  pour le QSO Pse QSL"));
    EXPECT_EQ(background(window.box(QStringLiteral("Num_Activite"))),
              LabelOptionsWindow::nextColour());
    EXPECT_EQ(background(window.box(QStringLiteral("Rx_Tx"))), LabelOptionsWindow::nextColour());
    EXPECT_EQ(background(window.box(QStringLiteral("Nom_activite"))),
              LabelOptionsWindow::restColour());
    EXPECT_TRUE(recording->writes.isEmpty());
}

TEST_F(EtiquettesWindow, RestoresEachStationsOptions) {
    LabelOptions portable;
    portable.station = QStringLiteral("F9XQC/P");
    portable.french = false;
    portable.format = 4;
    portable.type = LabelOptions::kActivationLabel;
    portable.qsl = 2;
    portable.offset = QStringLiteral("+1");
    portable.activationNumber = QStringLiteral("DFCF 59101");
    portable.group = true;
    recording->writes.clear();
    LabelOptionsStore(*store).save(portable);
    EXPECT_EQ(recording->writes.last(), QStringLiteral("F9XQC/PSetup |Regrouper"));
    store->write(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("F9XQC/P"));

    LabelOptionsWindow& window = open(QStringLiteral("F9XQC/P"));
    EXPECT_TRUE(window.languageButton(2)->isChecked());
    EXPECT_EQ(window.sample(QStringLiteral("Label10"))->text(),
              QStringLiteral("To F9XQA  Via F9XQB"));
    EXPECT_TRUE(window.sheetButton(4)->isChecked());
    EXPECT_TRUE(window.labelTypeButton(3)->isChecked());
    EXPECT_TRUE(window.qslButton(2)->isChecked());
    EXPECT_EQ(window.verticalOffsetBox()->currentText(), QStringLiteral("+1"));
    EXPECT_EQ(window.box(QStringLiteral("Num_Activite"))->text(), QStringLiteral("DFCF 59101"));
    EXPECT_TRUE(window.groupBox()->isChecked());
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Indica"))->text(),
              QStringLiteral("F9XQC/P"));
    window.languageButton(1)->click();
    EXPECT_EQ(window.sample(QStringLiteral("Label14"))->text(),
              QStringLiteral("Merci pour le QSO   Pse QSL"));

    reopen();
    LabelOptionsWindow& other = open(QStringLiteral("F9XQA"));
    EXPECT_TRUE(other.languageButton(1)->isChecked());
    EXPECT_FALSE(other.groupBox()->isChecked());
    EXPECT_TRUE(other.box(QStringLiteral("Num_Activite"))->text().isEmpty());
}

TEST_F(EtiquettesWindow, ValidatorsGuideFromBoxToBox) {
    LabelOptionsWindow& window = open();
    KeyPressLineEdit* number = window.box(QStringLiteral("Num_Activite"));
    KeyPressLineEdit* name = window.box(QStringLiteral("Nom_activite"));

    EXPECT_TRUE(pressEnter(number));  // empty: message, Enter not consumed
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Numero de l'activité obligatoire"));
    typeText(number, QStringLiteral(" dfcf59101abc "));
    EXPECT_EQ(number->text(), QStringLiteral(" DFCF59101ABC "));
    EXPECT_FALSE(pressEnter(number));  // twelve characters inside blanks pass
    EXPECT_EQ(window.focusWidget(), name);
    EXPECT_EQ(background(number), LabelOptionsWindow::restColour());
    EXPECT_EQ(background(name), LabelOptionsWindow::nextColour());

    typeText(number, QStringLiteral("D"));
    const int messages = static_cast<int>(dialogs.messages.size());
    EXPECT_TRUE(pressEnter(number));
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("12 caracteres maxi"));
    EXPECT_EQ(dialogs.messages.size(), messages + 1);

    typeText(name, QStringLiteral("   "));  // blanks are not a missing value
    EXPECT_FALSE(pressEnter(name));
    EXPECT_EQ(window.focusWidget(), window.box(QStringLiteral("Num_Canton")));

    KeyPressLineEdit* postcode = window.box(QStringLiteral("Num_CP"));
    typeText(postcode, QStringLiteral("ab12é"));
    EXPECT_EQ(postcode->text(), QStringLiteral("AB12é"));
    KeyPressLineEdit* municipality = window.box(QStringLiteral("Nom_Commune"));
    typeText(municipality, QStringLiteral("ab12"));
    EXPECT_EQ(municipality->text(), QStringLiteral("ab12"));
    EXPECT_FALSE(pressEnter(municipality));  // to the print button, colours kept
    EXPECT_EQ(window.focusWidget(), window.printButton());
    EXPECT_EQ(background(municipality), LabelOptionsWindow::restColour());

    KeyPressLineEdit* transceiver = window.box(QStringLiteral("Rx_Tx"));
    const int before = static_cast<int>(dialogs.messages.size());
    EXPECT_FALSE(pressEnter(transceiver));  // not required
    EXPECT_EQ(dialogs.messages.size(), before);
    EXPECT_EQ(window.focusWidget(), window.box(QStringLiteral("Antenne")));
}

TEST_F(EtiquettesWindow, CommentIsCheckedOnEnterAndOnLeaving) {
    LabelOptionsWindow& window = open();
    KeyPressLineEdit* comment = window.box(QStringLiteral("Texte_QSL"));
    comment->setText(QString(35, QLatin1Char('x')));
    EXPECT_TRUE(pressEnter(comment));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("32 caracteres maxi")});

    window.printButton()->setFocus();
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(comment, &leave);
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(window.focusWidget(), comment);

    comment->setText(QStringLiteral("Coupe du REF"));
    EXPECT_TRUE(pressEnter(comment));  // Enter is never consumed here
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(EtiquettesWindow, EffacerClearsOnlyTheActivationBoxes) {
    LabelOptions stored;
    stored.station = QStringLiteral("F9XQA");
    stored.activationNumber = QStringLiteral("DFCF 59101");
    stored.municipality = QStringLiteral("Colleret");
    stored.transceiver = QStringLiteral("FT 847");
    LabelOptionsStore(*store).save(stored);
    LabelOptionsWindow& window = open();
    window.clearButton()->click();
    EXPECT_TRUE(window.box(QStringLiteral("Num_Activite"))->text().isEmpty());
    EXPECT_TRUE(window.box(QStringLiteral("Nom_Commune"))->text().isEmpty());
    EXPECT_EQ(window.box(QStringLiteral("Rx_Tx"))->text(), QStringLiteral("FT 847"));
    reopen();
    EXPECT_EQ(open().box(QStringLiteral("Num_Activite"))->text(), QStringLiteral("DFCF 59101"));
}

TEST_F(EtiquettesWindow, PrintStartStoresTheOptionsInOrder) {
    LabelOptionsWindow& window = open();
    window.box(QStringLiteral("Antenne"))->setText(QString(16, QLatin1Char('A')));
    recording->writes.clear();
    window.startPrint();
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("15 caracteres maxi pour l'antenne"));
    EXPECT_TRUE(recording->writes.isEmpty());
    EXPECT_EQ(dialogs.printerDialogs, 0);

    window.box(QStringLiteral("Antenne"))->setText(QStringLiteral("Dipole"));
    window.sheetButton(5)->setChecked(true);
    window.verticalOffsetBox()->setEditText(QStringLiteral("2"));
    window.startPrint();
    const QString section = QStringLiteral("F9XQASetup |");
    QStringList expected;
    for (const char* key : {"Transceiver", "Antenne", "N° Activite", "Nom Activite", "N° Canton",
                            "N° CP", "Commune", "Texte_QSL", "Language", "Type etiquette",
                            "Format etiquette", "Format QSL", "Centrage V"}) {
        expected.append(section + QString::fromUtf8(key));
    }
    EXPECT_EQ(recording->writes, expected);
    EXPECT_EQ(dialogs.printerDialogs, 0);  // cards: no label printing
    EXPECT_NE(app->existingCardPrinting(), nullptr);
    EXPECT_EQ(store->read(QStringLiteral("F9XQASetup "), QStringLiteral("Centrage V"), QString()),
              QStringLiteral("-1"));
    EXPECT_EQ(
        store->read(QStringLiteral("F9XQASetup "), QStringLiteral("Format etiquette"), QString()),
        QStringLiteral("5"));
    EXPECT_EQ(store->read(QStringLiteral("F9XQASetup "), QStringLiteral("Language"), QString()),
              QStringLiteral("True"));
}

// The route chosen in the selection window names the marking question and
// gives the copy its sending method (B for labels otherwise).
TEST_F(EtiquettesWindow, TheMarkingFollowsTheRouteChosen) {
    loadLog(3);
    const struct {
        int route;
        const char* question;
        const char* via;
    } cases[] = {
        {2, "Marquer les 3 QSO imprimés comme envoyés en direct ?", "<QSL_SENT_VIA:1>D"},
        {1, "Marquer les 3 QSO imprimés comme envoyés par le bureau ?", "<QSL_SENT_VIA:1>B"},
        {0, "Marquer les 3 QSO imprimés comme envoyés ?", "<QSL_SENT_VIA:1>B"},
    };
    LabelOptionsWindow& window = open();
    window.sheetButton(1)->setChecked(true);
    QString pdf;
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    for (const auto& c : cases) {
        pdf = dir.filePath(QStringLiteral("labels-%1.pdf").arg(c.route));
        app->selectionWindow().routeBox()->setCurrentIndex(c.route);
        const QString marked = dir.filePath(QStringLiteral("log-%1.adi").arg(c.route));
        dialogs.questions.clear();
        dialogs.answers = {true};
        dialogs.fileNames.push_back(marked);
        window.printButton()->click();
        EXPECT_EQ(dialogs.questions, QStringList{QString::fromUtf8(c.question)});
        EXPECT_EQ(readFile(marked).count(c.via), 3) << c.route;
    }
}

// Before a bureau run the QSOs the bureau cannot deliver are named in one
// question: left out (they stay owed), printed anyway, or the run stopped.
TEST_F(EtiquettesWindow, ABureauRunAsksAboutCardsTheBureauCannotDeliver) {
    ASSERT_TRUE(QFile::copy(testDataPath(QStringLiteral("round/cty.dat")),
                            dir.filePath(QStringLiteral("cty.dat"))));
    StartWindow& main = app->showStartWindow();
    main.callsignBox()->setText(QStringLiteral("F9XQA"));
    dialogs.fileNames.push_back(
        writeFile(dir, QStringLiteral("log.adi"),
                  "<EOH><CALL:5>9N1AA<QSO_DATE:8>20240101<BAND:3>20M<EOR>"
                  "<CALL:6>DL1ABC<QSO_DATE:8>20240102<BAND:3>20M<EOR>"
                  "<CALL:10>EA8/ON4AAA<QSO_DATE:8>20240103<BAND:3>20M<EOR>"));
    main.loadLog();
    app->selectionWindow().selectAll();
    app->selectionWindow().routeBox()->setCurrentIndex(1);  // "Bureau"
    LabelOptionsWindow& window = open();
    window.sheetButton(1)->setChecked(true);
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("labels.pdf")));
        return true;
    };
    const struct {
        int answer;
        int printerDialogs;
        const char* marking;  // the question after the run; none when stopped
        const char* count;
    } cases[] = {
        {0, 1, "Marquer les 2 QSO imprimés comme envoyés par le bureau ?",
         "QSO par bureau : DL 1, ON 1"},
        {1, 1, "Marquer les 3 QSO imprimés comme envoyés par le bureau ?",
         "QSO par bureau : 9N 1, DL 1, ON 1"},
        {2, 0, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        dialogs.choiceQuestions.clear();
        dialogs.questions.clear();
        dialogs.messages.clear();
        dialogs.printerDialogs = 0;
        dialogs.choices = {c.answer};
        window.printButton()->click();
        ASSERT_EQ(dialogs.choiceQuestions.size(), 1) << c.answer;
        EXPECT_TRUE(dialogs.choiceQuestions[0].contains(
            QStringLiteral("9N1AA 01/01/24 14 Mhz : 9N, pas de bureau QSL")))
            << dialogs.choiceQuestions[0].toStdString();
        EXPECT_FALSE(dialogs.choiceQuestions[0].contains(QStringLiteral("DL1ABC")));
        EXPECT_EQ(
            dialogs.choiceAnswers.back(),
            (QStringList{QStringLiteral("Les laisser de côté"),
                         QStringLiteral("Les imprimer quand même"), QStringLiteral("Arrêter")}));
        EXPECT_EQ(dialogs.printerDialogs, c.printerDialogs) << c.answer;
        EXPECT_EQ(dialogs.questions,
                  c.marking ? QStringList{QString::fromUtf8(c.marking)} : QStringList())
            << c.answer;
        EXPECT_EQ(dialogs.messages,
                  c.count ? QStringList{QString::fromUtf8(c.count)} : QStringList())
            << c.answer;
    }
}

// A QSO whose call the log lacked (FXXXX) or whose station wants no card is
// named in one question before printing; No leaves them out of the run (and
// of the marking), Yes prints them.
TEST_F(EtiquettesWindow, AsksOnceAboutReplacedValuesAndStationsThatWantNoCard) {
    const QByteArray log =
        "<EOH>\n<CALL:5>F1ABC<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>40M<EOR>\n"
        "<QSO_DATE:8>20090131<TIME_ON:4>0752<BAND:3>40M<EOR>\n"
        "<CALL:5>F2ABC<QSO_DATE:8>20090131<TIME_ON:4>0753<BAND:3>40M"
        "<QSL_VIA:18>NO QSL CARD, SORRY<EOR>\n";
    StartWindow& main = app->showStartWindow();
    main.callsignBox()->setText(QStringLiteral("F9XQA"));
    dialogs.fileNames.push_back(writeFile(dir, QStringLiteral("log.adi"), log));
    main.loadLog();
    app->selectionWindow().selectAll();
    LabelOptionsWindow& window = open();
    window.sheetButton(1)->setChecked(true);
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("labels.pdf")));
        return true;
    };
    for (const bool printThem : {false, true}) {
        const QString marked = dir.filePath(QStringLiteral("log-%1.adi").arg(printThem));
        dialogs.questions.clear();
        dialogs.answers = {printThem, true};
        dialogs.fileNames.push_back(marked);
        window.printButton()->click();
        ASSERT_EQ(dialogs.questions.size(), 2) << printThem;
        const QString& doubts = dialogs.questions.first();
        EXPECT_TRUE(doubts.startsWith(QStringLiteral("2 QSO à vérifier avant l'impression :")))
            << doubts.toStdString();
        EXPECT_TRUE(doubts.contains(QStringLiteral("FXXXX"))) << doubts.toStdString();
        EXPECT_TRUE(doubts.contains(QStringLiteral("indicatif absent")));
        EXPECT_TRUE(doubts.contains(QStringLiteral("la station ne veut pas de carte")));
        EXPECT_FALSE(doubts.contains(QStringLiteral("F1ABC")));
        EXPECT_EQ(dialogs.questions.last(),
                  printThem ? QStringLiteral("Marquer les 3 QSO imprimés comme envoyés ?")
                            : QStringLiteral("Marquer le QSO imprimé comme envoyé ?"));
    }
}

TEST_F(EtiquettesWindow, PrintsThePrintListIntoAPdf) {
    loadLog(17);
    LabelOptionsWindow& window = open();
    window.sheetButton(1)->setChecked(true);
    window.stopBox()->setChecked(true);
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    // A complete run offers a copy of the log with the 17 QSOs marked as sent.
    const QString marked = dir.filePath(QStringLiteral("log-envoyees.adi"));
    dialogs.answers = {true, true};
    dialogs.fileNames.push_back(marked);
    window.printButton()->click();
    EXPECT_EQ(dialogs.questions,
              QStringList({QStringLiteral("Page suivante ?"),
                           QStringLiteral("Marquer les 17 QSO imprimés comme envoyés ?")}));
    EXPECT_EQ(dialogs.proposedNames, QStringList{marked});
    EXPECT_EQ(readFile(marked).count("<QSL_SENT:1>Y <QSLSDATE:8>"), 17);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("La copie marquée est écrite dans %1.")
                                                .arg(QDir::toNativeSeparators(marked))});
    EXPECT_EQ(dialogs.printerDialogs, 1);
    if (pdftotextAvailable()) {
        int pages = 0;
        const std::vector<PdfWord> words = pdfWords(pdf, &pages);
        EXPECT_EQ(pages, 2);
        EXPECT_FALSE(words.empty());
    }
    EXPECT_EQ(background(window.box(QStringLiteral("Rx_Tx"))), LabelOptionsWindow::nextColour());

    // Answered No: the run stops there, the boxes keep their colours.
    window.box(QStringLiteral("Rx_Tx"))->setText(QStringLiteral("FT 847"));
    pressEnter(window.box(QStringLiteral("Rx_Tx")));
    EXPECT_EQ(background(window.box(QStringLiteral("Rx_Tx"))), LabelOptionsWindow::restColour());
    dialogs.answers = {false};  // no next sheet (the printer dialog asked about the file)
    window.printButton()->click();
    // A stopped run offers no marking, and the program asks nothing about the file.
    ASSERT_EQ(dialogs.questions.size(), 3);
    EXPECT_EQ(background(window.box(QStringLiteral("Rx_Tx"))), LabelOptionsWindow::restColour());
    // A stopped run writes nothing: the older PDF stays whole, and the operator is told.
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("Impression arrêtée : aucun fichier n'est écrit."));
    if (pdftotextAvailable()) {
        int pages = 0;
        pdfWords(pdf, &pages);
        EXPECT_EQ(pages, 2);
    }
    // Every question came with no progress over it, and the progress is closed.
    EXPECT_EQ(dialogs.questionsUnderProgress, 0);
    EXPECT_EQ(dialogs.openProgress, 0);
    EXPECT_EQ(app->printList().count(), 17);  // the print list is unchanged

    // The copy is never written over the PDF just printed.
    dialogs.messages.clear();
    dialogs.answers = {true, true, true};  // replace the PDF, the next sheet, mark
    dialogs.fileNames.push_back(pdf);
    window.startPrint();
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("de cette impression")))
        << dialogs.messages.last().toStdString();
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));
}

// The marked copy over an existing file: one question, No by default; over the
// log itself the log is kept beside it as LOG.adi.bak, and the operator is told.
TEST_F(EtiquettesWindow, AMarkedCopyReplacesAFileOnlyWhenAskedAndKeepsTheLog) {
    loadLog(3);
    LabelOptionsWindow& window = open();
    window.sheetButton(1)->setChecked(true);
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("labels.pdf")));
        return true;
    };
    const QString log = dir.filePath(QStringLiteral("log.adi"));
    const QByteArray before = readFile(log);
    const QString other = writeFile(dir, QStringLiteral("autre.adi"), "older");
    struct Case {
        QString copy;
        bool replace;
        QByteArray copyAfter;  // empty: the marked copy
    };
    for (const Case& step :
         {Case{other, false, "older"}, Case{log, false, before}, Case{log, true, QByteArray()}}) {
        SCOPED_TRACE(step.copy.toStdString() + (step.replace ? " replaced" : " kept"));
        dialogs.questions.clear();
        dialogs.replaceQuestions.clear();
        dialogs.messages.clear();
        dialogs.answers = {true, step.replace};
        dialogs.fileNames.push_back(step.copy);
        window.printButton()->click();
        EXPECT_EQ(dialogs.questions.size(), 2);
        ASSERT_EQ(dialogs.replaceQuestions.size(), 1);
        EXPECT_TRUE(dialogs.replaceQuestions[0].contains(QFileInfo(step.copy).fileName()));
        if (!step.copyAfter.isEmpty()) {
            EXPECT_EQ(readFile(step.copy), step.copyAfter);
            EXPECT_TRUE(dialogs.messages.isEmpty());
            continue;
        }
        EXPECT_EQ(readFile(step.copy).count("<QSL_SENT:1>Y"), 3);
        EXPECT_EQ(readFile(log + QStringLiteral(".bak")), before);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(
            dialogs.messages[0].contains(QDir::toNativeSeparators(log) + QStringLiteral(".bak")));
    }
    EXPECT_FALSE(QFileInfo::exists(other + QStringLiteral(".bak")));

    // A second marking onto the log, now changed since it was read, is refused
    // before the backup is touched: LOG.adi.bak still holds the log as it was.
    const QByteArray markedLog = readFile(log);
    dialogs.messages.clear();
    dialogs.answers = {true, true};
    dialogs.fileNames.push_back(log);
    window.printButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("a changé depuis sa lecture")))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(readFile(log + QStringLiteral(".bak")), before);
    EXPECT_EQ(readFile(log), markedLog);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.part")}, QDir::Hidden | QDir::Files),
              QStringList());
}

// QSOs picked before the log was read again ("Tri par date") are the log's
// QSOs all the same: every printed QSO is marked, none stays owed.
TEST_F(EtiquettesWindow, QsosPickedBeforeTheLogWasReadAgainAreMarkedToo) {
    loadLog(3);
    SelectionWindow& selection = app->selectionWindow();
    dialogs.fileNames.push_back(dir.filePath(QStringLiteral("log.adi")));
    selection.findChild<QPushButton*>(QStringLiteral("Command3"))->click();  // "Tri par date"
    selection.selectAll();
    ASSERT_EQ(app->printList().count(), 3);
    LabelOptionsWindow& window = open();
    window.sheetButton(1)->setChecked(true);
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("labels.pdf")));
        return true;
    };
    const QString marked = dir.filePath(QStringLiteral("log-envoyees.adi"));
    dialogs.answers = {true};
    dialogs.fileNames.push_back(marked);
    window.printButton()->click();
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Marquer les 3 QSO imprimés comme envoyés ?")});
    EXPECT_EQ(readFile(marked).count("<QSL_SENT:1>Y"), 3);
}

// "Annuler" in the print dialog prints nothing, writes nothing and asks nothing.
TEST_F(EtiquettesWindow, ACancelledPrintDialogPrintsAndAsksNothing) {
    loadLog(17);
    LabelOptionsWindow& window = open();
    window.firstLabelBox()->setValue(3);
    const QString pdf = writeFile(dir, QStringLiteral("labels.pdf"), "older");
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    dialogs.answers = {true, true};
    window.printButton()->click();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.progressLabels.isEmpty());
    EXPECT_EQ(readFile(pdf), "older");
    EXPECT_EQ(window.firstLabelBox()->value(), 3);  // the sheet is still as it was
}

TEST_F(EtiquettesWindow, OpensFromTheSelectionWindowEvenWithAnEmptyPrintList) {
    StartWindow& main = app->showStartWindow();
    dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
    main.loadLog();
    app->selectionWindow().findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    ASSERT_NE(app->existingLabelOptions(), nullptr);
    EXPECT_TRUE(app->existingLabelOptions()->isVisible());
    EXPECT_TRUE(app->selectionWindow().isVisible());
    // Printing nothing is said before the print dialog opens, for labels and cards.
    app->setStationCallsign(QStringLiteral("F9XQA"));
    app->existingLabelOptions()->startPrint();
    EXPECT_EQ(dialogs.printerDialogs, 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("La liste d'impression est vide")))
        << dialogs.messages[0].toStdString();
}

TEST_F(EtiquettesWindow, PreviewShowsExactlyWhatWouldBePrinted) {
    loadLog(17);
    LabelOptionsWindow& window = open();
    window.sheetButton(4)->setChecked(true);
    EXPECT_EQ(window.firstLabelBox()->maximum(), 14);
    window.sheetButton(1)->setChecked(true);
    EXPECT_EQ(window.firstLabelBox()->maximum(), 16);
    window.firstLabelBox()->setValue(3);  // the first row of a used sheet is gone
    window.stopBox()->setChecked(true);   // the preview never stops to ask
    recording->writes.clear();
    window.previewButton()->click();
    ASSERT_EQ(dialogs.previews, 1);
    EXPECT_EQ(dialogs.previewCaptions, QStringList{QStringLiteral("Aperçu des étiquettes")});
    EXPECT_TRUE(recording->writes.isEmpty());
    EXPECT_TRUE(dialogs.questions.isEmpty());

    QPrinter screen(QPrinter::HighResolution);
    screen.setOutputFormat(QPrinter::PdfFormat);
    screen.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewWidget preview(&screen);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&](QPrinter* target) { dialogs.previewRender(*target); });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 2);
    EXPECT_TRUE(dialogs.questions.isEmpty());

    if (!pdftotextAvailable()) {
        return;
    }
    const auto words = [](const QString& pdf, int* pages) {
        QStringList text;
        for (const PdfWord& word : pdfWords(pdf, pages)) {
            text.append(word.text);
        }
        return text;
    };
    const QString previewPdf = dir.filePath(QStringLiteral("preview.pdf"));
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(previewPdf);
    file.setPageSize(QPageSize(QPageSize::A4));
    dialogs.previewRender(file);

    const QString printedPdf = dir.filePath(QStringLiteral("printed.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedPdf);
        return true;
    };
    window.stopBox()->setChecked(false);
    // The preview's own print button prints as "Imprimer les étiquettes" does,
    // and the same question follows.
    dialogs.previewPrint();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Marquer les 17 QSO imprimés comme envoyés ?")});
    EXPECT_EQ(window.firstLabelBox()->value(), 1);
    int previewPages = 0;
    int printedPages = 0;
    const QStringList previewText = words(previewPdf, &previewPages);
    EXPECT_EQ(previewText, words(printedPdf, &printedPages));
    EXPECT_EQ(previewPages, printedPages);
    EXPECT_EQ(previewPages, 2);
    EXPECT_GT(previewText.size(), 100);
    // The outlines of the labels are drawn in the preview only.
    EXPECT_GT(QFileInfo(previewPdf).size(), QFileInfo(printedPdf).size());
}

}  // namespace

namespace {

TEST_F(EtiquettesWindow, TabFollowsTheReadingOrderAndEntersGroupsOnTheSelectedOption) {
    LabelOptionsWindow& window = open();
    window.sheetButton(2)->setChecked(true);
    window.qslButton(3)->setChecked(true);
    QApplication::setActiveWindow(&window);
    window.printButton()->setFocus();
    QStringList visited;
    for (int i = 0; i < 26; ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(
        visited.join(u' '),
        QStringLiteral("Imprime Type_Etiquette(2) Num_Activite Nom_activite Num_Canton "
                       "Num_CP Nom_Commune Effacer Rx_Tx Antenne Langue(1) F_Etiquette(2) "
                       "otherSheetBox Planches_Button Ct_V Arret_Imp Premiere_Etiquette Regrouper "
                       "QSL(3) Texte_QSL Apercu "
                       "Selection Kind_Run Expediteur_Button Adresses_Button Imprime"));
}

TEST_F(EtiquettesWindow, BoxesShowTheirLongestTexts) {
    LabelOptionsWindow& window = open();
    window.show();
    const std::pair<const char*, const char*> longest[] = {
        {"Num_Activite", "DFCF-59101AB"},
        {"Nom_activite", "Chateau de Branleux-sur-Sambre"},
        {"Num_Canton", "5945"},
        {"Num_CP", "59680"},
        {"Nom_Commune", "Saint-Remy-Chaussee-du-Nor"},
        {"Antenne", "Dipole 2x10m W3"},
        {"Texte_QSL", "Merci pour ce bon contact en CW!"},
    };
    for (const auto& [name, text] : longest) {
        KeyPressLineEdit* box = window.box(QString::fromLatin1(name));
        box->setText(QString::fromLatin1(text));
        box->setCursorPosition(box->text().size());
        // Not scrolled: the first character is still at the left edge.
        EXPECT_EQ(box->cursorPositionAt(QPoint(6, box->height() / 2)), 0) << name;
    }
}

TEST_F(EtiquettesWindow, EveryWindowFitsASmallScreenUnderAPanel) {
    // 1024 x 768 less a 40-pixel panel and a title bar.
    const QSize room(1024, 768 - 40 - 30);
    loadLog(3);
    StartWindow& main = app->showStartWindow();
    LabelOptionsWindow& labels = open();
    std::vector<QWidget*> windows{&main, &app->selectionWindow(), &labels, &app->showCardPrinting(),
                                  &app->showLayoutEditor()};
    for (QWidget* window : windows) {
        const QSize size = window->size().expandedTo(window->minimumSizeHint());
        EXPECT_LE(size.width(), room.width()) << window->objectName().toStdString();
        EXPECT_LE(size.height(), room.height()) << window->objectName().toStdString();
    }
}

}  // namespace
