#include <gtest/gtest.h>

#include "labels/label_composer.h"
#include "labels/sheet_table.h"
#include "support/qso_rows.h"
#include "support/sample_options.h"

namespace {

const QsoRecord* row(const char* callsign, const char* via = "", const char* band = "14 Mhz",
                     const char* mode = "SSB", const char* rst = "59",
                     const char* date = "31/01/09") {
    return testQso(callsign, via, band, mode, rst, date);
}

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

using Side = LabelComposer::Side;

// The composer of a tuned sheet, by its number.
LabelComposer composerFor(const LabelOptions& options, int format) {
    return LabelComposer(options, SheetTable::tuned(format)->profile->addressSpacing);
}

QString left(const LabelOptions& options, int format, LabelLine line, LineFamily family,
             const QsoRecord* qso) {
    return composerFor(options, format)
        .side(line, family, LabelFields::fromRecord(qso), Side::Left);
}

LabelOptions fullOptions() {
    LabelOptions options = sampleLabelOptions();
    options.station = QStringLiteral("F9XQC/P");
    return options;
}

TEST(LabelComposer, CentresAddressLinesAsTheExamplesShow) {
    LabelOptions options;
    const QsoRecord* withVia = row("F9XQB", "F9XQC");
    EXPECT_EQ(left(options, 1, LabelLine::Address, LineFamily::Qso42, withVia),
              blanks(5) + QStringLiteral("Pour F9XQB  Via F9XQC") + blanks(5));
    EXPECT_EQ(left(options, 1, LabelLine::Address, LineFamily::Qso42, row("F9XQB")),
              blanks(10) + QStringLiteral("Pour F9XQB ") + blanks(10));
    // Only the first eight via columns are printed.
    EXPECT_TRUE(left(options, 1, LabelLine::Address, LineFamily::Qso42, row("F9XQB", "EA8/F9XQAB"))
                    .contains(QStringLiteral("Via EA8/F9XQ ")));
    // The whole printed line is the left text followed by the right text.
    const LabelComposer composer = composerFor(options, 1);
    EXPECT_EQ(composer.line(LabelLine::Address, LineFamily::Qso42, withVia, row("F9XQA")),
              left(options, 1, LabelLine::Address, LineFamily::Qso42, withVia) +
                  composer.side(LabelLine::Address, LineFamily::Qso42,
                                LabelFields::fromRecord(row("F9XQA")), Side::Right));
    EXPECT_EQ(composer.line(LabelLine::Blank, LineFamily::Qso42, withVia, withVia), QString());
}

TEST(LabelComposer, BuildsTheOtherQsoLines) {
    LabelOptions options;
    options.french = false;
    EXPECT_EQ(left(options, 1, LabelLine::Band, LineFamily::Qso42, row("F9XQB")),
              blanks(7) + QStringLiteral("Band 14 Mhz Mode SSB  RST 59") + blanks(8));
    // An empty comment prints as blanks only.
    EXPECT_EQ(left(options, 1, LabelLine::Comment, LineFamily::Qso42, row("F9XQB")), blanks(43));
    // The default date prints as its first eight characters.
    EXPECT_TRUE(left(options, 1, LabelLine::Date, LineFamily::Qso42,
                     row("F9XQB", "", "14 Mhz", "SSB", "59", "01/01/2000"))
                    .startsWith(blanks(6) + QStringLiteral("Date 01/01/20   Time 07:51 UTC")));
    options.qsl = 2;
    EXPECT_EQ(composerFor(options, 1).thanksPhrase(),
              QStringLiteral("Tnx for the QSO and for your QSL"));
    options.french = true;
    options.qsl = 3;
    EXPECT_EQ(composerFor(options, 1).thanksPhrase(),
              QStringLiteral("Merci pour le QSO pas de QSL"));
    options.qsl = 1;
    EXPECT_EQ(left(options, 1, LabelLine::Thanks, LineFamily::Qso42, row("F9XQB")),
              blanks(8) + QStringLiteral("Merci pour le QSO  Pse QSL") + blanks(9));
    // The right label has no trailing blanks.
    EXPECT_EQ(composerFor(options, 1)
                  .side(LabelLine::Thanks, LineFamily::Qso42, LabelFields::fromRecord(row("F9XQB")),
                        Side::Right),
              blanks(8) + QStringLiteral("Merci pour le QSO  Pse QSL"));
}

TEST(LabelComposer, LeftTextsHaveFixedWidthsSoRightLabelsLineUp) {
    const LabelOptions french = fullOptions();
    LabelOptions english = fullOptions();
    english.french = false;
    const std::vector<const QsoRecord*> rows{
        row("F9XQB", "F9XQC"), row("EA8/F9XQABCD", "F9XQCABCDEFG"), row("K1A"),
        row("FXXXX", "", "1.8 Mhz", "XXX", "XX", "01/01/2000")};
    struct Expected {
        const LabelOptions* options;
        int format;
        LineFamily family;
        LabelLine line;
        int width;
    };
    const std::vector<Expected> cases{
        {&french, 1, LineFamily::Qso42, LabelLine::Address, 31},
        {&french, 3, LineFamily::Qso42, LabelLine::Address, 32},
        {&french, 4, LineFamily::Qso42, LabelLine::Address, 32},
        {&english, 4, LineFamily::Qso42, LabelLine::Address, 31},
        {&french, 1, LineFamily::Qso42, LabelLine::Date, 43},
        {&french, 1, LineFamily::Qso42, LabelLine::Band, 43},
        {&english, 2, LineFamily::Qso42, LabelLine::Band, 43},
        {&french, 1, LineFamily::Qso42, LabelLine::Station, 43},
        {&french, 1, LineFamily::Qso42, LabelLine::Comment, 43},
        {&english, 1, LineFamily::Qso42, LabelLine::Thanks, 43},
        {&french, 6, LineFamily::Qso44, LabelLine::Address, 34},
        {&english, 6, LineFamily::Qso44, LabelLine::Address, 34},
        {&french, 6, LineFamily::Qso44, LabelLine::Date, 45},
        {&french, 6, LineFamily::Qso44, LabelLine::Band, 45},
        {&english, 6, LineFamily::Qso44, LabelLine::Band, 44},
        {&french, 6, LineFamily::Qso44, LabelLine::Station, 44},
        {&french, 6, LineFamily::Qso44, LabelLine::Thanks, 45},
        {&french, 1, LineFamily::ActivationCanton, LabelLine::From, 31},
        {&english, 1, LineFamily::ActivationCanton, LabelLine::From, 31},
        {&french, 1, LineFamily::ActivationCanton, LabelLine::Activation, 47},
        {&french, 1, LineFamily::ActivationCanton, LabelLine::Place, 47},
        {&french, 1, LineFamily::ActivationCanton, LabelLine::Canton, 47},
        {&french, 1, LineFamily::ActivationCanton, LabelLine::Contact, 47},
        {&french, 1, LineFamily::ActivationCanton, LabelLine::Station, 47},
        {&english, 1, LineFamily::ActivationCanton, LabelLine::Thanks, 47},
        {&french, 3, LineFamily::ActivationDdcf, LabelLine::DdcfPlace, 47},
    };
    for (const Expected& c : cases) {
        for (const QsoRecord* qso : rows) {
            EXPECT_EQ(left(*c.options, c.format, c.line, c.family, qso).size(), c.width)
                << "format " << c.format << " line " << static_cast<int>(c.line) << " row '"
                << QsoRow::compose(*qso).toStdString() << "'";
        }
    }
}

TEST(LabelComposer, BuildsActivationLines) {
    LabelOptions options = fullOptions();
    const QsoRecord* qso = row("F9XQA", "", "7.0 Mhz");
    EXPECT_EQ(left(options, 1, LabelLine::From, LineFamily::ActivationCanton, qso),
              blanks(5) + QStringLiteral("De F9XQC/P pour F9XQA") + blanks(5));
    EXPECT_EQ(left(options, 1, LabelLine::Canton, LineFamily::ActivationCanton, qso),
              blanks(16) + QStringLiteral("Canton N° 5945") + blanks(17));
    EXPECT_TRUE(left(options, 1, LabelLine::Place, LineFamily::ActivationCanton, qso)
                    .contains(QStringLiteral("  CP 59680 QTH Colleret")));
    EXPECT_TRUE(left(options, 1, LabelLine::Contact, LineFamily::ActivationCanton, qso)
                    .contains(QStringLiteral("31/01/09 07:51 TU  QRG 7.0 Mhz SSB  RST 59")));
    EXPECT_TRUE(left(options, 3, LabelLine::DdcfPlace, LineFamily::ActivationDdcf, qso)
                    .contains(QStringLiteral("DDCF 5945 CP 59680  QTH Colleret")));
    // A two-character canton makes the left part two characters shorter.
    options.canton = QStringLiteral("59");
    EXPECT_EQ(left(options, 1, LabelLine::Canton, LineFamily::ActivationCanton, qso).size(), 45);
    // Found by fuzzing: an 11-character station with a 12-character callsign fills
    // the from line's 23 columns; its count of blanks goes below zero, so it
    // prints no blanks there and comes out two columns wider.
    options.station = QStringLiteral("EA8/F9XQA/P");
    EXPECT_EQ(left(options, 1, LabelLine::From, LineFamily::ActivationCanton, row("EA8/F9XQABCD")),
              QStringLiteral("De EA8/F9XQA/P  pour EA8/F9XQABCD"));

    // Values too long for their line print with no leading blanks instead of failing.
    options.municipality = QString(40, QLatin1Char('M'));
    const QString ddcf = left(options, 3, LabelLine::DdcfPlace, LineFamily::ActivationDdcf, qso);
    EXPECT_TRUE(ddcf.startsWith(QStringLiteral("DDCF 59")));
}

}  // namespace
