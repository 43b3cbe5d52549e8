#include <gtest/gtest.h>

#include "log/adif_reader.h"
#include "selection/card_bundle.h"

#include <QStringEncoder>

namespace {

const char kBundleLog[] =
    "<EOH>\n"
    "<CALL:6>DL1ABC<QSO_DATE:8>20240101<TIME_ON:4>0900<BAND:3>20M<MODE:2>CW<EOR>\n"
    "<CALL:6>DL1ABC<QSO_DATE:8>20240101<TIME_ON:4>1000<BAND:3>40M<MODE:2>CW<EOR>\n"
    "<CALL:6>DL1ABC<QSO_DATE:8>20240305<TIME_ON:4>1000<BAND:3>20M<MODE:2>CW<EOR>\n"
    "<CALL:6>ON4AAA<QSO_DATE:8>20240101<TIME_ON:4>0900<BAND:3>15M<MODE:3>SSB"
    "<QSL_RCVD:1>Y<QSL_RCVD_VIA:1>b<EOR>\n"
    "<CALL:10>EA8/ON4AAA<QSO_DATE:8>20240202<TIME_ON:4>0900<FREQ:6>14.074<MODE:3>FT8<EOR>\n"
    "<CALL:14>PA75LIBERATION<QSO_DATE:8>20200505<TIME_ON:4>0900<BAND:3>20M<EOR>\n"
    "<QSO_DATE:8>20240101<TIME_ON:4>0900<BAND:3>20M<QSL_RCVD:1>Y<EOR>\n"
    "<CALL:6>ON4BBB<QSO_DATE:8>20240101<TIME_ON:4>0900<BAND:3>20M<QSL_RCVD:1>Y"
    "<QSL_RCVD_VIA:1>E<EOR>\n";

class CardBundleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AdifReader::parse(QByteArrayView(kBundleLog), contents_);
        for (int i = 0; i < contents_.log.count(); ++i) {
            qsos_.push_back(&contents_.log.at(i));
        }
    }
    AdifContents contents_;
    QsoRecords qsos_;
};

TEST_F(CardBundleTest, MatchesEachLineByCallDateAndBand) {
    using Outcome = CardBundle::Outcome;
    struct Case {
        const char* line;
        Outcome outcome;
        std::vector<int> qsos;  // indexes in the log
        int alreadyReceived;
        const char* unread = nullptr;  // the word that made the line unreadable
    };
    const Case cases[] = {
        {"dl1abc", Outcome::Several, {0, 1, 2}, 0},
        {"DL1ABC 20240101", Outcome::Several, {0, 1}, 0},
        {"DL1ABC 01/01/24 20m", Outcome::Found, {0}, 0},
        {"DL1ABC 40M", Outcome::Found, {1}, 0},
        {"DL1ABC 20240305", Outcome::Found, {2}, 0},
        {"DL1ABC 20231231", Outcome::NotFound, {}, 0},
        {"on4aaa", Outcome::Found, {3}, 1},
        {"EA8/ON4AAA 20m", Outcome::Found, {4}, 0},
        {"ON4AAA 20M", Outcome::NotFound, {}, 0},
        {"F9XQA", Outcome::NotFound, {}, 0},
        {"DL1ABC tuesday", Outcome::Unreadable, {}, 0, "tuesday"},
        // ISO dates as a spreadsheet writes them; a day that does not exist is
        // said, not searched.
        {"DL1ABC 2024-01-01", Outcome::Several, {0, 1}, 0},
        {"DL1ABC,2024-03-05", Outcome::Found, {2}, 0},
        {"DL1ABC 2024-01-01 40m", Outcome::Found, {1}, 0},
        {"DL1ABC 2024-02-30", Outcome::Unreadable, {}, 0, "2024-02-30"},
        {"DL1ABC 2024-3-5", Outcome::Unreadable, {}, 0, "2024-3-5"},
        // A four-digit year is compared whole; the whole call is matched.
        {"DL1ABC 19240305", Outcome::NotFound, {}, 0},
        {"PA75LIBERATION", Outcome::Found, {5}, 0},
        {"PA75LIBERATI", Outcome::NotFound, {}, 0},
        // A QSO without CALL is no card's; an eQSL is no card received.
        {"FXXXX", Outcome::NotFound, {}, 0},
        {"ON4BBB", Outcome::Found, {7}, 0},
    };
    const CardBundle bundle(qsos_);
    for (const Case& c : cases) {
        const CardBundle::Line line = bundle.matchLine(QString::fromLatin1(c.line), 7);
        EXPECT_EQ(line.outcome, c.outcome) << c.line;
        QsoRecords expected;
        for (const int index : c.qsos) {
            expected.push_back(qsos_[static_cast<size_t>(index)]);
        }
        EXPECT_EQ(line.qsos, expected) << c.line;
        EXPECT_EQ(line.alreadyReceived, c.alreadyReceived) << c.line;
        EXPECT_EQ(line.unread, QString::fromLatin1(c.unread)) << c.line;
        EXPECT_EQ(line.number, 7);
    }
}

TEST_F(CardBundleTest, ABundleKeepsItsLineNumbersAndTakesEachFoundQsoOnce) {
    EXPECT_EQ(qsos_[3]->value(QsoField::QslRcvdVia), "B");
    EXPECT_EQ(qsos_[3]->value(QsoField::QslRcvd), "Y");
    const CardBundle bundle(qsos_);
    const std::vector<CardBundle::Line> lines =
        bundle.match(QStringLiteral("ON4AAA\r\n\r\n  DL1ABC 40M \nX1X\rON4AAA 15m\n"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].number, 3);
    EXPECT_EQ(lines[1].text, QStringLiteral("DL1ABC 40M"));
    EXPECT_EQ(lines[3].number, 5);
    EXPECT_EQ(CardBundle::found(lines), (QsoRecords{qsos_[3], qsos_[1]}));
}

// A bundle saved as a spreadsheet's or Notepad's "Unicode" text, or in
// Latin-1, reads as the same lines (not NULs, not "ON4\uFFFD\uFFFDA").
TEST(CardBundle, DecodesBundleFilesAsLogsAre) {
    const QString text = QStringLiteral("ON4ÉÀA 20M\r\nDL1ABC\r\n");
    QStringEncoder le(QStringConverter::Utf16LE);
    QStringEncoder be(QStringConverter::Utf16BE);
    QStringEncoder marked(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray encodings[] = {text.toUtf8(),       text.toLatin1(),
                                    le.encode(text),     be.encode(text),
                                    marked.encode(text), "\xEF\xBB\xBF" + text.toUtf8()};
    for (const QByteArray& bytes : encodings) {
        EXPECT_EQ(CardBundle::decode(bytes), text) << bytes.toHex().toStdString();
    }
}

}  // namespace
