// Settings names: two different names never share an entry in the file (the
// encoding is one to one), and an encoded name never holds a group separator.
// The input holds two names separated by the first zero byte.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const auto* zero = static_cast<const char*>(std::memchr(bytes, 0, size));
    const size_t firstSize = zero != nullptr ? static_cast<size_t>(zero - bytes) : size;
    const QString first = QString::fromUtf8(bytes, static_cast<qsizetype>(firstSize));
    const QString second =
        zero != nullptr ? QString::fromUtf8(zero + 1, static_cast<qsizetype>(size - firstSize - 1))
                        : QString();
    for (const QString& name : {first, second}) {
        const QString encoded = SettingsStore::encodeName(name);
        if (encoded.contains(QLatin1Char('/')) || encoded.contains(QLatin1Char('\\'))) {
            std::abort();
        }
    }
    if (first != second && SettingsStore::encodeName(first) == SettingsStore::encodeName(second)) {
        std::abort();
    }
    return 0;
}
