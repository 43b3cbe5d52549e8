#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    static QByteArray readBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static std::vector<AddressEntry> readBook(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? AddressBook::parse(file.readAll())
                                              : std::vector<AddressEntry>();
    }
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
    // An import that would replace a station asks first, No by default.
    window.filterBox()->clear();
    window.stationList()->setCurrentRow(0);
    ASSERT_EQ(window.callBox()->text(), QStringLiteral("ON4AAA"));
    dialogs.fileNames = {other};
    click(window, "importButton");
    ASSERT_EQ(dialogs.replaceQuestions.size(), 2);  // the deletion, then the import
    EXPECT_TRUE(dialogs.replaceQuestions[1].contains(QStringLiteral("ON4AAA")));
    ASSERT_TRUE(onDisk.load(bookPath(), &error));
    EXPECT_EQ(onDisk.find(QStringLiteral("ON4AAA"))->lines.last(),
              QStringLiteral("1000 Bruxelles"));
    dialogs.fileNames = {other};
    dialogs.answers = {true};
    click(window, "importButton");
    ASSERT_TRUE(onDisk.load(bookPath(), &error));
    ASSERT_EQ(onDisk.entries().size(), 2u);
    EXPECT_EQ(onDisk.find(QStringLiteral("ON4AAA"))->lines.last(), QStringLiteral("Liège"));
    EXPECT_EQ(onDisk.find(QStringLiteral("DL1ABC")), nullptr);
    // The pane shows the station as imported: saving it again keeps the import.
    EXPECT_TRUE(window.addressBox()->toPlainText().endsWith(QStringLiteral("Liège")));
    click(window, "saveButton");
    ASSERT_TRUE(onDisk.load(bookPath(), &error));
    EXPECT_EQ(onDisk.find(QStringLiteral("ON4AAA"))->lines.last(), QStringLiteral("Liège"));
    // Each save kept the book before it.
    EXPECT_EQ(readBook(AddressBook::backupPath(bookPath())).size(), 2u);
}

// Two "Adresses" windows, or an editor, writing the same book: a save applies
// on top of what the file holds, and loses no one else's entry.
TEST_F(AddressBookWindowTest, TwoWindowsLoseNothingOfEachOther) {
    AddressBookWindow first(app->workspace());
    AddressBookWindow second(app->workspace());
    first.callBox()->setText(QStringLiteral("F1AAA"));
    first.addressBox()->setPlainText(QStringLiteral("Paris"));
    click(first, "saveButton");
    second.callBox()->setText(QStringLiteral("G3BBB"));
    second.addressBox()->setPlainText(QStringLiteral("London"));
    click(second, "saveButton");
    EXPECT_EQ(readBook(bookPath()).size(), 2u);
    QFile editor(bookPath());
    ASSERT_TRUE(editor.open(QIODevice::Append));
    editor.write("JA1CCC;Tokyo;a longer line so that the size changes\n");
    editor.close();
    first.callBox()->setText(QStringLiteral("F1AAA"));
    first.addressBox()->setPlainText(QStringLiteral("Lyon"));
    click(first, "saveButton");
    const std::vector<AddressEntry> all = readBook(bookPath());
    EXPECT_EQ(all.size(), 3u);
    // The delete question's default is No.
    dialogs.answers.clear();
    first.callBox()->setText(QStringLiteral("G3BBB"));
    click(first, "deleteButton");
    EXPECT_EQ(readBook(bookPath()).size(), 3u);

    // An editor writes as many bytes and puts the file's time back: the
    // window's next save still applies on top of that edit.
    QByteArray edited = readBytes(bookPath());
    ASSERT_TRUE(edited.contains("London"));
    edited.replace("London", "Londen");
    const QDateTime time = QFileInfo(bookPath()).lastModified();
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly | QIODevice::Truncate));
    editor.write(edited);
    ASSERT_TRUE(editor.flush());
    editor.setFileTime(time, QFileDevice::FileModificationTime);
    editor.close();
    first.callBox()->setText(QStringLiteral("F1AAA"));
    first.addressBox()->setPlainText(QStringLiteral("Nice"));
    click(first, "saveButton");
    const QByteArray saved = readBytes(bookPath());
    EXPECT_TRUE(saved.contains("G3BBB;Londen\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("F1AAA;Nice\n")) << saved.toStdString();
}

// A book that cannot be read whole is said, and never saved over: a file
// read in part would lose every station after the cut.
TEST_F(AddressBookWindowTest, ABookReadInPartIsNeverSavedOver) {
    QByteArray big;
    while (big.size() <= AddressBook::kLargestFile) {
        big += "F1AAA;" + QByteArray(1000, 'x') + "\n";
    }
    QDir().mkpath(QFileInfo(bookPath()).absolutePath());
    QFile file(bookPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(big);
    file.close();
    AddressBookWindow& window = app->showAddressBook();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(bookPath()));
    window.callBox()->setText(QStringLiteral("G3BBB"));
    window.addressBox()->setPlainText(QStringLiteral("London"));
    click(window, "saveButton");
    EXPECT_EQ(QFileInfo(bookPath()).size(), big.size());
    EXPECT_EQ(dialogs.messages.size(), 2);
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
