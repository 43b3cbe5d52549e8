#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
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

    // The window's run controls reach the run: "Regrouper" with a template without a
    // table is said once, and four cards share one A4 page.
    dialogs.messages.clear();
    window.groupBox()->setChecked(true);
    window.perPageBox()->setCurrentIndex(2);
    window.printCards();
    EXPECT_EQ(
        dialogs.messages,
        QStringList{QStringLiteral("Le modèle n'a pas de tableau des QSO : une carte par QSO.")});
    pdfWords(pdf, &pages);
    EXPECT_EQ(pages, 1);
}

TEST_F(CardWindow, ProposesAFileNextToTheLogAndStopsWhenAsked) {
    CardPrintWindow& window = openFromLabelOptions();
    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    QStringList proposed;
    // The printer dialog asks itself before it replaces a file: the second time it is told No.
    dialogs.printerChoice = [&](QPrinter& printer) {
        proposed.append(printer.outputFileName());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return proposed.size() == 1;
    };
    writeFile(dir, QStringLiteral("cartes.pdf"), "older");
    const qsizetype asked = dialogs.filters.size();  // the log's
    dialogs.stopAfter = 1;
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    EXPECT_EQ(dialogs.progressTotals, std::vector<int>{3});
    EXPECT_EQ(dialogs.progressSteps, std::vector<int>{1});
    // "Arrêter": the older file stays, the operator is told, nothing is marked or asked.
    EXPECT_EQ(readFile(pdf), "older");
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("Impression arrêtée : aucun fichier n'est écrit.")});
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.openProgress, 0);

    // Each run, the first one too, proposes the PDF beside the log; the template is not asked
    // again.
    window.findChild<QPushButton*>(QStringLiteral("Impression"))->click();
    const QString besideLog = testDataPath(QStringLiteral("one_record_per_line-cartes.pdf"));
    EXPECT_EQ(proposed, QStringList({besideLog, besideLog}));
    EXPECT_EQ(dialogs.filters.size(), asked + 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dialogs.progressTotals.size(), 1U);  // nothing printed
}

// The window names the template it prints with; chosen once (for the preview
// here) it is neither asked for again nor forgotten when the window opens again.
TEST_F(CardWindow, ShowsItsTemplateAndAsksForItOnce) {
    CardPrintWindow* window = &openFromLabelOptions();
    auto* shown = window->findChild<QLabel*>(QStringLiteral("templateLabel"));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), QStringLiteral("Modèle : aucun, il sera demandé"));
    const QString layout = saveTemplate(QStringLiteral("carte.qsl"));
    dialogs.fileNames.push_back(layout);
    const qsizetype asked = dialogs.filters.size();  // the log's
    window->previewButton()->click();
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_EQ(shown->text(), QStringLiteral("Modèle : %1").arg(QDir::toNativeSeparators(layout)));
    dialogs.previewPrint();  // the preview's own print button; the printer dialog is cancelled
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_EQ(dialogs.filters.size(), asked + 1);

    // "Choisir le modèle…" cancelled keeps it.
    window->findChild<QPushButton*>(QStringLiteral("templateButton"))->click();
    EXPECT_EQ(dialogs.filters.size(), asked + 2);
    EXPECT_TRUE(shown->text().endsWith(QStringLiteral("carte.qsl")));
    window->closeButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app->existingLabelOptions()->startPrint();
    window = app->existingCardPrinting();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->templateFile(), QFileInfo(layout).absoluteFilePath());
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
    model.design.picture = QStringLiteral("fond.svg");
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

    // A PDF over the template it prints from, the template's picture (printed
    // or not) or a file of the settings folder: a message, and the file stays.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("translations")));
    for (const QString& input :
         {layout, writeFile(dir, QStringLiteral("fond.svg"), "<svg/>\n"),
          writeFile(dir, QStringLiteral("sans_bureau.txt"), "-3D2\n"),
          writeFile(dir, QStringLiteral("translations/quenor_de.qm"), "qm")}) {
        const QByteArray before = readFile(input);
        dialogs.messages.clear();
        dialogs.printerChoice = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(input);
            return true;
        };
        window.printCards();
        ASSERT_EQ(dialogs.messages.size(), 2) << input.toStdString();
        EXPECT_TRUE(dialogs.messages.last().startsWith(QStringLiteral("Le fichier de sortie")))
            << dialogs.messages.last().toStdString();
        EXPECT_EQ(readFile(input), before) << input.toStdString();
    }
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
