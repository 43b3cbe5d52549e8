#include "log/log_fingerprint.h"

#include <sys/stat.h>

bool LogFingerprint::describe(int descriptor, qint64* size, qint64* modifiedNs) {
    struct stat state {};
    if (::fstat(descriptor, &state) != 0) {
        return false;
    }
    *size = state.st_size;
    *modifiedNs = static_cast<qint64>(state.st_mtim.tv_sec) * 1000000000 + state.st_mtim.tv_nsec;
    return true;
}
