#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/window_fixture.h"
#include "windows/address_book_window.h"

namespace {

class AddressBookWindowTest : public WindowFixture {
  protected:
    void click(AddressBookWindow& window, const char* name) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString bookPath() const { return AddressBook::pathBeside(store->fileName()); }
};

// Typed, changed, filtered, deleted and imported addresses reach the file at
// once, readable by the operator only; a station without address is refused.
TEST_F(AddressBookWindowTest, KeepsWhatTheOperatorTypesInThePrivateFile) {
    AddressBookWindow& window = app->showAddressBook();
    window.callBox()->setText(QStringLiteral("on4aaa"));
    window.addressBox()->setPlainText(
        QStringLiteral("Jean Dupont\n\nRue; Neuve 1\n1000 Bruxelles"));
    click(window, "saveButton");
    click(window, "newButton");
    window.callBox()->setText(QStringLiteral("DL1ABC"));
    click(window, "saveButton");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Adresse :")));
    window.addressBox()->setPlainText(QStringLiteral("Hans Meier\nBerlin"));
    click(window, "saveButton");

    AddressBook onDisk;
    QString error;
    ASSERT_TRUE(onDisk.load(bookPath(), &error));
    ASSERT_EQ(onDisk.entries().size(), 2u);
    EXPECT_EQ(onDisk.find(QStringLiteral("ON4AAA"))->lines,
              (QStringList{QStringLiteral("Jean Dupont"), QStringLiteral("Rue; Neuve 1"),
                           QStringLiteral("1000 Bruxelles")}));
    struct stat state {};
    ASSERT_EQ(::stat(QFile::encodeName(bookPath()).constData(), &state), 0);
    EXPECT_EQ(state.st_mode & 0777, 0600u);

    window.filterBox()->setText(QStringLiteral("berlin"));
    ASSERT_EQ(window.stationList()->count(), 1);
    window.stationList()->setCurrentRow(0);
    EXPECT_EQ(window.callBox()->text(), QStringLiteral("DL1ABC"));
    dialogs.answers = {true};
    click(window, "deleteButton");
    EXPECT_EQ(window.stationList()->count(), 0);

    const QString other = dir.filePath(QStringLiteral("autre.csv"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("W1AW;ARRL;Newington\nON4AAA;Jean Dupont;Liège\n");
    file.close();
    dialogs.fileNames = {other};
    click(window, "importButton");
    ASSERT_TRUE(onDisk.load(bookPath(), &error));
    ASSERT_EQ(onDisk.entries().size(), 2u);
    EXPECT_EQ(onDisk.find(QStringLiteral("ON4AAA"))->lines.last(), QStringLiteral("Liège"));
    EXPECT_EQ(onDisk.find(QStringLiteral("DL1ABC")), nullptr);
}

TEST_F(AddressBookWindowTest, ListsTheStationsARunFoundNoAddressForFirst) {
    AddressBookWindow& window =
        app->showAddressBook({QStringLiteral("vp8xyz"), QStringLiteral("JA1XYZ")});
    ASSERT_EQ(window.stationList()->count(), 2);
    EXPECT_EQ(window.callBox()->text(), QStringLiteral("VP8XYZ"));
    window.addressBox()->setPlainText(QStringLiteral("Falkland Islands"));
    click(window, "saveButton");
    EXPECT_EQ(window.stationList()->count(), 2);
    EXPECT_TRUE(window.stationList()->item(0)->text().startsWith(QStringLiteral("JA1XYZ")));
    EXPECT_NE(window.book().find(QStringLiteral("VP8XYZ")), nullptr);
}

}  // namespace
