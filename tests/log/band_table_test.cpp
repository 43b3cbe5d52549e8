#include <gtest/gtest.h>

#include "log/band_table.h"

namespace {

QByteArray forKey(const char* key) {
    return BandTable::textForKey(key).value_or("none");
}

QByteArray forFrequency(const char* megahertz) {
    return BandTable::textForFrequency(QByteArray(megahertz)).value_or("none");
}

TEST(BandTable, ExactKeysGiveTheirTexts) {
    EXPECT_EQ(forKey("160M"), "1.8 Mhz");
    EXPECT_EQ(forKey("3"), "3.5 Mhz");
    EXPECT_EQ(forKey("40M"), "7.0 Mhz");
    EXPECT_EQ(forKey("23CM"), "1.3Ghz");
    EXPECT_EQ(forKey("1296"), "1.3Ghz");
    EXPECT_EQ(forKey("1.25CM"), "24 Ghz");
    EXPECT_EQ(forKey("2190M"), "137 Khz");
    EXPECT_EQ(forKey("1.25M"), "222 Mhz");
    EXPECT_EQ(forKey("SUBMM"), "300 Ghz");
    EXPECT_EQ(forKey("6MM"), "47 Ghz");
    EXPECT_EQ(forKey("10.1"), "none");
    EXPECT_EQ(forKey(""), "none");
    EXPECT_EQ(forKey("20m"), "none");  // the reader upper-cases before looking up
}

TEST(BandTable, FrequenciesFallInsideAdifLimits) {
    EXPECT_EQ(forFrequency("14.195"), "14 Mhz");
    EXPECT_EQ(forFrequency("144"), "144 Mhz");
    EXPECT_EQ(forFrequency("1.830"), "1.8 Mhz");
    EXPECT_EQ(forFrequency("10368.1"), "10 Ghz");
    EXPECT_EQ(forFrequency("5760.1"), "5.7 Ghz");
    EXPECT_EQ(forFrequency("2320.2"), "2.3 Ghz");
    EXPECT_EQ(forFrequency("146.52"), "144 Mhz");
    EXPECT_EQ(forFrequency("29.6"), "28 Mhz");
    EXPECT_EQ(forFrequency("51.5"), "50 Mhz");
    EXPECT_EQ(forFrequency("7,050"), "7.0 Mhz");
    // Both limits belong to the band.
    EXPECT_EQ(forFrequency("14.0"), "14 Mhz");
    EXPECT_EQ(forFrequency("14.35"), "14 Mhz");
    EXPECT_EQ(forFrequency("54"), "50 Mhz");
    EXPECT_EQ(forFrequency("54.000001"), "60 Mhz");
    EXPECT_EQ(forFrequency("0.1357"), "137 Khz");
    // Outside every band, or no number.
    EXPECT_EQ(forFrequency("14.36"), "none");
    EXPECT_EQ(forFrequency("13.9999"), "none");
    EXPECT_EQ(forFrequency("abc"), "none");
    EXPECT_EQ(forFrequency("14.1.2"), "none");
    EXPECT_EQ(forFrequency(""), "none");
}

}  // namespace
