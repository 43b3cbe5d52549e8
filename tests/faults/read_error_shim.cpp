// Preloaded into the program by the fault tests: read() fails with EIO once
// the file named by QE_FAIL_READ_PATH is read past QE_FAIL_READ_AFTER bytes,
// as a failing disk does part-way through a file.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
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

}  // namespace

extern "C" ssize_t read(int descriptor, void* buffer, size_t count) {
    using Read = ssize_t (*)(int, void*, size_t);
    static const auto realRead = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
    if (readsFailingFile(descriptor)) {
        const off_t limit = std::atoll(std::getenv("QE_FAIL_READ_AFTER"));
        const off_t at = lseek(descriptor, 0, SEEK_CUR);
        if (at >= limit) {
            errno = EIO;
            return -1;
        }
        if (at + static_cast<off_t>(count) > limit) {
            count = static_cast<size_t>(limit - at);
        }
    }
    return realRead(descriptor, buffer, count);
}
