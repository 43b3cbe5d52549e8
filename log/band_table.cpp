#include "log/band_table.h"

#include <array>
#include <initializer_list>

namespace {

struct BandKeys {
    std::initializer_list<const char*> keys;
    const char* text;
};

// Searched in order; the first row holding the key gives the band text.
const std::array<BandKeys, 33> kBandKeys{{
    {{"160M", "1.8"}, "1.8 Mhz"},
    {{"80M", "3.5", "3.6", "3"}, "3.5 Mhz"},
    {{"40M", "7"}, "7.0 Mhz"},
    {{"30M", "10"}, "10 Mhz"},
    {{"20M", "14"}, "14 Mhz"},
    {{"17M", "18"}, "18 Mhz"},
    {{"15M", "21"}, "21 Mhz"},
    {{"12M", "24"}, "24 Mhz"},
    {{"10M", "28"}, "28 Mhz"},
    {{"6M", "50"}, "50 Mhz"},
    {{"2M", "144", "145"}, "144 Mhz"},
    {{"70CM", "432"}, "432 Mhz"},
    {{"23CM", "1300", "1296"}, "1.3Ghz"},
    {{"13CM", "2300"}, "2.3 Ghz"},
    {{"6CM", "5660"}, "5.7 Ghz"},
    {{"3CM", "10000"}, "10 Ghz"},
    {{"1.25CM", "24000"}, "24 Ghz"},
    {{"2190M"}, "137 Khz"},
    {{"630M"}, "475 Khz"},
    {{"560M"}, "502 Khz"},
    {{"60M"}, "5 Mhz"},
    {{"8M"}, "40 Mhz"},
    {{"5M"}, "60 Mhz"},
    {{"4M"}, "70 Mhz"},
    {{"1.25M"}, "222 Mhz"},
    {{"33CM"}, "902 Mhz"},
    {{"9CM"}, "3.4 Ghz"},
    {{"6MM"}, "47 Ghz"},
    {{"4MM"}, "76 Ghz"},
    {{"2.5MM"}, "122 Ghz"},
    {{"2MM"}, "134 Ghz"},
    {{"1MM"}, "241 Ghz"},
    {{"SUBMM"}, "300 Ghz"},
}};

struct BandLimits {
    double lowest;
    double highest;
    const char* text;
};

// ADIF band limits in MHz, both ends included.
const std::array<BandLimits, 33> kBandLimits{{
    {0.1357, 0.1378, "137 Khz"},
    {0.472, 0.479, "475 Khz"},
    {0.501, 0.504, "502 Khz"},
    {1.8, 2.0, "1.8 Mhz"},
    {3.5, 4.0, "3.5 Mhz"},
    {5.06, 5.45, "5 Mhz"},
    {7.0, 7.3, "7.0 Mhz"},
    {10.1, 10.15, "10 Mhz"},
    {14.0, 14.35, "14 Mhz"},
    {18.068, 18.168, "18 Mhz"},
    {21.0, 21.45, "21 Mhz"},
    {24.89, 24.99, "24 Mhz"},
    {28.0, 29.7, "28 Mhz"},
    {40.0, 45.0, "40 Mhz"},
    {50.0, 54.0, "50 Mhz"},
    {54.000001, 69.9, "60 Mhz"},
    {70.0, 71.0, "70 Mhz"},
    {144.0, 148.0, "144 Mhz"},
    {222.0, 225.0, "222 Mhz"},
    {420.0, 450.0, "432 Mhz"},
    {902.0, 928.0, "902 Mhz"},
    {1240.0, 1300.0, "1.3Ghz"},
    {2300.0, 2450.0, "2.3 Ghz"},
    {3300.0, 3500.0, "3.4 Ghz"},
    {5650.0, 5925.0, "5.7 Ghz"},
    {10000.0, 10500.0, "10 Ghz"},
    {24000.0, 24250.0, "24 Ghz"},
    {47000.0, 47200.0, "47 Ghz"},
    {75500.0, 81000.0, "76 Ghz"},
    {119980.0, 123000.0, "122 Ghz"},
    {134000.0, 149000.0, "134 Ghz"},
    {241000.0, 250000.0, "241 Ghz"},
    {300000.0, 7500000.0, "300 Ghz"},
}};

}  // namespace

std::optional<QByteArray> BandTable::textForKey(const QByteArray& key) {
    if (key.isEmpty()) {
        return std::nullopt;
    }
    for (const BandKeys& row : kBandKeys) {
        for (const char* candidate : row.keys) {
            if (key == candidate) {
                return QByteArray(row.text);
            }
        }
    }
    return std::nullopt;
}

std::optional<QByteArrayView> BandTable::viewForFrequency(double megahertz) {
    for (const BandLimits& band : kBandLimits) {
        if (megahertz >= band.lowest && megahertz <= band.highest) {
            return QByteArrayView(band.text);
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> BandTable::textForFrequency(double megahertz) {
    const std::optional<QByteArrayView> text = viewForFrequency(megahertz);
    return text ? std::optional<QByteArray>(text->toByteArray()) : std::nullopt;
}

std::optional<QByteArray> BandTable::textForFrequency(const QByteArray& megahertz) {
    QByteArray number = megahertz;
    number.replace(',', '.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return textForFrequency(value);
}
