#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The band texts printed on labels, found from an ADIF BAND value (exact key)
// or from a FREQ value in MHz (the band whose ADIF limits contain it).
class BandTable {
  public:
    static std::optional<QByteArray> textForKey(const QByteArray& key);
    static std::optional<QByteArray> textForFrequency(const QByteArray& megahertz);
    static std::optional<QByteArray> textForFrequency(double megahertz);
    // The same text as a view of the table's own (static) text.
    static std::optional<QByteArrayView> viewForFrequency(double megahertz);
};
