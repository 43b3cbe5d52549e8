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
    // file cannot be read whole or is not an address book; the book is then
    // unchanged. UTF-8, else Latin-1; UTF-16 with its byte order mark.
    bool load(const QString& path, QString* error);
    // The older file is kept first as PATH.bak; both are the operator's only.
    bool save(const QString& path, QString* error);
    static QString backupPath(const QString& path);
    // What the last load found wrong but could read around (an unclosed quote).
    const QStringList& problems() const { return problems_; }
    // The file is not the one last read or written here (another window, an editor).
    bool changedSinceRead(const QString& path) const;

    // Lines that hold no call are left out; a call given twice keeps its last
    // address. `problems`: the lines read around (an unclosed quote), in French.
    static std::vector<AddressEntry> parse(const QByteArray& bytes,
                                           QStringList* problems = nullptr);
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
    struct FileState {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedMs = 0;
    };
    static FileState stateOf(const QString& path);

    std::vector<AddressEntry> entries_;
    FileState readAt_;
    QStringList problems_;
    QHash<QString, size_t> index_;  // call -> its place in entries_
};
