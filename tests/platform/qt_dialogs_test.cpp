#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/qt_dialogs.h"

namespace {

// Closes the message that is about to open, as its OK button would.
void answerNextMessage() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

TEST(QtDialogs, AMessageGivesTheKeyboardBackToTheBoxThatHadIt) {
    QWidget startWindow;
    startWindow.show();
    QtDialogs dialogs;
    dialogs.setParentWindow(&startWindow);

    QWidget options;
    auto* layout = new QVBoxLayout(&options);
    auto* first = new QLineEdit;
    auto* number = new QLineEdit;
    layout->addWidget(first);
    layout->addWidget(number);
    options.show();
    options.activateWindow();
    settle();
    number->setFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), number);

    answerNextMessage();
    dialogs.message(QStringLiteral("Numero de l'activité obligatoire"));
    settle();
    EXPECT_EQ(QApplication::activeWindow(), &options);
    EXPECT_EQ(QApplication::focusWidget(), number);
}

// The preview's print button closes the preview and hands over to the
// program's own print; the preview's pages are not what gets printed.
TEST(QtDialogs, ThePreviewsPrintButtonStartsTheProgramsPrint) {
    QtDialogs dialogs;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    int prints = 0;
    bool pressed = false;
    QTimer::singleShot(0, [&pressed] {
        QWidget* preview = QApplication::activeModalWidget();
        if (preview == nullptr) {
            return;
        }
        // Whatever Qt's own print would open (a file dialog) is closed again.
        QTimer::singleShot(200, [] {
            while (QWidget* open = QApplication::activeModalWidget()) {
                open->close();
            }
        });
        const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction* action : preview->findChildren<QAction*>()) {
            if (action->text() == text) {
                pressed = true;
                action->trigger();
            }
        }
        if (!pressed) {
            preview->close();
        }
    });
    dialogs.showPrintPreview(
        printer, QStringLiteral("Aperçu des étiquettes"), [](QPrinter&) {},
        [&prints] { ++prints; });
    EXPECT_TRUE(pressed);
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Enter pressed while the progress is in front (a key meant for another
// window) does not stop the run; "Arrêter" clicked does.
TEST(QtDialogs, AStrayEnterDoesNotStopARun) {
    QWidget startWindow;
    startWindow.show();
    QtDialogs dialogs;
    dialogs.setParentWindow(&startWindow);
    const std::unique_ptr<Progress> progress =
        dialogs.showProgress(QStringLiteral("Impression"), 10);
    QProgressDialog* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        shown = shown != nullptr ? shown : qobject_cast<QProgressDialog*>(widget);
    }
    ASSERT_NE(shown, nullptr);
    shown->show();
    settle();
    auto* stop = shown->findChild<QPushButton*>(QStringLiteral("Arreter"));
    ASSERT_NE(stop, nullptr);
    for (QWidget* target : {static_cast<QWidget*>(shown), static_cast<QWidget*>(stop)}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
        settle();
        EXPECT_TRUE(progress->advance(1));
    }
    stop->click();
    EXPECT_FALSE(progress->advance(2));
}

}  // namespace
