#include <gtest/gtest.h>

#include "log/country_file.h"
#include "log/home_call.h"
#include "log/qsl_via.h"

namespace {

// Real QSL_VIA values from other programs' logs, read whole: a manager only
// where a callsign stands alone or after VIA / MGR / MANAGER (IS), words never;
// punctuation parts words; NO BURO (BUREAU, BURAU) asks for direct cards, a
// choice (OR) refuses nothing, and NO QSL VIA BURO still wants a card.
// Faults: a wish for direct cards taken as bureau-OK (the card lost in a
// bureau run), "BUREAU OR DIRECT" taken as direct only, a bureau refusal read
// as no card at all, a manager missed behind a hyphen or a dot.
TEST(QslVia, ReadsEachWishWhole) {
    using Wish = QslVia::Wish;
    const struct {
        const char* text;
        const char* manager;
        Wish wish;
    } cases[] = {
        {"EA5GL", "EA5GL", Wish::None},
        {" ea5gl ", "EA5GL", Wish::None},
        {"VIA EA5GL", "EA5GL", Wish::None},
        {"QSL VIA LY5CA EQSL", "LY5CA", Wish::None},
        {"QSL MANAGER IS ON7SS", "ON7SS", Wish::None},
        {"MGR: IK2DUW.", "IK2DUW", Wish::None},
        {"PA75LIBERATION", "PA75LIBERATION", Wish::None},
        {"VP2V/K5PI", "VP2V/K5PI", Wish::None},
        {"BURO", "", Wish::None},
        {"LOTW", "", Wish::None},
        {"EQSL.NET", "", Wish::None},
        {"73", "", Wish::None},
        {"73 cordiales Pablo", "", Wish::None},
        {"LU2HDT LUCAS MINA CLAVERO , 73 CORDIALES", "", Wish::None},
        {"BUREAU, LOTW. CLUBLOG", "", Wish::None},
        {"ONLY BUREAU", "", Wish::None},
        {"QSL -BUREAU, E-QSL", "", Wish::None},
        {"VIA BUREAU OR DIRECT", "", Wish::None},
        {".BUREAU OR DIRECT", "", Wish::None},
        {"VIA BUERO OR DIRECT", "", Wish::None},
        {"SKCC-BUREAU OR DIRECT", "", Wish::None},
        {"NO QSL CARD, SORRY", "", Wish::NoCard},
        {"LOTW ONLY", "", Wish::ElectronicOnly},
        {"only eqsl", "", Wish::ElectronicOnly},
        {"DIRECT", "", Wish::DirectOnly},
        {"QSL VIA W3HNK DIRECT", "W3HNK", Wish::DirectOnly},
        {"DIRECT WITH 2 SASE OR $ 2 USA", "", Wish::DirectOnly},
        {"DIRECT ONLY, NO BURO", "", Wish::DirectOnly},
        {"NO BUREAU", "", Wish::DirectOnly},
        {"DIRECT ONLY - NO BUREAU", "", Wish::DirectOnly},
        {"QSL DIRECT!", "", Wish::DirectOnly},
        {"DIRECT-ONLY", "", Wish::DirectOnly},
        {"DIRECT-SAD", "", Wish::DirectOnly},
        {"(ONLY DIRECT/EQSL)", "", Wish::DirectOnly},
        {"NO BURAU", "", Wish::DirectOnly},
        {"NO QSL VIA BURO", "", Wish::DirectOnly},
        {"VIA IZ2KXC-DIRECT-BUREAU", "IZ2KXC", Wish::None},
        {"DIRECT.VIA ON4CHK", "ON4CHK", Wish::DirectOnly},
        {"", "", Wish::None},
        // The same words in other orders.
        {"NO DIRECT, BURO ONLY", "", Wish::None},
        {"E-QSL ONLY", "", Wish::ElectronicOnly},
        {"LOTW ONLY, NO BURO", "", Wish::ElectronicOnly},
        {"DIRECT/BURO", "", Wish::None},
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
        {"GB70", "GB70", false},
        // No part holds a digit: no home call, nothing guessed.
        {"/P", "", false},
        {"/QRP", "", false},
        {"P", "", false},
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
