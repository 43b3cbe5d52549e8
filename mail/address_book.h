#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "mail/address_book_file.h"
#include "mail/address_entry.h"

// The operator's address book, kept in adresses.csv beside the settings file:
// one station per line, the call then its address lines separated by
// semicolons, a field holding a semicolon, a quote or a line break quoted as
// CSV does (AddressBookFile). What is not a station (comments, lines without
// a call, the earlier lines of a call given twice) is kept as it was; a save
// writes UTF-8, and every line read and not changed as it was read.
// Addresses are personal data: the file is written readable by the operator
// only, through a temporary file renamed over the old one.
class AddressBook {
  public:
    static constexpr qint64 kLargestFile = 32 * 1024 * 1024;

    static QString pathBeside(const QString& settingsFile);

    // A missing file is an empty book. False, with a French message, when the
    // file cannot be read whole or is not an address book; the book is then
    // unchanged.
    bool load(const QString& path, QString* error);
    // The older file is kept first as PATH.bak; both are the operator's only.
    bool save(const QString& path, QString* error);
    static QString backupPath(const QString& path);
    // What the last load could not take as a station, or read around (an
    // unclosed quote, a call given twice), each naming its line, in French.
    const QStringList& problems() const { return problems_; }
    // The file is not the one last read or written here (another window, an
    // editor), even when its size and time are the same.
    bool changedSinceRead(const QString& path) const;

    // The stations of a book's bytes, a call given twice with its last
    // address; `problems` as problems() gives them.
    static std::vector<AddressEntry> parse(const QByteArray& bytes,
                                           QStringList* problems = nullptr);
    static QByteArray format(const std::vector<AddressEntry>& entries);

    // Calls are compared whatever their case and blanks around them.
    const AddressEntry* find(const QString& call) const;
    // Adds the entry, or replaces the address of a call already in the book
    // (the one used, when the file gives the call twice).
    void put(const AddressEntry& entry);
    // Removes every line of the call.
    bool remove(const QString& call);
    // Puts every entry of another book in this one; returns how many.
    int import(const std::vector<AddressEntry>& entries);

    const std::vector<AddressEntry>& entries() const { return entries_; }
    static QString normalCall(const QString& call);

  private:
    struct FileState {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedMs = 0;
        QByteArray hash;
    };
    static FileState stateOf(const QString& path, const QByteArray& bytes);
    void take(AddressBookFile::Content content);
    // Rebuilds the stations from the records; the calls given twice, in French.
    std::vector<AddressBookFile::Problem> reindex();

    std::vector<BookRecord> records_;
    QString lineEnd_ = QStringLiteral("\n");
    std::vector<AddressEntry> entries_;  // the station used for each call
    QHash<QString, size_t> index_;       // call -> its place in entries_
    std::vector<size_t> used_;           // entries_'s place -> its record in records_
    FileState readAt_;
    QStringList problems_;
};
