#include "mail/address_book.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/replaced_file.h"
#include "files/run_files.h"

namespace {

// The fields of one CSV line, from `at`; `at` moves past the line's end.
QStringList readRecord(const QString& text, qsizetype& at) {
    QStringList fields;
    QString field;
    bool quoted = false;
    while (at < text.size()) {
        const QChar c = text.at(at++);
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (at < text.size() && text.at(at) == u'"') {
                field += c;
                ++at;
            } else {
                quoted = false;
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
    fields.append(field);
    return fields;
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

std::vector<AddressEntry> AddressBook::parse(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    AddressBook book;
    qsizetype at = 0;
    while (at < text.size()) {
        QStringList fields = readRecord(text, at);
        AddressEntry entry;
        entry.call = normalCall(fields.takeFirst());
        for (const QString& line : fields) {
            if (!line.trimmed().isEmpty()) {
                entry.lines.append(line.trimmed());
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
    const QFileInfo info(path);
    if (!info.exists()) {
        entries_.clear();
        return true;
    }
    QFile file(path);
    if (!info.isFile() || info.size() > kLargestFile) {
        *error = QStringLiteral("Le carnet d'adresses %1 n'est pas un fichier d'adresses lisible.")
                     .arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QStringLiteral("Impossible de lire le fichier %1 : %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        *error =
            QStringLiteral("Impossible de lire le fichier %1 : %2").arg(path, file.errorString());
        return false;
    }
    entries_.clear();
    index_.clear();
    import(parse(bytes));
    return true;
}

bool AddressBook::save(const QString& path, QString* error) const {
    const QString problem =
        ReplacedFile::replace(path, format(entries_), ReplacedFile::kPrivateMode, true);
    if (!problem.isEmpty()) {
        *error = problem + QStringLiteral(" ; le carnet d'adresses n'est pas modifié.");
        return false;
    }
    return true;
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
