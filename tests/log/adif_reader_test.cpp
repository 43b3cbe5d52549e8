#include <gtest/gtest.h>

#include <QDirIterator>
#include <QTemporaryDir>

#include "log/adif_reader.h"
#include "log/band_table.h"
#include "log/confirmation_download.h"
#include "log/printable_text.h"
#include "log/qso_row.h"
#include "support/qso_rows.h"
#include "support/test_files.h"

namespace {

AdifContents parse(const QByteArray& bytes) {
    AdifContents contents;
    AdifReader::parse(bytes, contents);
    return contents;
}

QString rowOf(const AdifContents& contents, size_t index = 0) {
    return QString::fromUtf8(contents.rows.at(index));
}

QString field(const QString& row, int column, int width) {
    return rowField(row, column, width).trimmed();
}

const QByteArray kHeader = "Log\n<EOH>\n";
const QByteArray kComplete =
    "<CALL:5>F9XQB<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>40M<MODE:3>SSB"
    "<RST_SENT:2>59<QSL_VIA:5>F9XQC<EOR>";

TEST(AdifReader, ReadsACompleteRecordIntoTheRowLayout) {
    const AdifContents contents = parse(kHeader + kComplete + "\n");
    ASSERT_EQ(contents.rows.size(), 1u);
    EXPECT_TRUE(contents.messages.isEmpty());
    EXPECT_EQ(
        rowOf(contents),
        QStringLiteral("F9XQB         31/01/09  07:51  7.0 Mhz   SSB      59        F9XQC       "));
}

TEST(AdifReader, FramesRecordsWhereverTheyStand) {
    // Lower-case tags and values, fields spread over lines, two records on one
    // line, a record on the <EOH> line, and blank lines after the last record.
    const QByteArray log =
        "header text\n<adif_ver:5>3.1.0<eoh><call:4>f1aa<qso_date:8>20090101"
        "<time_on:4>1000<band:3>20m<mode:2>cw<rst_sent:3>599<eor>\n"
        "<CALL:4>F2BB\n<QSO_DATE:8>20090102\n<TIME_ON:4>1100\n<BAND:3>15M\n<EOR>\n"
        "<CALL:4>F3CC<QSO_DATE:8>20090103<TIME_ON:4>1200<BAND:3>10M<EOR>"
        "<CALL:4>F4DD<QSO_DATE:8>20090104<TIME_ON:4>1300<BAND:2>6M<EOR>\n"
        "\n   \n\t\n";
    const AdifContents contents = parse(log);
    ASSERT_EQ(contents.rows.size(), 4u);
    EXPECT_TRUE(contents.messages.isEmpty()) << contents.messages.join(u'|').toStdString();
    EXPECT_EQ(field(rowOf(contents, 0), 1, 12), QStringLiteral("F1AA"));
    EXPECT_EQ(field(rowOf(contents, 0), QsoRow::kModeColumn, 9), QStringLiteral("CW"));
    EXPECT_EQ(field(rowOf(contents, 0), QsoRow::kBandColumn, 8), QStringLiteral("14 Mhz"));
    EXPECT_EQ(field(rowOf(contents, 1), 1, 12), QStringLiteral("F2BB"));
    EXPECT_EQ(field(rowOf(contents, 1), QsoRow::kBandColumn, 8), QStringLiteral("21 Mhz"));
    EXPECT_EQ(field(rowOf(contents, 2), 1, 12), QStringLiteral("F3CC"));
    EXPECT_EQ(field(rowOf(contents, 3), 1, 12), QStringLiteral("F4DD"));
    EXPECT_EQ(field(rowOf(contents, 3), QsoRow::kDateColumn, 8), QStringLiteral("04/01/09"));
}

TEST(AdifReader, LogWithoutHeaderStartsAtTheFirstLine) {
    const AdifContents contents = parse(kComplete + kComplete);
    EXPECT_EQ(contents.rows.size(), 2u);
    EXPECT_TRUE(contents.messages.isEmpty());
}

TEST(AdifReader, RecordsWithoutAnyFieldAreSkipped) {
    const AdifContents contents = parse(kHeader + kComplete + "\n<EOR>\n   stray text   \n  \n");
    EXPECT_EQ(contents.rows.size(), 1u);
    EXPECT_TRUE(contents.messages.isEmpty());
}

TEST(AdifReader, MissingValuesGetDefaultsAfterMessagesInOrder) {
    const AdifContents contents = parse(kHeader + "<APP_X:1>Y<MODE:0><EOR>\n");
    ASSERT_EQ(contents.rows.size(), 1u);
    EXPECT_EQ(contents.messages,
              QStringList({QStringLiteral("Date absente, remplacée par 01/01/2000"),
                           QStringLiteral("Heure absente, remplacée par 00:00"),
                           QStringLiteral("Indicatif absent, remplacé par FXXXX"),
                           QStringLiteral("Bande absente, remplacée par 1.8 Mhz")}));
    EXPECT_EQ(
        rowOf(contents),
        QStringLiteral("FXXXX         01/01/200000:00  1.8 Mhz   XXX      XX                    "));
}

TEST(AdifReader, ReadsValuesByTheRules) {
    // The time keeps HH:MM.
    AdifContents contents =
        parse(kHeader + "<CALL:5>F9XQA<QSO_DATE:8>20081231<TIME_ON:6>235959<BAND:3>20M<EOR>");
    EXPECT_EQ(field(rowOf(contents), QsoRow::kDateColumn, 8), QStringLiteral("31/12/08"));
    EXPECT_EQ(rowField(rowOf(contents), QsoRow::kTimeColumn, 5), QStringLiteral("23:59"));

    // Blanks and tabs around a value go; the length in the tag is ignored.
    contents = parse(kHeader +
                     "<CALL:2> \tF9XQA \t<QSO_DATE:8>20090131<TIME_ON:4>0751"
                     "<BAND:3>20M<EOR>");
    EXPECT_EQ(field(rowOf(contents), 1, 12), QStringLiteral("F9XQA"));

    // Long values are cut so that every column keeps its place.
    contents =
        parse(kHeader +
              "<CALL:14>ABCDEFGHIJKLMN<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M"
              "<MODE:12>MODEWITHLONG<RST_SENT:12>123456789012<QSL_VIA:14>VIAVIAVIAVIAVI<EOR>");
    const QString row = rowOf(contents);
    EXPECT_EQ(rowField(row, 1, 14), QStringLiteral("ABCDEFGHIJKL  "));
    EXPECT_EQ(rowField(row, QsoRow::kModeColumn, 9), QStringLiteral("MODEWITHL"));
    EXPECT_EQ(rowField(row, QsoRow::kRstColumn, 10), QStringLiteral("1234567890"));
    EXPECT_EQ(rowField(row, QsoRow::kViaColumn, 12), QStringLiteral("VIAVIAVIAVIA"));
    EXPECT_EQ(row.size(), 72);
    // The QSO keeps them whole: mail and bundles find the whole call.
    EXPECT_EQ(contents.log.at(0).value(QsoField::Callsign), "ABCDEFGHIJKLMN");
    EXPECT_EQ(contents.log.at(0).value(QsoField::QslVia), "VIAVIAVIAVIAVI");

    // A value with no "<" after it runs to the end of its record text.
    contents = parse(kHeader + "<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M<CALL:5>F9XQA");
    EXPECT_EQ(field(rowOf(contents), 1, 12), QStringLiteral("F9XQA"));

    // A tag never closed by ">" counts as missing.
    contents = parse(kHeader + "<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M<CALL:5");
    EXPECT_EQ(field(rowOf(contents), 1, 12), QStringLiteral("FXXXX"));
}

// A QSO_DATE that is no date of the calendar in YYYYMMDD (a converter's
// "N:/TI/CA", a year alone, ISO's dashes, a 30th of February) is replaced as
// a missing one is, and said with its text; the log's text stays in the QSO.
TEST(AdifReader, ReplacesADateThatIsNoDateAndSaysSo) {
    const struct {
        QByteArray date;
        QString shown;
        bool replaced;
    } cases[] = {
        {"N:/TI/CA", QStringLiteral("01/01/20"), true},
        {"2008", QStringLiteral("01/01/20"), true},
        {"2024-03-01", QStringLiteral("01/01/20"), true},
        {"20240230", QStringLiteral("01/01/20"), true},
        {"20241301", QStringLiteral("01/01/20"), true},
        {"2024030Ã©", QStringLiteral("01/01/20"), true},
        {"20240229", QStringLiteral("29/02/24"), false},
        {" 19991231 ", QStringLiteral("31/12/99"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.toStdString());
        const AdifContents contents =
            parse(kHeader + "<CALL:5>F9XQA<QSO_DATE:" + QByteArray::number(c.date.size()) + ">" +
                  c.date + "<TIME_ON:4>1200<BAND:3>20M<EOR>");
        ASSERT_EQ(contents.log.count(), 1);
        EXPECT_EQ(field(rowOf(contents), QsoRow::kDateColumn, 8), c.shown);
        const QsoRecord& qso = contents.log.at(0);
        EXPECT_EQ((qso.replaced() & QsoRecord::kDate) != 0, c.replaced);
        EXPECT_EQ(qso.value(QsoField::QsoDate), c.date.trimmed());
        const QStringList said =
            c.replaced ? QStringList{AdifReader::unreadableDateMessage(qso.text(QsoField::QsoDate))}
                       : QStringList{};
        EXPECT_EQ(contents.messages, said);
    }
    EXPECT_EQ(AdifReader::unreadableDateMessage(QStringLiteral("N:/TI/CA")),
              QStringLiteral("Date « N:/TI/CA » illisible (QSO_DATE n'est pas une date "
                             "AAAAMMJJ), remplacée par 01/01/2000"));
}

// C0, DEL and C1 controls become one space each, in text and in UTF-8 bytes
// (where a C1 character's two bytes become one); other characters stay, the
// bytes of a character that only starts like C1 (U+00A0, U+0100) too.
TEST(PrintableText, BlanksEveryControlCharacterOneForOne) {
    const struct {
        QString text;
        QString printable;
    } cases[] = {
        {QStringLiteral("F1\u009BAB"), QStringLiteral("F1 AB")},
        {QStringLiteral("\u0080x\u009F\u0085"), QStringLiteral(" x  ")},
        {QStringLiteral("a\tb\x7f\u00A0\u00FF\u0100"), QStringLiteral("a b \u00A0\u00FF\u0100")},
        {QStringLiteral("0123456789\u009B0123456789"), QStringLiteral("0123456789 0123456789")},
        {QStringLiteral("plain text, long enough for the fast path"),
         QStringLiteral("plain text, long enough for the fast path")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString text = c.text;
        PrintableText::blankControls(text);
        EXPECT_EQ(text, c.printable);
        QByteArray bytes = "kept\x01" + c.text.toUtf8();
        PrintableText::blankControls(bytes, 5);
        EXPECT_EQ(bytes, "kept\x01" + c.printable.toUtf8());
    }
}

TEST(AdifReader, FieldNamesMatchWhole) {
    const AdifContents contents = parse(
        kHeader +
        "<CALL_X:3>BAD<QSO_DATE_OFF:8>20090201<TIME_OFF:4>0900<BAND_RX:4>70CM<FREQ_RX:7>432.100"
        "<CALL:5>F9XQA<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:2>2M<EOR>");
    const QString row = rowOf(contents);
    EXPECT_TRUE(contents.messages.isEmpty());
    EXPECT_EQ(field(row, 1, 12), QStringLiteral("F9XQA"));
    EXPECT_EQ(rowField(row, QsoRow::kDateColumn, 8), QStringLiteral("31/01/09"));
    EXPECT_EQ(field(row, QsoRow::kBandColumn, 8), QStringLiteral("144 Mhz"));
}

TEST(AdifReader, BandComesFromBandThenFrequency) {
    const QByteArray base = kHeader + "<CALL:5>F9XQA<QSO_DATE:8>20090131<TIME_ON:4>0751";
    const auto band = [&](const QByteArray& fields) {
        const AdifContents contents = parse(base + fields + "<EOR>");
        return std::make_pair(field(rowOf(contents), QsoRow::kBandColumn, 8),
                              static_cast<int>(contents.messages.size()));
    };
    EXPECT_EQ(band("<BAND:3>20M<FREQ:6>21.050"), std::make_pair(QStringLiteral("14 Mhz"), 0));
    EXPECT_EQ(band("<FREQ:6>14.195"), std::make_pair(QStringLiteral("14 Mhz"), 0));
    EXPECT_EQ(band("<FREQ:3>144<MODE:2>FM"), std::make_pair(QStringLiteral("144 Mhz"), 0));
    EXPECT_EQ(band("<FREQ:7>144.300"), std::make_pair(QStringLiteral("144 Mhz"), 0));
    EXPECT_EQ(band("<FREQ:5>1.830"), std::make_pair(QStringLiteral("1.8 Mhz"), 0));
    EXPECT_EQ(band("<FREQ:7>10368.1"), std::make_pair(QStringLiteral("10 Ghz"), 0));
    EXPECT_EQ(band("<freq:5>7,050"), std::make_pair(QStringLiteral("7.0 Mhz"), 0));
    EXPECT_EQ(band("<BAND:2>9M"), std::make_pair(QStringLiteral("1.8 Mhz"), 1));
    EXPECT_EQ(band("<BAND:4>10.1"), std::make_pair(QStringLiteral("1.8 Mhz"), 1));
    // An empty BAND is still the source: FREQ is not consulted.
    EXPECT_EQ(band("<BAND:0><FREQ:6>14.195"), std::make_pair(QStringLiteral("1.8 Mhz"), 1));
    EXPECT_EQ(band("<FREQ:4>13.0"), std::make_pair(QStringLiteral("1.8 Mhz"), 1));
    EXPECT_EQ(band("<FREQ:3>abc"), std::make_pair(QStringLiteral("1.8 Mhz"), 1));
    EXPECT_EQ(band("<BAND:4>2190m"), std::make_pair(QStringLiteral("137 Khz"), 0));
    // FREQ in every form a log may hold gives the band the table gives it.
    for (const char* frequency : {"14.074",
                                  "014.07400",
                                  "14,074",
                                  "+14.074",
                                  "14.",
                                  ".5",
                                  "1e1",
                                  "7.3000000000000001",
                                  "7.30000000000001",
                                  "28",
                                  "0.1357",
                                  "0.1378",
                                  "3.8",
                                  "3.80000001",
                                  "10368.1",
                                  "-7.1",
                                  "7.1 MHz",
                                  "1296",
                                  "144.0000000000000001",
                                  "00000000000000050.1"}) {
        SCOPED_TRACE(frequency);
        const QByteArray value(frequency);
        const QByteArray tag = "<FREQ:" + QByteArray::number(value.size()) + ">" + value;
        const std::optional<QByteArray> expected = BandTable::textForFrequency(value);
        EXPECT_EQ(band(tag), std::make_pair(QString::fromUtf8(expected.value_or("1.8 Mhz")),
                                            expected ? 0 : 1));
    }
}

TEST(AdifReader, AcceptsEveryLineEnding) {
    const QByteArray lines[] = {"<EOH>",
                                "<CALL:5>F9XQA",
                                "<QSO_DATE:8>20090131",
                                "<TIME_ON:4>0751",
                                "<BAND:3>20M",
                                "<EOR>",
                                "<CALL:5>F9XQB<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M<EOR>"};
    for (const QByteArray& ending : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        QByteArray log;
        for (const QByteArray& line : lines) {
            log += line + ending;
        }
        const AdifContents contents = parse(log);
        ASSERT_EQ(contents.rows.size(), 2u) << ending.toHex().toStdString();
        EXPECT_TRUE(contents.messages.isEmpty());
        EXPECT_EQ(field(rowOf(contents, 1), 1, 12), QStringLiteral("F9XQB"));
    }
}

TEST(AdifReader, ForeignBytesPassThroughWithoutHarm) {
    // Latin-1 and UTF-8 in fields the reader does not use; UTF-8 and Latin-1 in the callsign,
    // upper-cased alike.
    const QByteArray log = kHeader +
                           "<NAME:5>Andr\xe9<COMMENT:6>Jos\xc3\xa9<CALL:6>F9XQ\xc3\xa9"
                           "<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M<EOR>"
                           "<CALL:5>F9XQ\xe9<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>20M<EOR>";
    const AdifContents contents = parse(log);
    ASSERT_EQ(contents.rows.size(), 2u);
    EXPECT_EQ(field(rowOf(contents, 0), 1, 12), QStringLiteral("F9XQÉ"));
    EXPECT_EQ(field(rowOf(contents, 1), 1, 12), QStringLiteral("F9XQÉ"));
    EXPECT_EQ(rowOf(contents, 0).size(), 72);
}

TEST(AdifReader, SurvivesBinaryJunk) {
    QByteArray junk;
    for (int i = 0; i < 5000; ++i) {
        junk.append(static_cast<char>((i * 7919) % 256));
    }
    static const char kTags[] = "<EOR>\0<CALL:3>\0\0\0<EOR><";
    junk.insert(100, QByteArray(kTags, sizeof(kTags) - 1));
    const AdifContents contents = parse(junk);
    for (const QByteArray& row : contents.rows) {
        EXPECT_GE(utf8Length(row), 72);
    }
    static const char kNul[] = "<CALL:5>F9\0QA<BAND:3>20M<EOR>";
    const AdifContents nul = parse(QByteArray(kNul, sizeof(kNul) - 1));
    ASSERT_EQ(nul.rows.size(), 1u);
}

TEST(AdifReader, ReadsFilesAndNamesTheOnesItCannot) {
    AdifContents contents;
    QString error;
    ASSERT_TRUE(AdifReader::readFile(testDataPath(QStringLiteral("one_record_per_line.adi")),
                                     contents, &error));
    ASSERT_EQ(contents.rows.size(), 3u);
    EXPECT_EQ(
        rowOf(contents, 0),
        QStringLiteral("F9XQB         31/01/09  07:51  7.0 Mhz   SSB      59        F9XQC       "));
    EXPECT_EQ(field(rowOf(contents, 2), QsoRow::kBandColumn, 8), QStringLiteral("144 Mhz"));

    AdifContents lines;
    ASSERT_TRUE(AdifReader::readFile(testDataPath(QStringLiteral("one_field_per_line.adi")), lines,
                                     &error));
    ASSERT_EQ(lines.rows.size(), 2u);
    EXPECT_EQ(field(rowOf(lines, 1), QsoRow::kBandColumn, 8), QStringLiteral("21 Mhz"));

    AdifContents headerless;
    ASSERT_TRUE(AdifReader::readFile(testDataPath(QStringLiteral("headerless_one_line.adi")),
                                     headerless, &error));
    EXPECT_EQ(headerless.rows.size(), 2u);

    QTemporaryDir dir;
    AdifContents none;
    const QString missing = dir.filePath(QStringLiteral("gone.adi"));
    EXPECT_FALSE(AdifReader::readFile(missing, none, &error));
    EXPECT_TRUE(error.contains(missing));
    EXPECT_FALSE(AdifReader::readFile(dir.path(), none, &error));
    EXPECT_TRUE(error.contains(dir.path()));
    EXPECT_TRUE(none.rows.empty());
}

TEST(AdifReader, FindsTheHeaderEndAcrossReadChunks) {
    // A long header places <EOH> across the reader's 1 MiB chunk boundary.
    QTemporaryDir dir;
    QByteArray log(1024 * 1024 - 2, 'x');
    log += "<EOH>" + kComplete;
    const QString path = writeFile(dir, QStringLiteral("long_header.adi"), log);
    AdifContents contents;
    QString error;
    ASSERT_TRUE(AdifReader::readFile(path, contents, &error));
    ASSERT_EQ(contents.rows.size(), 1u);
    EXPECT_EQ(field(rowOf(contents), 1, 12), QStringLiteral("F9XQB"));
}

using Texts = std::vector<QByteArray>;

Texts callsigns(const AdifContents& contents) {
    Texts calls;
    for (int i = 0; i < contents.log.count(); ++i) {
        calls.push_back(contents.log.at(i).value(QsoField::Callsign).toByteArray());
    }
    return calls;
}

TEST(AdifReader, ReadsLogsShapedLikeThoseOfOtherPrograms) {
    struct Case {
        const char* file;
        Texts calls;
        Texts vias;
        QStringList messages;
    };
    const QString cut = QStringLiteral("Fin de QSO <EOR> absente avant l'indicatif TEST2");
    const Case cases[] = {
        {"lotw_report.adi",
         {"K1ABC", "JA1XYZ"},
         {"", ""},
         {ConfirmationDownload::messageFor(ConfirmationDownload::Kind::LotwReport)}},
        {"lotw_empty_report.adi", {}, {}, {}},
        {"lotw_report_2015.adi",
         {"KD4LV", "M0OXO", "JA1XYZ"},
         {"", "", ""},
         {ConfirmationDownload::messageFor(ConfirmationDownload::Kind::LotwReport)}},
        {"missing_eor.adi", {"TEST1", "TEST2", "TEST3"}, {"", "", ""}, {cut}},
        {"values_with_text.adi", {"IZ0ABC", "F5ABC"}, {"", ""}, {}},
        {"accents_utf8.adi", {"EA3AB", "EA3AC"}, {"BÜRO", "C/ MELIÓ 11"}, {}},
        {"accents_latin1.adi", {"EA3AB", "EA3AC"}, {"BÜRO", "C/ MELIÓ 11"}, {}},
        {"utf16_with_mark.adi", {"DL1AB", "OK1CD"}, {"BÜRO", ""}, {}},
        {"qrz_free_text_via.adi",
         {"LU6HPA", "LU2HDT", "CX1SI", "CE3FZL"},
         {"73 CORDIALES PABLO", "LU2HDT LUCAS MINA CLAVERO , 73 CORDIALES",
          "DIRECT WITH 2 SASE OR $ 2 USA", "ONLY BUREAU"},
         {}},
        {"wavelog_export.adi", {"XXXXXX"}, {"QSL -BUREAU, E-QSL"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        AdifContents contents;
        QString error;
        ASSERT_TRUE(AdifReader::readFile(
            testDataPath(QStringLiteral("other_programs/") + QString::fromLatin1(c.file)), contents,
            &error));
        EXPECT_EQ(callsigns(contents), c.calls);
        EXPECT_EQ(contents.messages, c.messages);
        for (int i = 0; i < contents.log.count() && i < static_cast<int>(c.vias.size()); ++i) {
            EXPECT_EQ(contents.log.at(i).value(QsoField::QslVia), c.vias[static_cast<size_t>(i)]);
            EXPECT_EQ(utf8Length(contents.rows[static_cast<size_t>(i)]), 72);
        }
    }
    AdifContents cutLog;
    QString error;
    ASSERT_TRUE(AdifReader::readFile(testDataPath(QStringLiteral("other_programs/missing_eor.adi")),
                                     cutLog, &error));
    ASSERT_EQ(cutLog.messageDetails.size(), 1u);
    EXPECT_EQ(cutLog.messageDetails[0].qsoNumber, 2);
    EXPECT_EQ(cutLog.messageDetails[0].callsign, QStringLiteral("TEST2"));

    AdifContents texts;
    ASSERT_TRUE(AdifReader::readFile(
        testDataPath(QStringLiteral("other_programs/values_with_text.adi")), texts, &error));
    EXPECT_EQ(texts.log.at(0).text(QsoField::RstSent), QStringLiteral("59"));
    EXPECT_EQ(
        rowOf(texts, 1),
        QStringLiteral("F5ABC         06/01/24  09:00  7.0 Mhz   SSB      XX                    "));
}

// Files whose QSL fields mean something else than a logger's, and the time of
// a logger that writes only when the QSO ended: one fault a row.
TEST(AdifReader, ReadsConfirmationFilesAndEndTimesAsTheyAreMeant) {
    using ConfirmationDownload::Kind;
    struct Case {
        const char* fault;
        QByteArray log;
        QByteArrayView rcvd, rcvdVia, sent, time;
        QString message;
    };
    const QByteArray qso = "<CALL:5>K1ABC<QSO_DATE:8>20240301<BAND:3>20M";
    const Case cases[] = {
        {"a LoTW confirmation taken for a paper card",
         "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n<eoh>\n" + qso +
             "<TIME_ON:4>1015<QSL_RCVD:1>Y<eor>",
         "Y", "E", "", "10:15", ConfirmationDownload::messageFor(Kind::LotwReport)},
        {"an eQSL received taken for a card the operator sent",
         "eQSL.cc DownloadInBox\n<PROGRAMID:21>eQSL.cc DownloadInBox<EOH>" + qso +
             "<TIME_ON:4>1015<QSL_SENT:1>Y<QSL_SENT_VIA:1>E<EOR>",
         "Y", "E", "", "10:15", ConfirmationDownload::messageFor(Kind::EqslInbox)},
        {"a logger's own PROGRAMID taken for a service",
         "<PROGRAMID:6>Wavelog<EOH>" + qso + "<TIME_ON:4>1015<QSL_RCVD:1>Y<EOR>", "Y", "", "",
         "10:15", QString()},
        {"TIME_OFF alone printed as 00:00", "<EOH>" + qso + "<TIME_OFF:6>101500<EOR>", "", "", "",
         "10:15", AdifReader::timeFromEndMessage()},
    };
    for (const Case& c : cases) {
        const AdifContents contents = parse(c.log);
        ASSERT_EQ(contents.log.count(), 1) << c.fault;
        const QsoRecord& read = contents.log.at(0);
        EXPECT_EQ(read.value(QsoField::QslRcvd), c.rcvd) << c.fault;
        EXPECT_EQ(read.value(QsoField::QslRcvdVia), c.rcvdVia) << c.fault;
        EXPECT_EQ(read.value(QsoField::QslSent), c.sent) << c.fault;
        EXPECT_EQ(read.value(QsoField::Time), c.time) << c.fault;
        EXPECT_EQ(contents.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.fault;
    }
}

TEST(AdifReader, RulesHoldAtTheirEdges) {
    struct Case {
        QByteArray log;
        Texts calls;
        int messages;
    };
    const QByteArray qso = "<QSO_DATE:8>20240101<TIME_ON:4>1200<BAND:3>20M";
    const Case cases[] = {
        // The text after the last <EOR> is a QSO only with a used field's tag.
        {kComplete + "<EOF>", {"F9XQB"}, 0},
        {kComplete + "\n<APP_LoTW_EOF>\n", {"F9XQB"}, 0},
        {kComplete + "<CALLSIGN:4>F1AA<QSO_DATE_OFF:8>20240101", {"F9XQB"}, 0},
        {kComplete + "<mode:2>cw", {"F9XQB", "FXXXX"}, 4},
        {kComplete + "<call:4>f1aa" + qso, {"F9XQB", "F1AA"}, 0},
        {"<PROGRAMID:4>LoTW\n<APP_LoTW_EOF>\n", {}, 0},
        // A CALL tag met again starts the next QSO.
        {"<CALL:4>F1AA" + qso + "<call:4>F2BB" + qso + "<CALL:0>" + qso + "<EOR>",
         {"F1AA", "F2BB", "FXXXX"},
         3},
        {"<CALL:4>F1AA" + qso + "\n<CALL:4>F2BB" + qso, {"F1AA", "F2BB"}, 1},
        // The announced length where it fits, else up to the next tag.
        {"<CALL:6>IZ0ABC de F6XYZ" + qso + "<EOR>", {"IZ0ABC"}, 0},
        {"<CALL:6>IZ0ABC\tde" + qso + "<EOR>", {"IZ0ABC"}, 0},
        {"<CALL:6>IZ0ABCDE" + qso + "<EOR>", {"IZ0ABCDE"}, 0},
        {"<CALL:6>F1AA" + qso + "<EOR>", {"F1AA"}, 0},
        {"<CALL:4:S>F1AA X" + qso + "<EOR>", {"F1AA"}, 0},
        {"<CALL:3:S>F1AA X" + qso + "<EOR>", {"F1AA X"}, 0},
        {"<CALL:0004>F1AA X" + qso + "<EOR>", {"F1AA"}, 0},
        {"<CALL:0000000004>F1AA X" + qso + "<EOR>", {"F1AA X"}, 0},
        {qso + "<CALL:4>F1AA", {"F1AA"}, 0},
        {qso + "<CALL:4>F1\nAA X<EOR>", {"F1AA"}, 0},
        // Values upper-cased in full, controls as spaces, byte order marks dropped.
        {"<CALL:6>f1\x01"
         "a\x7f"
         "b" +
             qso + "<EOR>",
         {"F1 A B"},
         0},
        {"<CALL:2>\x01\x02" + qso + "<EOR>", {"FXXXX"}, 1},
        {"<CALL:7>\xEF\xBB\xBF"
         "F1AA" +
             qso + "<EOR>",
         {"F1AA"},
         0},
        {"<CALL:5>\xEF\xBB\xBF"
         "\x02 " +
             qso + "<EOR>",
         {"FXXXX"},
         1},
        {"<CALL:6>f1\xC3\xBC"
         "b" +
             qso + "<EOR>",
         {"F1\xC3\x9C"
          "B"},
         0},
        {"<CALL:4>f1\xFC"
         "b" +
             qso + "<EOR>",
         {"F1\xC3\x9C"
          "B"},
         0},
        {"\xEF\xBB\xBF<CALL:4>F1AA" + qso + "<EOR>", {"F1AA"}, 0},
        // C1 controls (U+0080 to U+009F), in UTF-8 or Latin-1, as one space each.
        {"<CALL:6>F1\xC2\x9B"
         "AB" +
             qso + "<EOR>",
         {"F1 AB"},
         0},
        {"<CALL:7>F1\x9B\x85"
         "AB " +
             qso + "<EOR>",
         {"F1  AB"},
         0},
        // Text after a value that fits its length, as LoTW wrote in 2015.
        {"<CALL:5>KD4LV  // comment\r\n" + qso + "<EOR>", {"KD4LV"}, 0},
        {"<CALL:5>KD4LV // comment" + qso + "<EOR>\n<CALL:6>JA1XYZ // comment\n" + qso + "<EOR>",
         {"KD4LV", "JA1XYZ"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log.toStdString());
        const AdifContents contents = parse(c.log);
        EXPECT_EQ(callsigns(contents), c.calls);
        EXPECT_EQ(contents.messages.size(), c.messages)
            << contents.messages.join(u'|').toStdString();
        for (const QByteArray& row : contents.rows) {
            EXPECT_EQ(utf8Length(row), 72);
        }
    }
}

TEST(AdifReader, EachQsoKnowsItsBytesInTheFile) {
    const QByteArray first =
        "<CALL:4>F1AA <QSO_DATE:8>20240101\n<TIME_ON:4>1200 <BAND:3>20M\n<EOR>";
    const QByteArray second = "<call:4>F2BB\r\n<QSO_DATE:8>20240102\r\n<TIME_ON:4>1300<eor>";
    const QByteArray third = "<CALL:4>F3CC\r<QSO_DATE:8>20240103\r<BAND:3>40M\r<EO\rR>";
    const QByteArray fourth = "<CALL:4>F4DD <BAND:3>20M";
    const QByteArray fifth = "<CALL:4>F5EE<BAND:3>20M <EOR>";
    const QByteArray log = "Log\r\n<ADIF_VER:5>3.1.4\n<EOH>\n\n" + first + "\r\n  " + second +
                           "\n" + third + "\r\r" + fourth + " \n" + fifth + "\n<APP_LoTW_EOF>\n";
    const QByteArray texts[] = {first, second, third, fourth, fifth};
    QTemporaryDir dir;
    AdifContents contents;
    QString error;
    ASSERT_TRUE(
        AdifReader::readFile(writeFile(dir, QStringLiteral("spans.adi"), log), contents, &error));
    ASSERT_EQ(contents.log.count(), 5);
    for (int i = 0; i < 5; ++i) {
        const QsoRecord& record = contents.log.at(i);
        EXPECT_EQ(log.mid(record.fileOffset(), record.fileLength()), texts[i]) << i;
    }

    // A UTF-16 log: offsets and lengths in its own bytes, two per character.
    const auto utf16 = [](const QString& text) {
        return QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    };
    const QString record = QStringLiteral("<CALL:4>F\u00DC1A<EOR>");
    const QByteArray wideLog =
        QByteArray("\xFF\xFE", 2) +
        utf16(QStringLiteral("<EOH>\r\n") + record + QStringLiteral("\r\n") + record);
    AdifContents wide;
    AdifReader::parse(wideLog, wide);
    ASSERT_EQ(wide.log.count(), 2);
    EXPECT_EQ(wide.log.at(0).text(QsoField::Callsign), QStringLiteral("F\u00DC1A"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(wideLog.mid(wide.log.at(i).fileOffset(), wide.log.at(i).fileLength()),
                  utf16(record));
    }
}

TEST(AdifReader, ReadsLargeLogsInPiecesInFileOrder) {
    // More than one piece of the parallel reading, with a record that spans
    // the cut and messages numbered across pieces.
    QByteArray log = "<EOH>\n";
    int count = 0;
    while (log.size() < 5 * 1024 * 1024) {
        const QByteArray call = "F" + QByteArray::number(count++);
        log += "<CALL:" + QByteArray::number(call.size()) + ">" + call +
               (count % 1000 == 0 ? QByteArray() : QByteArray("<QSO_DATE:8>20240101")) +
               "<TIME_ON:4>1200<BAND:3>20M<COMMENT:40>" + QByteArray(40, 'x') + "<EOR>\n";
    }
    QTemporaryDir dir;
    AdifContents contents;
    QString error;
    ASSERT_TRUE(
        AdifReader::readFile(writeFile(dir, QStringLiteral("large.adi"), log), contents, &error));
    ASSERT_EQ(contents.log.count(), count);
    for (int i = 0; i < count; i += 997) {
        EXPECT_EQ(contents.log.at(i).text(QsoField::Callsign), QStringLiteral("F%1").arg(i));
        EXPECT_EQ(log.mid(contents.log.at(i).fileOffset(), contents.log.at(i).fileLength()).left(6),
                  "<CALL:");
    }
    ASSERT_EQ(contents.messageDetails.size(), static_cast<size_t>(count / 1000));
    EXPECT_EQ(contents.messageDetails.back().qsoNumber, count / 1000 * 1000);
    EXPECT_EQ(contents.messageDetails.back().callsign,
              QStringLiteral("F%1").arg(count / 1000 * 1000 - 1));
}

// Everything a reading hands on, one line per QSO or message.
QStringList everything(const AdifContents& contents) {
    QStringList lines;
    for (const AdifMessage& message : contents.messageDetails) {
        lines << QStringLiteral("%1 %2 %3")
                     .arg(message.qsoNumber)
                     .arg(message.callsign, message.text);
    }
    for (int i = 0; i < contents.log.count(); ++i) {
        const QsoRecord& record = contents.log.at(i);
        QString line = QStringLiteral("%1+%2 %3 |")
                           .arg(record.fileOffset())
                           .arg(record.fileLength())
                           .arg(record.frequencyMhz(), 0, 'g', 17);
        for (int field = 0; field < kQsoFieldCount; ++field) {
            line += record.text(static_cast<QsoField>(field)) + u'|';
        }
        lines << line;
    }
    return lines;
}

TEST(AdifReader, OnePassReadingOfPlainRecordsAgreesWithTheGeneralRules) {
    std::vector<QByteArray> logs;
    QDirIterator files(testDataPath(QString()), {QStringLiteral("*.adi")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        logs.push_back(readFile(files.next()));
    }
    const QByteArray plain =
        "<CALL:4>F1AA <QSO_DATE:8>20240101 <TIME_ON:4>1200 <BAND:3>20M <EOR>\n";
    // Records near the edge of the one-pass reading, each between plain ones.
    const QByteArray edges[] = {
        "<CALL:5>F2BB\r\n<FREQ:6>14.074\r\n<MODE:3>FT8\r\n<EOR>",
        "<CALL:6>F2BB\r\n<RST_SENT:4>59\r\n<EOR>",
        "<CALL:5>F2\nBB<MODE:2>CW<EOR>",
        "<CALL:3>F2BB X<MODE:2>cw<EOR>",
        "<CALL:3>F2BB\nX<MODE:2>cw<EOR>",
        "<CALL:4:S>F2BB<MODE:2:>CW<RST_SENT:2::>59<EOR>",
        "<CALL:4:>>F2B<MODE:0>CW<EOR>",
        "<CALL:0000000004>F2BB<EOR>",
        "<CALL:4>F2BB<:2>XX<EOR:1>x<EOH:1>y<MODE:2>CW<EOR>",
        "junk <CALL:4>F2BB<EOR>",
        "<CALL:4>F2BB<CALL:4>F3CC<EOR>",
        "<CALL:4>F2BB<QSL_VIA:4>F1<X<COMMENT:3>a<b<EOR>",
        "<CALL:4>F2BB<MODE:2>CW<MODE:3>SSB<C\nOMMENT:1>x<EO\nR>",
        "<CALL:4>F2BB<FREQ:7>+14,074<BAND:2>2m<FREQ:4>1e10<EOR>",
        "<CALL:4>F2BB<FREQ:18>14.074000000000001<EOR>",
        "<CALL:4>F2BB<BAND:1> <EOR><CALL:4>F3CC<BAND:1> <EOR>",
        "<CALL:4>F2BB<BAND:4<CALL:4>F3CC<BAND:4",
        "<CALL:4>F2BB<FREQ:2>5.<EOR><CALL:4>F3CC<FREQ:2>.5<EOR><CALL:4>F4DD<FREQ:1>.<EOR>",
        "<CALL:4>F2BB<QSO_DATE:8>2024\xC3\xA9"
        "101<TIME_ON:3>12\xFC<EOR>",
        "<CALL:4>F2BB<COMMENT:20>no tag ends this one",
        "<call:4>f2bb<qso_date:8>20240101<time_on:6>120000<Rst_Sent:3>5nn<EOR>",
    };
    for (const QByteArray& edge : edges) {
        logs.push_back("<EOH>" + plain + edge + "\n" + plain + plain);
        logs.push_back(plain + edge);
    }
    for (const QByteArray& log : logs) {
        SCOPED_TRACE(log.left(200).toStdString());
        AdifContents general;
        AdifReader::parseByGeneralRules(log, general);
        EXPECT_EQ(everything(parse(log)), everything(general));
    }
}

}  // namespace
