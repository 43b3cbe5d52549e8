// Preloaded into the program by the fault tests: read() fails with EIO once
// the file named by QE_FAIL_READ_PATH is read past QE_FAIL_READ_AFTER bytes,
// as a failing disk does part-way through a file. With QE_FAIL_READ_OPENING=N
// only the Nth opening of the file fails (the openings before it read the
// whole file); with QE_FAIL_READ_HANG=1 the failing read waits for a signal
// instead of failing.
// Writing fails as a device does with QE_FAIL_WRITE_PATH (a part of the name
// of the temporary ".part" files to hit) and QE_FAIL_WRITE: "eio" and "full"
// (write fails), "short" (each write takes at most 3 bytes), "fsync" (fsync
// fails), "damage" (16 bytes at QE_FAIL_WRITE_AT, 8 by default, are lost
// while the write says it wrote them all), "flip" (the byte at
// QE_FAIL_WRITE_AT, 8 by default, is written changed), "directory" (a folder
// is put at QE_FAIL_WRITE_TARGET when the file is synced, before it is
// renamed).
// With QE_WRITE_LOG, every rename ("rename TO") and every sync of a folder
// ("sync FOLDER") is added to that file as a line, in the order they come.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool readsFailingFile(int descriptor) {
    const char* path = std::getenv("QE_FAIL_READ_PATH");
    if (path == nullptr) {
        return false;
    }
    char link[64];
    char target[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    if (length <= 0) {
        return false;
    }
    target[length] = '\0';
    return std::strcmp(target, path) == 0;
}

constexpr int kDescriptors = 4096;
// Descriptors of an opening before the failing one, which read the whole file.
bool spared[kDescriptors];
int openings = 0;

int noteOpening(int descriptor) {
    if (descriptor >= 0 && descriptor < kDescriptors) {
        spared[descriptor] = false;
        const char* failing = std::getenv("QE_FAIL_READ_OPENING");
        if (failing != nullptr && readsFailingFile(descriptor)) {
            spared[descriptor] = ++openings < std::atoi(failing);
        }
    }
    return descriptor;
}

mode_t modeArgument(int flags, va_list arguments) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

}  // namespace

#define QE_WRAP_OPEN(name)                                                            \
    extern "C" int name(const char* path, int flags, ...) {                           \
        using Open = int (*)(const char*, int, ...);                                  \
        static const auto realOpen = reinterpret_cast<Open>(dlsym(RTLD_NEXT, #name)); \
        va_list arguments;                                                            \
        va_start(arguments, flags);                                                   \
        const mode_t mode = modeArgument(flags, arguments);                           \
        va_end(arguments);                                                            \
        return noteOpening(realOpen(path, flags, mode));                              \
    }
QE_WRAP_OPEN(open)
QE_WRAP_OPEN(open64)

#define QE_WRAP_OPENAT(name)                                                            \
    extern "C" int name(int folder, const char* path, int flags, ...) {                 \
        using OpenAt = int (*)(int, const char*, int, ...);                             \
        static const auto realOpen = reinterpret_cast<OpenAt>(dlsym(RTLD_NEXT, #name)); \
        va_list arguments;                                                              \
        va_start(arguments, flags);                                                     \
        const mode_t mode = modeArgument(flags, arguments);                             \
        va_end(arguments);                                                              \
        return noteOpening(realOpen(folder, path, flags, mode));                        \
    }
QE_WRAP_OPENAT(openat)
QE_WRAP_OPENAT(openat64)

extern "C" ssize_t read(int descriptor, void* buffer, size_t count) {
    using Read = ssize_t (*)(int, void*, size_t);
    static const auto realRead = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
    const bool isSpared = descriptor >= 0 && descriptor < kDescriptors && spared[descriptor];
    if (!isSpared && readsFailingFile(descriptor)) {
        const off_t limit = std::atoll(std::getenv("QE_FAIL_READ_AFTER"));
        const off_t at = lseek(descriptor, 0, SEEK_CUR);
        if (at >= limit) {
            while (std::getenv("QE_FAIL_READ_HANG") != nullptr) {
                pause();
            }
            errno = EIO;
            return -1;
        }
        if (at + static_cast<off_t>(count) > limit) {
            count = static_cast<size_t>(limit - at);
        }
    }
    return realRead(descriptor, buffer, count);
}

namespace {

bool writesFailingFile(int descriptor) {
    const char* part = std::getenv("QE_FAIL_WRITE_PATH");
    if (part == nullptr) {
        return false;
    }
    char link[64];
    char target[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    if (length <= 5) {
        return false;
    }
    target[length] = '\0';
    return std::strstr(target, part) != nullptr && std::strcmp(target + length - 5, ".part") == 0;
}

bool faultIs(const char* fault) {
    const char* chosen = std::getenv("QE_FAIL_WRITE");
    return chosen != nullptr && std::strcmp(chosen, fault) == 0;
}

using Write = ssize_t (*)(int, const void*, size_t);

ssize_t damagedWrite(Write realWrite, int descriptor, const char* bytes, size_t count) {
    const char* at = std::getenv("QE_FAIL_WRITE_AT");
    const off_t lost = at != nullptr ? std::atoll(at) : 8;
    const off_t from = lseek(descriptor, 0, SEEK_CUR);
    if (from > lost || from + static_cast<off_t>(count) < lost + 16) {
        return realWrite(descriptor, bytes, count);
    }
    const size_t before = static_cast<size_t>(lost - from);
    if (realWrite(descriptor, bytes, before) != static_cast<ssize_t>(before)) {
        return -1;
    }
    const size_t after = count - before - 16;
    if (realWrite(descriptor, bytes + before + 16, after) != static_cast<ssize_t>(after)) {
        return -1;
    }
    return static_cast<ssize_t>(count);
}

ssize_t flippedWrite(Write realWrite, int descriptor, const char* bytes, size_t count) {
    const char* at = std::getenv("QE_FAIL_WRITE_AT");
    const off_t flipped = at != nullptr ? std::atoll(at) : 8;
    const off_t from = lseek(descriptor, 0, SEEK_CUR);
    if (from > flipped || from + static_cast<off_t>(count) <= flipped) {
        return realWrite(descriptor, bytes, count);
    }
    char* changed = static_cast<char*>(std::malloc(count));
    if (changed == nullptr) {
        return realWrite(descriptor, bytes, count);
    }
    std::memcpy(changed, bytes, count);
    changed[flipped - from] = static_cast<char>(changed[flipped - from] ^ 0x01);
    const ssize_t written = realWrite(descriptor, changed, count);
    std::free(changed);
    return written;
}

void noteInLog(const char* what, const char* path) {
    static const auto realWrite = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    const char* log = std::getenv("QE_WRITE_LOG");
    if (log == nullptr) {
        return;
    }
    const int file = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0) {
        return;
    }
    char line[PATH_MAX + 16];
    const int size = std::snprintf(line, sizeof line, "%s %s\n", what, path);
    if (size > 0 && static_cast<size_t>(size) < sizeof line) {
        realWrite(file, line, static_cast<size_t>(size));
    }
    close(file);
}

void noteFolderSync(int descriptor) {
    struct stat state {};
    char link[64];
    char folder[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, folder, sizeof folder - 1);
    if (fstat(descriptor, &state) == 0 && S_ISDIR(state.st_mode) && length > 0) {
        folder[length] = '\0';
        noteInLog("sync", folder);
    }
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const auto realRename = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    const int outcome = realRename(from, to);
    if (outcome == 0) {
        noteInLog("rename", to);
    }
    return outcome;
}

extern "C" ssize_t write(int descriptor, const void* buffer, size_t count) {
    static const auto realWrite = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (count == 0 || !writesFailingFile(descriptor)) {
        return realWrite(descriptor, buffer, count);
    }
    if (faultIs("eio") || faultIs("full")) {
        errno = faultIs("eio") ? EIO : ENOSPC;
        return -1;
    }
    if (faultIs("short")) {
        return realWrite(descriptor, buffer, count < 3 ? count : 3);
    }
    if (faultIs("damage")) {
        return damagedWrite(realWrite, descriptor, static_cast<const char*>(buffer), count);
    }
    if (faultIs("flip")) {
        return flippedWrite(realWrite, descriptor, static_cast<const char*>(buffer), count);
    }
    return realWrite(descriptor, buffer, count);
}

#define QE_WRAP_SYNC(name)                                                            \
    extern "C" int name(int descriptor) {                                             \
        using Sync = int (*)(int);                                                    \
        static const auto realSync = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, #name)); \
        noteFolderSync(descriptor);                                                   \
        if (writesFailingFile(descriptor) && faultIs("fsync")) {                      \
            errno = EIO;                                                              \
            return -1;                                                                \
        }                                                                             \
        if (writesFailingFile(descriptor) && faultIs("directory")) {                  \
            mkdir(std::getenv("QE_FAIL_WRITE_TARGET"), 0755);                         \
        }                                                                             \
        return realSync(descriptor);                                                  \
    }
QE_WRAP_SYNC(fsync)
QE_WRAP_SYNC(fdatasync)
