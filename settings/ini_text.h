#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

// The text of an INI file as QSettings reads it, entry by entry, so that a
// file edited by hand can be read around its odd lines and changed where its
// keys stand: comments, blank lines and lines the program does not understand
// stay as they were. An entry runs from the start of a line to the end of the
// line its value ends on (a quoted value may span lines).
class IniText {
  public:
    explicit IniText(const QByteArray& bytes);

    // The numbers (from 1) of the lines QSettings cannot read: a line with no
    // "=" that is no comment ("# note"), a section without its "]", an empty key.
    const QList<int>& oddLines() const { return oddLines_; }
    // The text QSettings reads without a format error: odd lines left out, an
    // unclosed section closed (its keys stay in the section it names).
    QByteArray readable() const;
    // This text with every key of `changes` (a text QSettings wrote) put in:
    // a key already here is replaced where it stands, a new key goes at the
    // end of its section, a new section at the end of the text.
    QByteArray withChanges(const IniText& changes) const;

  private:
    enum class Kind { Blank, Comment, Section, Key, Odd, UnclosedSection };
    struct Entry {
        int line = 0;
        Kind kind = Kind::Blank;
        QByteArray text;  // with its line break
        QByteArray raw;   // a section's or a key's name as it stands in the file
        QString name;     // a section's prefix ("Setup /"), a key's full name as QSettings gives it
    };

    static qsizetype scanEntry(const QByteArray& bytes, qsizetype at, Entry& entry);
    static void classify(QByteArrayView content, qsizetype equals, Entry& entry);
    static QString decodedName(QByteArrayView raw);
    static QString sectionPrefix(QByteArrayView raw);
    static QString normalizedKey(const QString& key);
    static int lineBreaks(QByteArrayView text);
    static qsizetype sectionEnd(const std::vector<Entry>& entries, const QString& section);

    std::vector<Entry> entries_;
    QList<int> oddLines_;
};
