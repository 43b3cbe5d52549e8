#include "mail/address_book_file.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include "cards/windows1252.h"
#include "mail/address_book.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddressBook)
};

}  // namespace

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// A call has no blank and no control character inside.
bool isCall(const QString& call) {
    if (call.isEmpty()) {
        return false;
    }
    for (const QChar c : call) {
        if (c.isSpace() || c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

// Reads the records of a decoded book one after the other.
class RecordReader {
  public:
    explicit RecordReader(const QString& text)
        : text_(text), break_(text.contains(u'\n') ? u'\n' : u'\r') {}

    bool atEnd() const { return at_ >= text_.size(); }
    BookRecord next(std::vector<AddressBookFile::Problem>& problems);
    QString lineEnd() const;

  private:
    // Where the line holding `from` ends: its break, or the end of the text.
    qsizetype breakFrom(qsizetype from) const {
        const qsizetype found = text_.indexOf(break_, from);
        return found < 0 ? text_.size() : found;
    }
    // Whether the line's own text ends at `at` (a CR just before its LF is no text).
    bool endsLine(qsizetype at) const {
        return at >= text_.size() || text_[at] == break_ ||
               (break_ == u'\n' && text_[at] == u'\r' && at + 1 < text_.size() &&
                text_[at + 1] == u'\n');
    }
    qsizetype textEnd(qsizetype breakAt) const {
        return break_ == u'\n' && breakAt > at_ && text_[breakAt - 1] == u'\r' ? breakAt - 1
                                                                               : breakAt;
    }
    QStringList fields(qsizetype& at, bool* unclosed) const;
    bool readQuoted(qsizetype& at, QString& field, bool* unclosed) const;
    QString readPlain(qsizetype& at) const;
    BookRecord finish(BookRecord record, qsizetype end);

    const QString& text_;
    const QChar break_;
    qsizetype at_ = 0;
    int line_ = 1;
};

QString RecordReader::lineEnd() const {
    const qsizetype found = text_.indexOf(break_);
    if (found < 0) {
        return QStringLiteral("\n");
    }
    if (break_ == u'\r') {
        return QStringLiteral("\r");
    }
    return found > 0 && text_[found - 1] == u'\r' ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

// A field that starts (after blanks) with a quote, up to its closing quote,
// which a semicolon or the line's end follows. False, `at` unchanged, for a
// field that does not start with a quote or whose quote is not closed so;
// `unclosed` is set when the quote is still open at the end of its line.
bool RecordReader::readQuoted(qsizetype& at, QString& field, bool* unclosed) const {
    qsizetype from = at;
    while (from < text_.size() && isBlank(text_[from])) {
        ++from;
    }
    if (from >= text_.size() || text_[from] != u'"') {
        return false;
    }
    bool crossedLine = false;
    QString value;
    for (qsizetype i = from + 1; i < text_.size(); ++i) {
        const QChar c = text_[i];
        if (c != u'"') {
            crossedLine = crossedLine || c == break_;
            value += c;
        } else if (i + 1 < text_.size() && text_[i + 1] == u'"') {
            value += c;
            ++i;
        } else {
            qsizetype after = i + 1;
            while (after < text_.size() && isBlank(text_[after])) {
                ++after;
            }
            if (endsLine(after) || text_[after] == u';') {
                field = value;
                at = after;
                return true;
            }
            *unclosed = crossedLine;
            return false;
        }
    }
    *unclosed = true;
    return false;
}

// A field as it is written, up to a semicolon or the line's end.
QString RecordReader::readPlain(qsizetype& at) const {
    const qsizetype from = at;
    while (!endsLine(at) && text_[at] != u';') {
        ++at;
    }
    return text_.mid(from, at - from);
}

// The fields of the record that starts at `at`; `at` ends at its last line's end.
QStringList RecordReader::fields(qsizetype& at, bool* unclosed) const {
    QStringList fields;
    while (true) {
        QString field;
        if (!readQuoted(at, field, unclosed)) {
            field = readPlain(at);
        }
        fields.append(field);
        if (at < text_.size() && text_[at] == u';') {
            ++at;
            continue;
        }
        return fields;
    }
}

BookRecord RecordReader::finish(BookRecord record, qsizetype end) {
    record.line = line_;
    record.text = text_.mid(at_, textEnd(end) - at_);
    line_ += static_cast<int>(QStringView(text_).mid(at_, end - at_).count(break_)) + 1;
    at_ = end + 1;
    return record;
}

BookRecord RecordReader::next(std::vector<AddressBookFile::Problem>& problems) {
    const QString firstLine = text_.mid(at_, textEnd(breakFrom(at_)) - at_).trimmed();
    if (firstLine.isEmpty() || firstLine.startsWith(u'#')) {
        return finish({}, breakFrom(at_));
    }
    qsizetype at = at_;
    bool unclosed = false;
    QStringList read = fields(at, &unclosed);
    if (unclosed) {
        problems.push_back({line_, Text::tr("ligne %1 : guillemet non fermé").arg(line_)});
    }
    BookRecord record;
    record.entry.call = AddressBook::normalCall(read.takeFirst());
    for (const QString& part : read) {
        if (!part.trimmed().isEmpty()) {
            record.entry.lines.append(part.trimmed());
        }
    }
    record.station = isCall(record.entry.call);
    if (!record.station && !(record.entry.call.isEmpty() && record.entry.lines.isEmpty())) {
        problems.push_back(
            {line_,
             Text::tr("ligne %1 : pas d'indicatif en tête, ligne gardée telle quelle").arg(line_)});
    }
    return finish(record, breakFrom(at));
}

QString quoted(const QString& field) {
    if (!field.contains(u';') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r')) {
        return field;
    }
    QString text = field;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// Each line as UTF-8 where it is valid UTF-8, else as Windows-1252.
QString decodedLineByLine(const QByteArray& bytes) {
    const char lineBreak = bytes.contains('\n') ? '\n' : '\r';
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype found = bytes.indexOf(lineBreak, at);
        const qsizetype end = found < 0 ? bytes.size() : found + 1;
        const QByteArrayView line = QByteArrayView(bytes).sliced(at, end - at);
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? Windows1252::decode(line.toByteArray()) : decoded;
        at = end;
    }
    return text;
}

}  // namespace

QString AddressBookFile::decoded(const QByteArray& bytes, bool* nulls) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
        return QString(utf16.decode(QByteArrayView(bytes).sliced(2)));
    }
    if (bytes.contains('\0')) {
        *nulls = true;
        return {};
    }
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString whole = utf8.decode(text);
    return utf8.hasError() ? decodedLineByLine(text) : whole;
}

AddressBookFile::Content AddressBookFile::read(const QByteArray& bytes) {
    Content content;
    const QString text = decoded(bytes, &content.nulls);
    RecordReader reader(text);
    content.lineEnd = reader.lineEnd();
    while (!reader.atEnd()) {
        content.records.push_back(reader.next(content.problems));
    }
    return content;
}

QByteArray AddressBookFile::write(const std::vector<BookRecord>& records, const QString& lineEnd) {
    QString text;
    for (const BookRecord& record : records) {
        text += record.asRead ? record.text : line(record.entry);
        text += lineEnd;
    }
    return text.toUtf8();
}

QString AddressBookFile::line(const AddressEntry& entry) {
    QString text = quoted(entry.call);
    for (const QString& line : entry.lines) {
        text += u';' + quoted(line);
    }
    return text;
}
