#include "settings/ini_text.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBreak(char c) {
    return c == '\n' || c == '\r';
}

// The end of the line break at `at` ("\r\n" is one), or `at` when there is none.
qsizetype afterBreak(const QByteArray& bytes, qsizetype at) {
    if (at < bytes.size() && bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
        return at + 2;
    }
    return at < bytes.size() && isBreak(bytes[at]) ? at + 1 : at;
}

// The end of a value as QSettings reads it: at a line break or a ";" outside
// quotes; a backslash carries the next character (a line break too).
qsizetype valueEnd(const QByteArray& bytes, qsizetype at, qsizetype* equals) {
    bool quoted = false;
    *equals = -1;
    while (at < bytes.size()) {
        const char c = bytes[at];
        if (c == '\\') {
            at = at + 1 < bytes.size() && isBreak(bytes[at + 1]) ? afterBreak(bytes, at + 1)
                                                                 : at + 2;
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '=' && !quoted && *equals < 0) {
            *equals = at;
        } else if ((isBreak(c) || c == ';') && !quoted) {
            break;
        }
        ++at;
    }
    return std::min(at, bytes.size());
}

}  // namespace

IniText::IniText(const QByteArray& bytes) {
    qsizetype at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (at > 0) {
        Entry mark;
        mark.kind = Kind::Blank;
        mark.text = bytes.first(3);
        entries_.push_back(mark);
    }
    int line = 1;
    QString prefix;
    while (at < bytes.size()) {
        Entry entry;
        entry.line = line;
        const qsizetype end = scanEntry(bytes, at, entry);
        entry.text = bytes.sliced(at, end - at);
        line += lineBreaks(entry.text);
        at = end;
        switch (entry.kind) {
            case Kind::Section:
            case Kind::UnclosedSection:
                prefix = sectionPrefix(entry.raw);
                entry.name = prefix;
                break;
            case Kind::Key:
                entry.name = normalizedKey(prefix + decodedName(entry.raw));
                break;
            default:
                break;
        }
        if (entry.kind == Kind::Odd || entry.kind == Kind::UnclosedSection) {
            oddLines_.append(entry.line);
        }
        entries_.push_back(entry);
    }
}

qsizetype IniText::scanEntry(const QByteArray& bytes, qsizetype at, Entry& entry) {
    while (at < bytes.size() && isBlank(bytes[at])) {
        ++at;
    }
    qsizetype end = at;
    if (at == bytes.size() || isBreak(bytes[at])) {
        entry.kind = Kind::Blank;
    } else if (bytes[at] == ';') {
        entry.kind = Kind::Comment;
    } else {
        qsizetype equals = -1;
        end = valueEnd(bytes, at, &equals);
        classify(QByteArrayView(bytes).sliced(at, end - at), equals < 0 ? -1 : equals - at, entry);
    }
    // A comment after the value belongs to its line.
    while (end < bytes.size() && !isBreak(bytes[end])) {
        ++end;
    }
    return afterBreak(bytes, end);
}

void IniText::classify(QByteArrayView content, qsizetype equals, Entry& entry) {
    if (content.startsWith('[')) {
        const qsizetype close = content.indexOf(']');
        entry.kind = close < 0 ? Kind::UnclosedSection : Kind::Section;
        entry.raw =
            content.sliced(1, (close < 0 ? content.size() : close) - 1).trimmed().toByteArray();
    } else if (equals < 0) {
        entry.kind = Kind::Odd;
    } else {
        entry.kind = Kind::Key;
        entry.raw = content.first(equals).trimmed().toByteArray();
    }
}

// As QSettings decodes a section or key name: UTF-8, "\" for "/", "%XX" and
// "%UXXXX" for the character of that code.
QString IniText::decodedName(QByteArrayView raw) {
    const QString text = QString::fromUtf8(raw);
    QString name;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'\\') {
            name += u'/';
            ++i;
            continue;
        }
        const bool wide = c == u'%' && i + 1 < text.size() && text[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = c == u'%' && first + digits <= text.size()
                                ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            name += QChar(code);
            i = first + digits;
        } else {
            name += c;
            ++i;
        }
    }
    return name;
}

QString IniText::sectionPrefix(QByteArrayView raw) {
    if (raw.compare("general", Qt::CaseInsensitive) == 0) {
        return {};
    }
    if (raw.compare("%general", Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(raw.sliced(1)) + u'/';
    }
    return decodedName(raw) + u'/';
}

// No "/" at either end, none doubled: as QSettings gives its keys.
QString IniText::normalizedKey(const QString& key) {
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

int IniText::lineBreaks(QByteArrayView text) {
    int breaks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++breaks;
        }
    }
    return breaks;
}

QByteArray IniText::readable() const {
    QByteArray text;
    for (const Entry& entry : entries_) {
        if (entry.kind == Kind::UnclosedSection) {
            text += '[' + entry.raw + "]\n";
        } else if (entry.kind == Kind::Odd) {
            text += '\n';
        } else {
            text += entry.text;
        }
    }
    return text;
}

// Where a new key of `section` goes: after the last line that is not blank of
// the section's last block; -1 when the text has no such section.
qsizetype IniText::sectionEnd(const std::vector<Entry>& entries, const QString& section) {
    const auto isHeader = [](const Entry& entry) {
        return entry.kind == Kind::Section || entry.kind == Kind::UnclosedSection;
    };
    qsizetype start = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (isHeader(entries[i]) && entries[i].name == section) {
            start = static_cast<qsizetype>(i);
        }
    }
    if (start < 0 && !section.isEmpty()) {
        return -1;
    }
    qsizetype end = start + 1;
    while (end < static_cast<qsizetype>(entries.size()) && !isHeader(entries[size_t(end)])) {
        ++end;
    }
    while (end > start + 1 && entries[size_t(end - 1)].kind == Kind::Blank) {
        --end;
    }
    return end;
}

QByteArray IniText::withChanges(const IniText& changes) const {
    std::vector<Entry> text = entries_;
    if (!text.empty() && !text.back().text.endsWith('\n') && !text.back().text.endsWith('\r')) {
        text.back().text += '\n';
    }
    const Entry* header = nullptr;
    for (const Entry& change : changes.entries_) {
        if (change.kind == Kind::Section) {
            header = &change;
        }
        if (change.kind != Kind::Key) {
            continue;
        }
        bool replaced = false;
        for (Entry& entry : text) {
            if (entry.kind == Kind::Key && entry.name == change.name) {
                entry.text = change.text;
                replaced = true;
            }
        }
        if (replaced) {
            continue;
        }
        const QString section = header != nullptr ? header->name : QString();
        qsizetype at = sectionEnd(text, section);
        if (at < 0) {
            if (!text.empty()) {
                text.push_back(Entry{0, Kind::Blank, "\n", {}, {}});
            }
            text.push_back(*header);
            at = static_cast<qsizetype>(text.size());
        }
        text.insert(text.begin() + at, change);
    }
    QByteArray bytes;
    for (const Entry& entry : text) {
        bytes += entry.text;
    }
    return bytes;
}
