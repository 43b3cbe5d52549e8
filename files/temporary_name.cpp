#include "files/temporary_name.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>

namespace {

constexpr long kUsualLongestName = 255;

long longestName(const QByteArray& folder) {
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    return longest > 0 ? longest : kUsualLongestName;
}

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

QByteArray TemporaryName::stem(const QByteArray& folder, const QByteArray& name) {
    const qsizetype added = 2 + qsizetype(sizeof kEnd) - 1;
    const qsizetype room = longestName(folder) - added;
    QByteArray kept = name;
    if (kept.size() > room && room > 0) {
        qsizetype cut = room;
        // A character of a UTF-8 name is not cut in two.
        while (cut > 1 && isContinuationByte(kept.at(cut))) {
            --cut;
        }
        kept.truncate(cut);
    }
    return '.' + kept + '.';
}

bool TemporaryName::isOfStem(const QByteArray& entry, const QByteArray& stem) {
    constexpr qsizetype kUnique = 6;
    const qsizetype size = stem.size() + qsizetype(sizeof kEnd) - 1;
    if (entry.size() != size || !entry.startsWith(stem) || !entry.endsWith(".part")) {
        return false;
    }
    for (qsizetype at = stem.size(); at < stem.size() + kUnique; ++at) {
        if (std::isalnum(static_cast<unsigned char>(entry.at(at))) == 0) {
            return false;
        }
    }
    return true;
}

void TemporaryName::removeStale(const QByteArray& folder, const QByteArray& stem) {
    DIR* listing = ::opendir(folder.constData());
    if (listing == nullptr) {
        return;
    }
    const time_t oldest = std::time(nullptr) - kStaleSeconds;
    while (const dirent* entry = ::readdir(listing)) {
        struct stat state {};
        if (isOfStem(QByteArray(entry->d_name), stem) &&
            ::fstatat(::dirfd(listing), entry->d_name, &state, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(state.st_mode) && state.st_mtime <= oldest) {
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
        }
    }
    ::closedir(listing);
}
