#include "mail/address_book.h"

#include <sys/stat.h>
#include <QCoreApplication>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "files/bounded_file.h"
#include "files/replaced_file.h"
#include "files/run_files.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddressBook)
};

}  // namespace

namespace {

QString nullCharacters() {
    return Text::tr("le fichier contient des caractères nuls (texte UTF-16 sans marque ?)");
}

// The fields of one CSV record, from `at`; `at` moves past the record's end.
// A quote left open to the end of the text ends at its own line's end
// instead, so that the lines after it are read as stations of their own;
// `unclosed` is then set.
QStringList readRecord(const QString& text, qsizetype& at, bool* unclosed) {
    const qsizetype start = at;
    QStringList fields;
    QString field;
    bool quoted = false;
    qsizetype quoteLineEnd = -1;  // where the line of an open quote ends
    while (at < text.size()) {
        const QChar c = text.at(at++);
        if (quoted) {
            if (c != u'"') {
                if ((c == u'\n' || c == u'\r') && quoteLineEnd < 0) {
                    quoteLineEnd = at - 1;
                }
                field += c;
            } else if (at < text.size() && text.at(at) == u'"') {
                field += c;
                ++at;
            } else {
                quoted = false;
                quoteLineEnd = -1;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            fields.append(field);
            field.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && at < text.size() && text.at(at) == u'\n') {
                ++at;
            }
            break;
        } else {
            field += c;
        }
    }
    if (quoted && quoteLineEnd >= 0) {
        *unclosed = true;
        QString line = text.mid(start, quoteLineEnd - start);
        line.remove(QLatin1Char('"'));
        at = quoteLineEnd;
        return line.split(QLatin1Char(';'));
    }
    fields.append(field);
    return fields;
}

// UTF-8, else Latin-1, as logs are read; UTF-16 with its byte order mark.
// Empty with `refused` set for a text of NULs without a mark.
QString decoded(const QByteArray& bytes, bool* refused) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
        return QString(utf16.decode(QByteArrayView(bytes).sliced(2)));
    }
    if (bytes.contains('\0')) {
        *refused = true;
        return {};
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QByteArray quoted(const QString& field) {
    QByteArray bytes = field.toUtf8();
    if (!bytes.contains(';') && !bytes.contains('"') && !bytes.contains('\n') &&
        !bytes.contains('\r')) {
        return bytes;
    }
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

}  // namespace

QString AddressBook::pathBeside(const QString& settingsFile) {
    return RunFiles::addressBook(settingsFile);
}

QString AddressBook::normalCall(const QString& call) {
    return call.trimmed().toUpper();
}

std::vector<AddressEntry> AddressBook::parse(const QByteArray& bytes, QStringList* problems) {
    bool refused = false;
    QString text = decoded(bytes, &refused);
    if (refused) {
        if (problems != nullptr) {
            problems->append(nullCharacters());
        }
        return {};
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    AddressBook book;
    qsizetype at = 0;
    int line = 1;
    while (at < text.size()) {
        const qsizetype start = at;
        bool unclosed = false;
        QStringList fields = readRecord(text, at, &unclosed);
        if (unclosed && problems != nullptr) {
            problems->append(Text::tr("ligne %1 : guillemet non fermé").arg(line));
        }
        line += static_cast<int>(QStringView(text).mid(start, at - start).count(u'\n'));
        AddressEntry entry;
        entry.call = normalCall(fields.takeFirst());
        for (const QString& part : fields) {
            if (!part.trimmed().isEmpty()) {
                entry.lines.append(part.trimmed());
            }
        }
        if (!entry.call.isEmpty()) {
            book.put(entry);
        }
    }
    return book.entries_;
}

QByteArray AddressBook::format(const std::vector<AddressEntry>& entries) {
    QByteArray bytes;
    for (const AddressEntry& entry : entries) {
        bytes += quoted(entry.call);
        for (const QString& line : entry.lines) {
            bytes += ';' + quoted(line);
        }
        bytes += '\n';
    }
    return bytes;
}

bool AddressBook::load(const QString& path, QString* error) {
    QByteArray bytes;
    QString reason;
    switch (BoundedFile::read(path, kLargestFile, &bytes, &reason)) {
        case BoundedFile::Outcome::Missing:
            entries_.clear();
            index_.clear();
            readAt_ = {};
            return true;
        case BoundedFile::Outcome::Read:
            break;
        default:
            *error = Text::tr(
                         "Le carnet d'adresses %1 ne peut pas être lu en entier (%2) : il n'est "
                         "ni utilisé ni remplacé.")
                         .arg(path, reason);
            return false;
    }
    QStringList problems;
    std::vector<AddressEntry> entries = parse(bytes, &problems);
    if (entries.empty() && !problems.isEmpty() && problems.first() == nullCharacters()) {
        *error =
            Text::tr("Le carnet d'adresses %1 n'est pas lisible : %2.").arg(path, problems.first());
        return false;
    }
    entries_.clear();
    index_.clear();
    import(entries);
    readAt_ = stateOf(path);
    problems_ = problems;
    return true;
}

AddressBook::FileState AddressBook::stateOf(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists()) {
        return {};
    }
    return {true, file.size(), file.lastModified().toMSecsSinceEpoch()};
}

bool AddressBook::changedSinceRead(const QString& path) const {
    const FileState now = stateOf(path);
    return now.exists != readAt_.exists || now.size != readAt_.size ||
           now.modifiedMs != readAt_.modifiedMs;
}

bool AddressBook::save(const QString& path, QString* error) {
    if (QFileInfo::exists(path)) {
        QByteArray older;
        QString reason;
        if (BoundedFile::read(path, kLargestFile, &older, &reason) != BoundedFile::Outcome::Read) {
            *error = Text::tr(
                         "Impossible de lire le fichier %1 (%2) : le carnet "
                         "d'adresses n'est pas modifié.")
                         .arg(path, reason);
            return false;
        }
        const QString kept =
            ReplacedFile::replace(backupPath(path), older, ReplacedFile::kPrivateMode, true);
        if (!kept.isEmpty()) {
            *error = Text::tr("%1 ; le carnet d'adresses n'est pas modifié.").arg(kept);
            return false;
        }
    }
    const QString problem =
        ReplacedFile::replace(path, format(entries_), ReplacedFile::kPrivateMode, true);
    if (!problem.isEmpty()) {
        *error = Text::tr("%1 ; le carnet d'adresses n'est pas modifié.").arg(problem);
        return false;
    }
    readAt_ = stateOf(path);
    return true;
}

QString AddressBook::backupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

const AddressEntry* AddressBook::find(const QString& call) const {
    const auto found = index_.constFind(normalCall(call));
    return found == index_.constEnd() ? nullptr : &entries_[*found];
}

void AddressBook::put(const AddressEntry& entry) {
    AddressEntry normal = entry;
    normal.call = normalCall(entry.call);
    const auto found = index_.constFind(normal.call);
    if (found != index_.constEnd()) {
        entries_[*found] = normal;
        return;
    }
    index_.insert(normal.call, entries_.size());
    entries_.push_back(normal);
}

bool AddressBook::remove(const QString& call) {
    const auto found = index_.constFind(normalCall(call));
    if (found == index_.constEnd()) {
        return false;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*found));
    index_.clear();
    for (size_t i = 0; i < entries_.size(); ++i) {
        index_.insert(entries_[i].call, i);
    }
    return true;
}

int AddressBook::import(const std::vector<AddressEntry>& entries) {
    for (const AddressEntry& entry : entries) {
        put(entry);
    }
    return static_cast<int>(entries.size());
}
