#include <QCoreApplication>
#include <QEvent>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "labels/etiquettes.h"
#include "qslcard/print_bas_qsl.h"
#include "qslcard/qsl_template_file.h"
#include "selection/row_list.h"
#include "selection/select_qso.h"
#include "startup/main.h"
#include "support/pdf_text.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

namespace {

class CardWindow : public WindowFixture {
  protected:
    Print_Bas_QSL& openFromLabelOptions() {
        Main& main = app->showMain();
        dialogs.fileNames.push_back(testDataPath(QStringLiteral("one_record_per_line.adi")));
        main.Aff_QSO();
        app->selectQso().Select_All_Click();
        Etiquettes& labels = app->showEtiquettes();
        labels.F_Etiquette(5)->setChecked(true);
        labels.Imprime_Click();
        EXPECT_NE(app->existingCardPrinting(), nullptr);
        return *app->existingCardPrinting();
    }

    QString saveTemplate(const QString& name) {
        Modele_QSL model = Modele_QSL::editorDefaults();
        model.MG = QStringLiteral("3");
        model.MH = QStringLiteral("5");
        model.G[0] = QStringLiteral("20");
        model.H[0] = QStringLiteral("20");
        model.P[0] = QStringLiteral("14");
        model.G[2] = QStringLiteral("20");
        model.H[2] = QStringLiteral("40");
        model.T[0] = QStringLiteral("Indicatif");
        const QString path = dir.filePath(name);
        EXPECT_EQ(QslTemplateFile::save(model, path), QString());
        return path;
    }
};

TEST_F(CardWindow, OpensForDirectPrintingAndGoesBack) {
    Print_Bas_QSL& window = openFromLabelOptions();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Impression sur carte QSL"));
    EXPECT_EQ(window.focusWidget(), window.Impression());
    EXPECT_EQ(window.Impression()->nextInFocusChain(), window.Quitter());
    EXPECT_EQ(dialogs.printerDialogs, 0);
    window.Quitter()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->existingCardPrinting(), nullptr);
    EXPECT_TRUE(app->existingEtiquettes()->isVisible());
}

TEST_F(CardWindow, RefusesWhatIsNoUsableTemplate) {
    Print_Bas_QSL& window = openFromLabelOptions();
    window.Impression_Click();  // cancelled dialog
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("selectionnez un fichier ou quitter"));
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("CARTE.QSL")));
    window.Impression_Click();
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("sélectionnez un fichier .qsl ou créez en un"));
    dialogs.fileNames.push_back(writeFile(dir, QStringLiteral("court.qsl"), "3             5\r\n"));
    window.Impression_Click();
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("inutilisable")));
    EXPECT_EQ(dialogs.printerDialogs, 0);
}

TEST_F(CardWindow, PrintsOneCardPerQsoIntoAPdf) {
    Print_Bas_QSL& window = openFromLabelOptions();
    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    dialogs.printerChoice = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.Impression_Click();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
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

TEST_F(CardWindow, PreviewShowsOneCardPerQso) {
    Print_Bas_QSL& window = openFromLabelOptions();
    dialogs.fileNames.push_back(saveTemplate(QStringLiteral("carte.qsl")));
    window.Apercu()->click();
    ASSERT_EQ(dialogs.previews, 1);
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
