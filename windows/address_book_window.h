#pragma once

#include <functional>

#include <QStringList>
#include <QWidget>

#include "mail/address_book.h"

class Workspace;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Adresses…": the operator's address book, the addresses direct cards and
// envelopes go to. A list with a filter; the selected station's call and
// address (one line per line of the envelope) to change, add or delete; an
// import of another file of the same shape. Every change is written at once.
class AddressBookWindow : public QWidget {
    Q_OBJECT

  public:
    explicit AddressBookWindow(Workspace& workspace, QWidget* parent = nullptr);

    QListWidget* stationList() const { return list_; }
    QLineEdit* filterBox() const { return filter_; }
    QLineEdit* callBox() const { return call_; }
    QPlainTextEdit* addressBox() const { return address_; }
    const AddressBook& book() const { return book_; }

    // The stations a run found no address for, listed first and selected in
    // turn so that the operator can type their addresses.
    void completeAddressesOf(const QStringList& calls);

  private:
    void buildControls();
    QPushButton* addButton(const char* name, const QString& text);
    void fillList();
    void showStation();
    void newStation();
    void saveStation();
    void deleteStation();
    void importFile();
    // Applies `change` to the book as it is on disk (read again when another
    // window or program changed it since), then saves it; false when not saved.
    bool change(const std::function<void(AddressBook&)>& change);
    bool write();

    Workspace& workspace_;
    QString path_;
    AddressBook book_;
    bool readWhole_ = true;  // false: the file was not read whole and is never saved over
    QStringList toComplete_;
    QListWidget* list_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLineEdit* call_ = nullptr;
    QPlainTextEdit* address_ = nullptr;
};
