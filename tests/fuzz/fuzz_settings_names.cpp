// Settings names: decoding an encoded name gives it back, for any text, and
// an encoded name never holds a group separator.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString encoded = SettingsStore::encodeName(name);
    if (encoded.contains(QLatin1Char('/')) || encoded.contains(QLatin1Char('\\'))) {
        std::abort();
    }
    if (SettingsStore::decodeName(encoded) != name) {
        std::abort();
    }
    return 0;
}
