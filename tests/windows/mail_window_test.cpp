#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "mail/sender_settings.h"
#include "platform/key_press_line_edit.h"
#include "support/pdf_text.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "windows/address_book_window.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/mail_options_widget.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"

namespace {

class MailWindows : public WindowFixture {
  protected:
    LabelOptionsWindow& openWithTheMailLog() {
        const QString log = dir.filePath(QStringLiteral("addresses.adi"));
        EXPECT_TRUE(QFile::copy(testDataPath(QStringLiteral("mail/addresses.adi")), log));
        StartWindow& main = app->showStartWindow();
        main.callsignBox()->setText(QStringLiteral("F9XQA"));
        dialogs.fileNames.push_back(log);
        main.loadLog();
        app->selectionWindow().selectAll();
        app->setStationCallsign(QStringLiteral("F9XQA"));
        return app->showLabelOptions();
    }

    template <typename Control>
    Control* control(QWidget& window, const char* name) {
        auto* found = window.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void printInto(const QString& pdf) {
        dialogs.printerChoice = [pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
    }

    static AddressBookWindow* addressBookShown() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"Adresses" && widget->isVisible()) {
                return qobject_cast<AddressBookWindow*>(widget);
            }
        }
        return nullptr;
    }
};

// The kinds of run share the print list: envelopes and address labels print
// to a PDF, one per recipient, the sender's address kept for the station, and
// the recipients without address said in one message that opens the book.
TEST_F(MailWindows, PrintsEnvelopesAndAddressLabelsAndOffersTheBookForTheMissing) {
    LabelOptionsWindow& window = openWithTheMailLog();
    control<QComboBox>(window, "Kind_Run")->setCurrentIndex(MailOptionsWidget::kEnvelopes);
    EXPECT_EQ(control<QPushButton>(window, "Imprime")->text(),
              QStringLiteral("&Imprimer les enveloppes"));
    control<QComboBox>(window, "Format_Enveloppe")->setCurrentIndex(3);  // C5
    control<QPushButton>(window, "Expediteur_Button")->click();
    control<QPlainTextEdit>(window, "Adresse_Expediteur")
        ->setPlainText(QStringLiteral("F9XQA\nPaul Martin\n\n75002 Paris"));
    control<QPushButton>(window, "Fermer_Expediteur")->click();
    // Escape closes "Adresse de l'expéditeur" as "Fermer" does, keeping what was typed.
    control<QPushButton>(window, "Expediteur_Button")->click();
    QWidget* senderWindow = window.findChild<QWidget*>(QStringLiteral("Expediteur"));
    ASSERT_NE(senderWindow, nullptr);
    ASSERT_TRUE(senderWindow->isVisible());
    senderWindow->activateWindow();
    QApplication::setActiveWindow(senderWindow);
    QTest::keyClick(senderWindow, Qt::Key_Escape);
    EXPECT_FALSE(senderWindow->isVisible());
    const QString envelopes = dir.filePath(QStringLiteral("enveloppes.pdf"));
    printInto(envelopes);
    dialogs.answers = {false};
    control<QPushButton>(window, "Imprime")->click();
    ASSERT_EQ(dialogs.questions.size(), 1)
        << dialogs.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialogs.questions[0].startsWith(QStringLiteral("Pas d'adresse pour : ")));
    for (const char* call : {"K1ZZ", "M0OXO", "F6XYZ"}) {
        EXPECT_TRUE(dialogs.questions[0].contains(QLatin1String(call))) << call;
    }
    EXPECT_EQ(addressBookShown(), nullptr);
    const SenderSettings kept = SenderSettings::load(*store, QStringLiteral("F9XQA"));
    EXPECT_EQ(kept.address, (QStringList{QStringLiteral("F9XQA"), QStringLiteral("Paul Martin"),
                                         QStringLiteral("75002 Paris")}));
    if (pdftotextAvailable()) {
        int pages = 0;
        const std::vector<PdfWord> words = pdfWords(envelopes, &pages);
        EXPECT_EQ(pages, 3);  // DL1ABC, ON4AAA, JA1XYZ
        EXPECT_EQ(std::count_if(words.begin(), words.end(),
                                [](const PdfWord& w) { return w.text == u"Paris"; }),
                  3);
    }

    // The preview draws what the print wrote, envelope for envelope, and asks nothing.
    control<QPushButton>(window, "Apercu")->click();
    ASSERT_EQ(dialogs.previewCaptions, QStringList{QStringLiteral("Aperçu des enveloppes")});
    EXPECT_EQ(dialogs.questions.size(), 1);
    const QString preview = dir.filePath(QStringLiteral("apercu.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(preview);
        dialogs.previewRender(printer);
    }
    if (pdftotextAvailable()) {
        int previewPages = 0;
        int printedPages = 0;
        pdfWords(preview, &previewPages);
        pdfWords(envelopes, &printedPages);
        EXPECT_EQ(previewPages, printedPages);
    }

    // The QSO labels after the envelopes' preview: their own page, in portrait
    // (not the landscape the envelopes left in the shared printer).
    control<QComboBox>(window, "Kind_Run")->setCurrentIndex(MailOptionsWidget::kQsoLabels);
    QPageLayout::Orientation chosen = QPageLayout::Landscape;
    dialogs.printerChoice = [&](QPrinter& printer) {
        chosen = printer.pageLayout().orientation();
        return false;
    };
    control<QPushButton>(window, "Imprime")->click();
    EXPECT_EQ(chosen, QPageLayout::Portrait);

    // Address labels on the chosen sheet; Yes opens the book on the missing calls.
    control<QComboBox>(window, "Kind_Run")->setCurrentIndex(MailOptionsWidget::kAddressLabels);
    EXPECT_EQ(control<QPushButton>(window, "Imprime")->text(),
              QStringLiteral("&Imprimer les étiquettes"));
    window.sheetButton(LabelOptionsWindow::kOtherSheet)->setChecked(true);
    control<QSpinBox>(window, "Etiquettes_Expediteur")->setValue(2);
    const QString labels = dir.filePath(QStringLiteral("adresses.pdf"));
    printInto(labels);
    dialogs.answers = {true};
    control<QPushButton>(window, "Imprime")->click();
    ASSERT_EQ(dialogs.questions.size(), 2);
    AddressBookWindow* book = addressBookShown();
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->callBox()->text(), QStringLiteral("K1ZZ"));
    if (pdftotextAvailable()) {
        int pages = 0;
        const std::vector<PdfWord> words = pdfWords(labels, &pages);
        EXPECT_EQ(pages, 1);
        EXPECT_EQ(std::count_if(words.begin(), words.end(),
                                [](const PdfWord& w) { return w.text == u"Paris"; }),
                  2);
    }
    EXPECT_EQ(SenderSettings::load(*store, QStringLiteral("F9XQA")).returnLabels, 2);

    // After a card run, the card window's "Enveloppes…" comes back here with envelopes chosen.
    control<QComboBox>(window, "Kind_Run")->setCurrentIndex(MailOptionsWidget::kQsoLabels);
    CardPrintWindow& cards = app->showCardPrinting();
    EXPECT_FALSE(cards.envelopesButton()->isEnabled());
    emit cards.envelopesRequested();
    EXPECT_EQ(app->showLabelOptions().mailOptions()->kind(), MailOptionsWidget::kEnvelopes);
}

}  // namespace
