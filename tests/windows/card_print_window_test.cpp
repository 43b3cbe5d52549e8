#include <QCoreApplication>
#include <QEvent>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "cards/qsl_template_file.h"
#include "selection/row_list.h"
#include "support/pdf_text.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"

namespace {

class CardWindow : public WindowFixture {
  protected:
    CardPrintWindow& openFromLabelOptions() {
        StartWindow& main = app->showStartWindow();
        dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
        main.loadLog();
        app->selectionWindow().selectAll();
        LabelOptionsWindow& labels = app->showLabelOptions();
        labels.sheetButton(5)->setChecked(true);
        labels.startPrint();
        EXPECT_NE(app->existingCardPrinting(), nullptr);
        return *app->existingCardPrinting();
    }

    QString saveTemplate(const QString& name) {
        QslTemplate model = QslTemplate::editorDefaults();
        model.marginLeft = QStringLiteral("3");
        model.marginTop = QStringLiteral("5");
        model.left[0] = QStringLiteral("20");
        model.top[0] = QStringLiteral("20");
        model.size[0] = QStringLiteral("14");
        model.left[2] = QStringLiteral("20");
        model.top[2] = QStringLiteral("40");
        model.text[0] = QStringLiteral("Indicatif");
        const QString path = dir.filePath(name);
        EXPECT_EQ(QslTemplateFile::save(model, path), QString());
        return path;
    }
};

TEST_F(CardWindow, OpensForDirectPrintingAndGoesBack) {
    CardPrintWindow& window = openFromLabelOptions();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Impression sur carte QSL"));
    EXPECT_EQ(window.focusWidget(), window.printButton());
    EXPECT_EQ(window.printButton()->nextInFocusChain(), window.closeButton());
    EXPECT_EQ(dialogs.printerDialogs, 0);
    window.closeButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->existingCardPrinting(), nullptr);
    EXPECT_TRUE(app->existingLabelOptions()->isVisible());
}

TEST_F(CardWindow, RefusesWhatIsNoUsableTemplate) {
    CardPrintWindow& window = openFromLabelOptions();
    window.printCards();  // cancelled dialog
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("selectionnez un fichier ou quitter"));
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("CARTE.QSL")));
    window.printCards();
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("sélectionnez un fichier .qsl ou créez en un"));
    dialogs.fileNames.push_back(writeFile(dir, QStringLiteral("court.qsl"), "3             5\r\n"));
    window.printCards();
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("inutilisable")));
    EXPECT_EQ(dialogs.printerDialogs, 0);
}

TEST_F(CardWindow, PrintsOneCardPerQsoIntoAPdf) {
    CardPrintWindow& window = openFromLabelOptions();
    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.printCards();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
    // The marking question comes once the progress has closed.
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questionsUnderProgress, 0);
    if (!pdftotextAvailable()) {
        return;
    }
    int pages = 0;
    const std::vector<PdfWord> words = pdfWords(pdf, &pages);
    EXPECT_EQ(pages, 3);
    ASSERT_FALSE(words.empty());
    // The margins stand for the printable area: texts land at G, H from the card's edges.
    const auto callsign = std::find_if(
        words.begin(), words.end(), [](const PdfWord& word) { return word.text == u"Indicatif"; });
    ASSERT_NE(callsign, words.end());
    EXPECT_NEAR(callsign->left, 20.0, 0.05);
    EXPECT_NEAR(callsign->top, 20.0, 0.05);
}

TEST_F(CardWindow, ProposesAFileNextToTheLogAndStopsWhenAsked) {
    CardPrintWindow& window = openFromLabelOptions();
    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    QStringList proposed;
    dialogs.printerChoice = [&](QPrinter& printer) {
        proposed.append(printer.outputFileName());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    writeFile(dir, QStringLiteral("cartes.pdf"), "older");
    dialogs.answers = {true};  // replace it
    dialogs.stopAfter = 1;
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    EXPECT_EQ(dialogs.progressTotals, std::vector<int>{3});
    EXPECT_EQ(dialogs.progressSteps, std::vector<int>{1});
    // "Arrêter": the older file stays, the operator is told, nothing is marked.
    EXPECT_EQ(readFile(pdf), "older");
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Impression arrêtée : aucun fichier n'est écrit.")});
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.openProgress, 0);

    // The next run proposes a name of its own, and keeps the existing file unless told.
    dialogs.fileNames.push_back(dir.filePath(QStringLiteral("carte.qsl")));
    window.findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    ASSERT_EQ(proposed.size(), 2);
    EXPECT_EQ(proposed[1], testDataPath(QStringLiteral("one_record_per_line-cartes.pdf")));
    ASSERT_EQ(dialogs.questions.size(), 2);
    EXPECT_TRUE(dialogs.questions[1].contains(QStringLiteral("cartes.pdf")));
    EXPECT_EQ(dialogs.progressTotals.size(), 1U);  // nothing printed
}

// "Annuler" in the print dialog prints nothing, writes nothing and asks nothing.
TEST_F(CardWindow, ACancelledPrintDialogPrintsAndAsksNothing) {
    CardPrintWindow& window = openFromLabelOptions();
    const QString pdf = writeFile(dir, QStringLiteral("cartes.pdf"), "older");
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    dialogs.answers = {true, true};
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.progressLabels.isEmpty());
    EXPECT_EQ(readFile(pdf), "older");
}

TEST_F(CardWindow, NamesTheLinesPastTheEdgeAndRefusesToReplaceItsInputs) {
    CardPrintWindow& window = openFromLabelOptions();
    QslTemplate model;
    QString error;
    const QString layout = saveTemplate(QStringLiteral("carte.qsl"));
    ASSERT_TRUE(QslTemplateFile::load(layout, model, &error));
    model.left[2] = QStringLiteral("100");  // line 3: "02/01/09", 9 points wide enough
    model.size[2] = QStringLiteral("30");
    model.top[9] = QStringLiteral("88");  // line 10, bottom of the card
    model.text[9] = QStringLiteral("Tnx");
    ASSERT_EQ(QslTemplateFile::save(model, layout), QString());
    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    dialogs.fileNames.push_back(layout);
    window.printCards();
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Les lignes 3, 10 dépassent le bord de la carte")});
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));  // printed all the same

    // A PDF over the template it prints from: a message, and the template stays.
    const QByteArray before = readFile(layout);
    dialogs.messages.clear();
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(layout);
        return true;
    };
    dialogs.answers.push_back(true);  // "replace it?" yes: refused all the same
    dialogs.fileNames.push_back(layout);
    window.printCards();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages.last().startsWith(QStringLiteral("Le fichier de sortie")));
    EXPECT_EQ(readFile(layout), before);
}

TEST_F(CardWindow, PreviewShowsOneCardPerQso) {
    CardPrintWindow& window = openFromLabelOptions();
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.previewButton()->click();
    ASSERT_EQ(dialogs.previews, 1);
    EXPECT_EQ(dialogs.previewCaptions, QStringList{QStringLiteral("Aperçu des cartes")});
    EXPECT_EQ(dialogs.printerDialogs, 0);
    QPrinter screen(QPrinter::HighResolution);
    screen.setOutputFormat(QPrinter::PdfFormat);
    QPrintPreviewWidget preview(&screen);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&](QPrinter* target) { dialogs.previewRender(*target); });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 3);
    EXPECT_NEAR(screen.pageLayout().fullRect(QPageLayout::Millimeter).width(), 140, 0.5);
}

}  // namespace
