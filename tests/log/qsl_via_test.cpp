#include <gtest/gtest.h>

#include "log/country_file.h"
#include "log/home_call.h"
#include "log/qsl_via.h"

namespace {

// Real QSL_VIA values from other programs' logs: a manager only where a callsign
// stands alone or after VIA / MGR / MANAGER (IS); words never.
TEST(QslVia, NamesAManagerOnlyWhereACallsignIsWritten) {
    const struct {
        const char* text;
        const char* manager;
        QslVia::Wish wish;
    } cases[] = {
        {"EA5GL", "EA5GL", QslVia::Wish::None},
        {" ea5gl ", "EA5GL", QslVia::Wish::None},
        {"VIA EA5GL", "EA5GL", QslVia::Wish::None},
        {"QSL VIA LY5CA EQSL", "LY5CA", QslVia::Wish::None},
        {"QSL MANAGER IS ON7SS", "ON7SS", QslVia::Wish::None},
        {"MGR: IK2DUW.", "IK2DUW", QslVia::Wish::None},
        {"PA75LIBERATION", "PA75LIBERATION", QslVia::Wish::None},
        {"VP2V/K5PI", "VP2V/K5PI", QslVia::Wish::None},
        {"BURO", "", QslVia::Wish::None},
        {"LOTW", "", QslVia::Wish::None},
        {"EQSL.NET", "", QslVia::Wish::None},
        {"73", "", QslVia::Wish::None},
        {"BUREAU, LOTW. CLUBLOG", "", QslVia::Wish::None},
        {"VIA BUREAU OR DIRECT", "", QslVia::Wish::None},
        {"NO QSL CARD, SORRY", "", QslVia::Wish::NoCard},
        {"LOTW ONLY", "", QslVia::Wish::ElectronicOnly},
        {"only eqsl", "", QslVia::Wish::ElectronicOnly},
        {"DIRECT", "", QslVia::Wish::DirectOnly},
        {"QSL VIA W3HNK DIRECT", "W3HNK", QslVia::Wish::DirectOnly},
        {"", "", QslVia::Wish::None},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(QslVia::managerOf(text), QString::fromUtf8(c.manager)) << c.text;
        EXPECT_EQ(QslVia::wishOf(text), c.wish) << c.text;
    }
}

// The home call of a portable call: a country prefix is where the station was,
// whichever part is longer; operating suffixes are no place.
TEST(QslVia, APortableCallIsMailedToItsHomeCall) {
    CountryFile countries;
    const bool haveCountries =
        countries.load(QStringLiteral("/usr/share/hamradio-files/cty.dat"), nullptr);
    const struct {
        const char* call;
        const char* home;
        bool needsCountries;
    } cases[] = {
        {"EA8/ON4AAA", "ON4AAA", false},
        {"KH6/K1A", "K1A", false},
        {"EA8/N1A", "N1A", false},
        {"VP2V/K5PI", "K5PI", true},
        {"K1ABC/P", "K1ABC", false},
        {"K1ABC/MM", "K1ABC", false},
        {"K1ABC/AM", "K1ABC", false},
        {"K1ABC/4", "K1ABC", false},
        {"VE3/ON4ABCDEF/QRP", "ON4ABCDEF", false},
        {"OE/MW2XYZ", "MW2XYZ", true},
        {"f5abc", "F5ABC", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        if (c.needsCountries && !haveCountries) {
            continue;
        }
        EXPECT_EQ(homeCallOf(QString::fromUtf8(c.call), haveCountries ? &countries : nullptr),
                  QString::fromUtf8(c.home))
            << c.call;
    }
}

}  // namespace
