#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "mail/address_entry.h"

// One record of an address book file: a station, or a line the program keeps
// as it was (a comment, a blank line, a line without a call).
struct BookRecord {
    QString text;          // the record as read, without its line end
    bool asRead = true;    // false once the program changed the station: written anew
    bool station = false;  // `entry` holds the record's call and address
    AddressEntry entry;
    int line = 0;  // the file's line where the record starts, from 1; 0 for a new one
};

// The text form of the address book, as people and spreadsheets write it:
// each line decoded on its own (UTF-8 where it is valid, else Windows-1252),
// or the whole file as UTF-16 after its byte order mark; fields separated by
// semicolons, a field quoted when its first character is a quote (a quote
// anywhere else is a character of the field). Lines end with LF or CR LF, or
// with CR alone in a file without LF; a lone CR inside a line is a character.
class AddressBookFile {
  public:
    struct Problem {
        int line;
        QString text;  // French
    };
    struct Content {
        std::vector<BookRecord> records;
        QString lineEnd = QStringLiteral("\n");  // the file's own, written back
        std::vector<Problem> problems;
        bool nulls = false;  // NUL bytes without a UTF-16 mark: not read
    };

    static Content read(const QByteArray& bytes);
    // UTF-8; a record read and not changed is written as it was read.
    static QByteArray write(const std::vector<BookRecord>& records, const QString& lineEnd);
    // A station as the program writes it: fields quoted only where needed.
    static QString line(const AddressEntry& entry);
    static QString decoded(const QByteArray& bytes, bool* nulls);
};
