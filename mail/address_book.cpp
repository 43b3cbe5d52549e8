#include "mail/address_book.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

}  // namespace

QString AddressBook::pathBeside(const QString& settingsFile) {
    return RunFiles::addressBook(settingsFile);
}

QString AddressBook::normalCall(const QString& call) {
    return call.trimmed().toUpper();
}

std::vector<AddressEntry> AddressBook::parse(const QByteArray& bytes, QStringList* problems) {
    AddressBook book;
    AddressBookFile::Content content = AddressBookFile::read(bytes);
    if (content.nulls) {
        if (problems != nullptr) {
            problems->append(nullCharacters());
        }
        return {};
    }
    book.take(std::move(content));
    if (problems != nullptr) {
        *problems = book.problems_;
    }
    return book.entries_;
}

QByteArray AddressBook::format(const std::vector<AddressEntry>& entries) {
    QByteArray bytes;
    for (const AddressEntry& entry : entries) {
        bytes += AddressBookFile::line(entry).toUtf8() + '\n';
    }
    return bytes;
}

void AddressBook::take(AddressBookFile::Content content) {
    records_ = std::move(content.records);
    lineEnd_ = content.lineEnd;
    std::vector<AddressBookFile::Problem> problems = std::move(content.problems);
    for (AddressBookFile::Problem& twice : reindex()) {
        problems.push_back(std::move(twice));
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const auto& a, const auto& b) { return a.line < b.line; });
    problems_.clear();
    for (const AddressBookFile::Problem& problem : problems) {
        problems_.append(problem.text);
    }
}

std::vector<AddressBookFile::Problem> AddressBook::reindex() {
    std::vector<AddressBookFile::Problem> twice;
    entries_.clear();
    index_.clear();
    used_.clear();
    for (size_t at = 0; at < records_.size(); ++at) {
        const BookRecord& record = records_[at];
        if (!record.station) {
            continue;
        }
        const auto found = index_.constFind(record.entry.call);
        if (found == index_.constEnd()) {
            index_.insert(record.entry.call, entries_.size());
            entries_.push_back(record.entry);
            used_.push_back(at);
            continue;
        }
        const BookRecord& earlier = records_[used_[*found]];
        twice.push_back({record.line, Text::tr("ligne %1 : %2 figure déjà ligne %3 ; l'adresse "
                                               "de la ligne %1 est utilisée, les deux lignes "
                                               "sont gardées")
                                          .arg(record.line)
                                          .arg(record.entry.call)
                                          .arg(earlier.line)});
        entries_[*found] = record.entry;
        used_[*found] = at;
    }
    return twice;
}

bool AddressBook::load(const QString& path, QString* error) {
    QByteArray bytes;
    QString reason;
    switch (BoundedFile::read(path, kLargestFile, &bytes, &reason)) {
        case BoundedFile::Outcome::Missing:
            *this = AddressBook();
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
    AddressBookFile::Content content = AddressBookFile::read(bytes);
    if (content.nulls) {
        *error =
            Text::tr("Le carnet d'adresses %1 n'est pas lisible : %2.").arg(path, nullCharacters());
        return false;
    }
    take(std::move(content));
    readAt_ = stateOf(path, bytes);
    return true;
}

AddressBook::FileState AddressBook::stateOf(const QString& path, const QByteArray& bytes) {
    const QFileInfo file(path);
    if (!file.exists()) {
        return {};
    }
    return {true, file.size(), file.lastModified().toMSecsSinceEpoch(), hashOf(bytes)};
}

bool AddressBook::changedSinceRead(const QString& path) const {
    const QFileInfo file(path);
    if (file.exists() != readAt_.exists || file.size() != readAt_.size ||
        file.lastModified().toMSecsSinceEpoch() != readAt_.modifiedMs) {
        return true;
    }
    if (!readAt_.exists) {
        return false;
    }
    // An editor may write as many bytes within the same tick of the clock, or
    // put the file's time back: the bytes tell.
    QByteArray bytes;
    QString reason;
    return BoundedFile::read(path, kLargestFile, &bytes, &reason) != BoundedFile::Outcome::Read ||
           hashOf(bytes) != readAt_.hash;
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
    const QByteArray bytes = AddressBookFile::write(records_, lineEnd_);
    const QString problem = ReplacedFile::replace(path, bytes, ReplacedFile::kPrivateMode, true);
    if (!problem.isEmpty()) {
        *error = Text::tr("%1 ; le carnet d'adresses n'est pas modifié.").arg(problem);
        return false;
    }
    readAt_ = stateOf(path, bytes);
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
        BookRecord& record = records_[used_[*found]];
        if (!(record.entry == normal)) {
            record.entry = normal;
            record.asRead = false;
        }
        entries_[*found] = normal;
        return;
    }
    BookRecord record;
    record.asRead = false;
    record.station = true;
    record.entry = normal;
    index_.insert(normal.call, entries_.size());
    used_.push_back(records_.size());
    entries_.push_back(normal);
    records_.push_back(record);
}

bool AddressBook::remove(const QString& call) {
    const QString normal = normalCall(call);
    if (!index_.contains(normal)) {
        return false;
    }
    records_.erase(std::remove_if(records_.begin(), records_.end(),
                                  [&normal](const BookRecord& record) {
                                      return record.station && record.entry.call == normal;
                                  }),
                   records_.end());
    reindex();
    return true;
}

int AddressBook::import(const std::vector<AddressEntry>& entries) {
    for (const AddressEntry& entry : entries) {
        put(entry);
    }
    return static_cast<int>(entries.size());
}
