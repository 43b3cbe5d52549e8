#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// One station of the operator's address book: its call, then the lines of its
// address as they go on the envelope (name, street, town, country...).
struct AddressEntry {
    QString call;
    QStringList lines;

    bool operator==(const AddressEntry& other) const {
        return call == other.call && lines == other.lines;
    }
};

// The operator's address book, kept in adresses.csv beside the settings file:
// UTF-8, one station per line, the call then its address lines separated by
// semicolons, a field holding a semicolon, a quote or a line break quoted as
// CSV does. Addresses are personal data: the file is written readable by the
// operator only, through a temporary file renamed over the old one.
class AddressBook {
  public:
    static constexpr qint64 kLargestFile = 32 * 1024 * 1024;

    static QString pathBeside(const QString& settingsFile);

    // A missing file is an empty book. False, with a French message, when the
    // file cannot be read or is not an address book; the book is then unchanged.
    bool load(const QString& path, QString* error);
    bool save(const QString& path, QString* error) const;

    // Lines that hold no call are left out; a call given twice keeps its last address.
    static std::vector<AddressEntry> parse(const QByteArray& bytes);
    static QByteArray format(const std::vector<AddressEntry>& entries);

    // Calls are compared whatever their case and blanks around them.
    const AddressEntry* find(const QString& call) const;
    // Adds the entry, or replaces the address of a call already in the book.
    void put(const AddressEntry& entry);
    bool remove(const QString& call);
    // Puts every entry of another book in this one; returns how many.
    int import(const std::vector<AddressEntry>& entries);

    const std::vector<AddressEntry>& entries() const { return entries_; }
    static QString normalCall(const QString& call);

  private:
    std::vector<AddressEntry> entries_;
    QHash<QString, size_t> index_;  // call -> its place in entries_
};
