#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
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

}  // namespace
