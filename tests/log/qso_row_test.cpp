#include <gtest/gtest.h>

#include "log/qso_row.h"
#include "support/qso_rows.h"

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

TEST(QsoRow, ComposesFixedColumns) {
    QsoValues v;
    v[QsoField::Callsign] = "F9XQB";
    v[QsoField::Date] = "31/01/09";
    v[QsoField::Time] = "07:51";
    v[QsoField::Band] = "7.0 Mhz";
    v[QsoField::Mode] = "SSB";
    v[QsoField::RstSent] = "59";
    v[QsoField::QslVia] = "F9XQC";
    const QString row = QString::fromUtf8(QsoRow::compose(v));
    EXPECT_EQ(row, QStringLiteral("F9XQB") + blanks(9) + QStringLiteral("31/01/09") + blanks(2) +
                       QStringLiteral("07:51") + blanks(2) + QStringLiteral("7.0 Mhz") + blanks(3) +
                       QStringLiteral("SSB") + blanks(6) + QStringLiteral("59") + blanks(8) +
                       QStringLiteral("F9XQC") + blanks(7));
    EXPECT_EQ(row.size(), 72);

    v[QsoField::QslVia] = "";
    const QString withoutVia = QString::fromUtf8(QsoRow::compose(v));
    EXPECT_EQ(withoutVia.size(), 72);
    EXPECT_TRUE(withoutVia.endsWith(blanks(12)));
}

TEST(QsoRow, LongValuesKeepLaterColumnsInPlace) {
    QsoValues v;
    v[QsoField::Callsign] = "F9XQB";
    v[QsoField::Date] = "01/01/2000";
    v[QsoField::Time] = "00:00";
    v[QsoField::Band] = "1.8 Mhz";
    v[QsoField::Mode] = "OLIVIA8-5";
    v[QsoField::RstSent] = "1234567890";
    v[QsoField::QslVia] = "";
    const QString row = QString::fromUtf8(QsoRow::compose(v));
    EXPECT_EQ(rowField(row, QsoRow::kDateColumn, 10), QStringLiteral("01/01/2000"));
    EXPECT_EQ(rowField(row, QsoRow::kDateColumn, 8), QStringLiteral("01/01/20"));
    EXPECT_EQ(rowField(row, QsoRow::kTimeColumn, 5), QStringLiteral("00:00"));
    EXPECT_EQ(rowField(row, QsoRow::kModeColumn, 9), QStringLiteral("OLIVIA8-5"));
    EXPECT_EQ(rowField(row, QsoRow::kRstColumn, 10), QStringLiteral("1234567890"));
    EXPECT_EQ(row.size(), 72);
}

TEST(QsoRow, CountsCharactersNotBytes) {
    QsoValues v;
    v[QsoField::Callsign] = "F9XQÉ";  // five characters, six bytes
    v[QsoField::Date] = "31/01/09";
    v[QsoField::Time] = "07:51";
    v[QsoField::Band] = "14 Mhz";
    v[QsoField::Mode] = "SSB";
    v[QsoField::RstSent] = "59";
    const QString row = QString::fromUtf8(QsoRow::compose(v));
    EXPECT_EQ(row.size(), 72);
    EXPECT_EQ(rowField(row, QsoRow::kDateColumn, 8), QStringLiteral("31/01/09"));
    EXPECT_EQ(utf8Left("ÉÉÉ", 2), QByteArrayView("ÉÉ"));
    EXPECT_EQ(utf8Right("aÉb", 2), QByteArrayView("Éb"));
    EXPECT_EQ(utf8Mid("2008", 4, 2), QByteArrayView(""));

    // Found by fuzzing: a character outside the Basic Multilingual Plane takes
    // two places in a QString, so it takes two columns of the row too.
    v[QsoField::Callsign] = "F9\xF0\x9F\x93\xBBXQ";  // F9, a radio emoji, XQ
    const QString wide = QString::fromUtf8(QsoRow::compose(v));
    EXPECT_EQ(wide.size(), 72);
    EXPECT_EQ(rowField(wide, QsoRow::kDateColumn, 8), QStringLiteral("31/01/09"));
    EXPECT_EQ(utf8Left("AB\xF0\x9F\x93\xBB", 3), QByteArrayView("AB"));  // never half of it
}

TEST(QsoRow, FieldsOfShortRowsAreShortOrEmpty) {
    EXPECT_EQ(rowField(QStringLiteral("F9XQA"), QsoRow::kDateColumn, 8), QString());
    const QString aligned = QsoRow::alignedColumnTitles();
    EXPECT_EQ(aligned.indexOf(QStringLiteral("Debut")), QsoRow::kTimeColumn - 1);
    EXPECT_EQ(aligned.indexOf(QStringLiteral("Mode")), QsoRow::kModeColumn - 1);
    EXPECT_EQ(aligned.indexOf(QStringLiteral("Rst E")), QsoRow::kRstColumn - 1);
    EXPECT_EQ(aligned.indexOf(QStringLiteral("QSL Via")), QsoRow::kViaColumn - 1);
}

}  // namespace
