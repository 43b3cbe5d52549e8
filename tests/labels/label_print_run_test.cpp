#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>

#include "labels/label_composer.h"
#include "labels/label_fitting.h"
#include "labels/label_groups.h"
#include "labels/label_print_run.h"
#include "labels/sheet_profile.h"
#include "labels/sheet_table.h"
#include "log/qso_row.h"
#include "printing/dump_surface.h"
#include "selection/row_list.h"
#include "support/memory_stream.h"
#include "support/qso_rows.h"
#include "support/sample_options.h"

namespace {

struct Printed {
    LabelPrintRun::Outcome outcome;
    QStringList lines;
    QStringList prompts;
    QString fontName;
    float fontSize;
};

Printed printLabels(const LabelOptions& options, int rows, std::vector<bool> answers = {},
                    const LabelPrintRun::SheetDone& sheetDone = {}) {
    MemoryStream stream;
    DumpSurface surface(stream.file());
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(12.5f);
    Printed printed;
    LabelPrintRun run(options, surface, [&](const QString& prompt) {
        printed.prompts.append(prompt);
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.erase(answers.begin());
        }
        return answer;
    });
    run.setSheetDone(sheetDone);
    TestPrintList list;
    fillPrintList(list, rows, 10);
    printed.outcome = run.run(list);
    printed.lines = stream.lines();
    printed.fontName = surface.fontName();
    printed.fontSize = surface.fontSize();
    return printed;
}

int countOf(const QStringList& lines, const QString& line) {
    return static_cast<int>(lines.count(line));
}

LabelOptions format(int index, int type = LabelOptions::kQsoLabel) {
    LabelOptions options;
    options.station = QStringLiteral("F9XQA");
    options.format = index;
    options.type = type;
    return options;
}

TEST(SheetProfile, HeadLinesFollowTheOffsetText) {
    const LabelLayout& qso12 = SheetProfile::tuned(1)->qso;
    EXPECT_EQ(qso12.headLines(QStringLiteral("0")), (std::vector<float>{10, 10, 8}));
    EXPECT_EQ(qso12.headLines(QStringLiteral("-0,5")), (std::vector<float>{10, 5, 8}));
    EXPECT_EQ(qso12.headLines(QStringLiteral("2")), std::vector<float>{});
    EXPECT_EQ(SheetProfile::tuned(2)->activation.headLines(QStringLiteral("+0,5")),
              (std::vector<float>{10, 10, 10, 5}));
    EXPECT_EQ(SheetProfile::tuned(4)->qso.headLines(QStringLiteral("+1")),
              (std::vector<float>{10, 10, 10, 8, 11}));
    EXPECT_EQ(SheetProfile::tuned(4)->activation.headLines(QStringLiteral("-1")),
              (std::vector<float>{10, 10, 11}));
    EXPECT_EQ(SheetProfile::tuned(3)->qso.headLines(QStringLiteral("+1")), std::vector<float>{});
    EXPECT_EQ(SheetProfile::tuned(6)->qso.headLines(QStringLiteral("+1")),
              (std::vector<float>{10, 10}));
    EXPECT_EQ(SheetProfile::tuned(6)->activation.headLines(QStringLiteral("0")),
              std::vector<float>{});
    EXPECT_EQ(SheetTable::tuned(4)->rows, 7);
    EXPECT_EQ(SheetProfile::tuned(3)->prompt,
              QString(15, QLatin1Char(' ')) + QStringLiteral("Page suivante ?"));
    EXPECT_EQ(SheetTable::tuned(5), nullptr);
    // The format 6 QSO label has no comment line.
    for (const ProfileLine& entry : SheetProfile::tuned(6)->qso.body) {
        EXPECT_NE(entry.line, LabelLine::Comment);
    }
}

TEST(LabelPrintRun, SixteenRowsFillOneSheetAndDiscardTheEmptyJob) {
    const Printed printed = printLabels(format(1), 16);
    EXPECT_EQ(printed.outcome, LabelPrintRun::Outcome::Completed);
    EXPECT_EQ(countOf(printed.lines, QStringLiteral("end")), 1);
    EXPECT_EQ(printed.lines.last(), QStringLiteral("discard"));
    EXPECT_EQ(printed.lines.at(printed.lines.size() - 2), QStringLiteral("end"));
    // Head lines 10, 10, 8 before the first row; one 10-point gap between rows;
    // no gap after the eighth row.
    EXPECT_EQ(printed.lines.mid(0, 4),
              QStringList({QStringLiteral("line 10 0 ||"), QStringLiteral("line 10 0 ||"),
                           QStringLiteral("line 8 0 ||"), printed.lines.at(3)}));
    EXPECT_TRUE(printed.lines.at(3).startsWith(QStringLiteral("line 15 1 |")));
    EXPECT_EQ(countOf(printed.lines, QStringLiteral("line 10 0 ||")), 2 + 7);
    EXPECT_TRUE(
        printed.lines.at(printed.lines.size() - 3).startsWith(QStringLiteral("line 11 1 |")));
    EXPECT_EQ(printed.fontName, QStringLiteral("Arial"));
    EXPECT_FLOAT_EQ(printed.fontSize, 12.5f);
}

TEST(LabelPrintRun, SeventeenRowsEndThePartlyFilledSheet) {
    const Printed printed = printLabels(format(1), 17);
    EXPECT_EQ(countOf(printed.lines, QStringLiteral("end")), 2);
    EXPECT_EQ(countOf(printed.lines, QStringLiteral("discard")), 0);
    EXPECT_EQ(printed.lines.last(), QStringLiteral("end"));
    // The second sheet starts with head lines; its right label comes from an empty row.
    const qsizetype firstEnd = printed.lines.indexOf(QStringLiteral("end"));
    EXPECT_EQ(printed.lines.at(firstEnd + 1), QStringLiteral("line 10 0 ||"));
    const QString address = printed.lines.at(firstEnd + 4);
    EXPECT_TRUE(address.contains(QStringLiteral("Pour F26ABC")));
    EXPECT_TRUE(address.endsWith(QStringLiteral("Pour  |")));
    const QString date = printed.lines.at(firstEnd + 6);
    EXPECT_TRUE(date.endsWith(QStringLiteral("Date    Time  UTC|")));
}

TEST(LabelPrintRun, FormatFourHoldsSevenRowsPerSheet) {
    const Printed printed = printLabels(format(4), 15);
    EXPECT_EQ(countOf(printed.lines, QStringLiteral("end")), 2);
    const qsizetype firstEnd = printed.lines.indexOf(QStringLiteral("end"));
    const QStringList sheet = printed.lines.mid(0, firstEnd);
    EXPECT_EQ(sheet.filter(QStringLiteral("line 15 1 |")).size(), 7);
    // Head lines 10, 10, 8, 11 again at the top of the second sheet.
    EXPECT_EQ(printed.lines.mid(firstEnd + 1, 4),
              QStringList({QStringLiteral("line 10 0 ||"), QStringLiteral("line 10 0 ||"),
                           QStringLiteral("line 8 0 ||"), QStringLiteral("line 11 0 ||")}));
    EXPECT_EQ(countOf(sheet, QStringLiteral("line 21 0 ||")), 6);
}

TEST(LabelPrintRun, StopsAtEachSheetWhenAsked) {
    LabelOptions options = format(4);
    options.stopEachSheet = true;
    const Printed yes = printLabels(options, 30, {true, true});
    EXPECT_EQ(yes.prompts,
              QStringList({QStringLiteral("Page suivante ?"), QStringLiteral("Page suivante ?")}));
    EXPECT_EQ(yes.outcome, LabelPrintRun::Outcome::Completed);
    EXPECT_EQ(countOf(yes.lines, QStringLiteral("end")), 3);
    // After Yes the next sheet starts like the first: head lines, no row gap.
    const qsizetype firstEnd = yes.lines.indexOf(QStringLiteral("end"));
    EXPECT_EQ(yes.lines.at(firstEnd - 1).left(11), QStringLiteral("line 11 1 |"));
    EXPECT_EQ(yes.lines.at(firstEnd + 1), QStringLiteral("line 10 0 ||"));

    const Printed no = printLabels(options, 30, {false});
    EXPECT_EQ(no.outcome, LabelPrintRun::Outcome::StoppedByOperator);
    EXPECT_EQ(no.prompts.size(), 1);
    EXPECT_EQ(countOf(no.lines, QStringLiteral("end")), 1);  // the sheet just printed comes out
    EXPECT_EQ(no.lines.last(), QStringLiteral("end"));
    EXPECT_EQ(no.lines.filter(QStringLiteral("line 15 1 |")).size(), 7);
    EXPECT_EQ(no.fontName, QStringLiteral("Arial"));

    options.format = 3;
    const Printed indented = printLabels(options, 16, {true});
    EXPECT_EQ(indented.prompts,
              QStringList{QString(15, QLatin1Char(' ')) + QStringLiteral("Page suivante ?")});
}

TEST(LabelPrintRun, ReportsEachSheetAndStopsAfterTheCurrentOne) {
    EXPECT_EQ(LabelPrintRun::sheetCount(*SheetTable::tuned(1), 40), 3);
    EXPECT_EQ(LabelPrintRun::sheetCount(*SheetTable::tuned(4), 15), 2);
    EXPECT_EQ(LabelPrintRun::sheetCount(*SheetTable::tuned(1), 0), 0);
    std::vector<int> reported;
    const Printed stopped = printLabels(format(1), 40, {}, [&](int sheets) {
        reported.push_back(sheets);
        return sheets < 1;
    });
    EXPECT_EQ(stopped.outcome, LabelPrintRun::Outcome::StoppedByOperator);
    EXPECT_EQ(reported, std::vector<int>{1});
    EXPECT_EQ(countOf(stopped.lines, QStringLiteral("end")), 1);
    EXPECT_EQ(stopped.lines.filter(QStringLiteral("Pour F")).size(), 8);
}

TEST(LabelPrintRun, PrintsActivationLabelsAndFormatSix) {
    const Printed activation = printLabels(format(2, LabelOptions::kActivationLabel), 2);
    EXPECT_EQ(activation.lines.mid(0, 3),
              QStringList({QStringLiteral("line 10 0 ||"), QStringLiteral("line 10 0 ||"),
                           QStringLiteral("line 10 0 ||")}));
    EXPECT_TRUE(activation.lines.at(3).contains(QStringLiteral("De F9XQA  pour F10ABC")));
    EXPECT_EQ(activation.lines.at(activation.lines.size() - 2), QStringLiteral("line 13 0 ||"));

    const Printed six = printLabels(format(6), 2);
    EXPECT_EQ(six.lines.mid(0, 2),
              QStringList({QStringLiteral("line 10 0 ||"), QStringLiteral("line 10 0 ||")}));
    EXPECT_EQ(six.lines.filter(QStringLiteral("line 11 ")).size(),
              4);  // date, band, station, thanks

    const Printed none = printLabels(format(1), 0);
    EXPECT_EQ(none.lines, QStringList{QStringLiteral("discard")});
    EXPECT_EQ(none.outcome, LabelPrintRun::Outcome::Completed);

    const Printed cards = printLabels(format(5), 2);
    EXPECT_EQ(cards.outcome, LabelPrintRun::Outcome::Failed);
    EXPECT_TRUE(cards.lines.isEmpty());
}

// Starting at label 6 of a two-across sheet: rows one and two and the left
// label of row three stay blank, without their fixed words; the head lines
// and the sheet's end do not move.
TEST(LabelPrintRun, StartsFurtherDownAUsedSheet) {
    LabelOptions options = format(1);
    const Printed plain = printLabels(options, 16);
    options.firstLabel = 6;
    const Printed used = printLabels(options, 11);
    ASSERT_EQ(used.outcome, LabelPrintRun::Outcome::Completed);
    EXPECT_EQ(used.lines.mid(0, 3), plain.lines.mid(0, 3));
    EXPECT_EQ(used.lines.size(), plain.lines.size());
    const qsizetype row = 7 + 1;  // body lines and the row gap
    for (qsizetype line = 3; line < 3 + 2 * row; ++line) {
        EXPECT_TRUE(used.lines.at(line).endsWith(QStringLiteral(" ||"))) << line;
    }
    const QString address = used.lines.at(3 + 2 * row);
    EXPECT_TRUE(address.contains(QStringLiteral("|     ")));
    EXPECT_TRUE(address.contains(QStringLiteral("Pour F10ABC")));
    EXPECT_FALSE(address.contains(QStringLiteral("Pour  ")));
    // The right label keeps its place: the left label's width in blanks.
    const qsizetype rightStart = address.indexOf(QStringLiteral("Pour"));
    const qsizetype plainRight = plain.lines.at(3 + 2 * row).lastIndexOf(QStringLiteral("Pour"));
    EXPECT_EQ(rightStart, plainRight);
    EXPECT_EQ(countOf(used.lines, QStringLiteral("end")), 1);

    options.format = 4;
    options.firstLabel = 15;
    const Printed beyond = printLabels(options, 3);
    EXPECT_EQ(beyond.outcome, LabelPrintRun::Outcome::Failed);
    EXPECT_TRUE(beyond.lines.isEmpty());
    EXPECT_EQ(LabelPrintRun::firstLabelProblem(0, *SheetTable::tuned(4)),
              QStringLiteral("Première étiquette : un nombre de 1 à 14 est attendu."));
    EXPECT_EQ(LabelPrintRun::sheetCount(*SheetTable::tuned(4), 1, 14), 1);
    EXPECT_EQ(LabelPrintRun::sheetCount(*SheetTable::tuned(4), 2, 14), 2);
}

// A station is its callsign and its QSL manager: its QSOs share labels at the
// place of its first QSO, as many as a label holds, the rest on the next one.
TEST(LabelPrintRun, GroupsAStationsQsosOnSharedLabels) {
    TestPrintList list;
    for (int i = 0; i < 7; ++i) {
        list.add(qsoValues("F5ABC", "", "14 Mhz", "CW", "599", i < 4 ? "01/01/25" : "02/01/25"));
        if (i < 3) {
            list.add("DL1AA", "F9XQC");
        }
        if (i == 1) {
            list.add("dl1aa");
            list.add("G4ABC");
        }
    }
    QStringList labels;
    for (const QsoRecords& qsos : LabelGroups::labels(list, 4)) {
        labels.append(LabelFields::fromRecord(qsos.front()).callsign + QLatin1Char(' ') +
                      QString::number(qsos.size()));
    }
    // Whatever the print-list order, each station's labels follow each other.
    labels.removeDuplicates();
    const qsizetype f5abc = labels.indexOf(QStringLiteral("F5ABC 4"));
    ASSERT_GE(f5abc, 0);
    EXPECT_EQ(labels.value(f5abc + 1), QStringLiteral("F5ABC 3"));
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, QStringList({QStringLiteral("DL1AA 3"), QStringLiteral("F5ABC 3"),
                                   QStringLiteral("F5ABC 4"), QStringLiteral("G4ABC 1"),
                                   QStringLiteral("dl1aa 1")}));
    EXPECT_EQ(LabelGroups::labels(list, 1).size(), 12u);
    // Whole values: QSL vias alike in their first 12 characters are two stations.
    TestPrintList routes;
    routes.add("LY2AB", "QSL VIA LY5CA EQSL");
    routes.add("LY2AB", "QSL VIA LY5CB");
    routes.add("LY2AB", "QSL VIA LY5CA EQSL");
    EXPECT_EQ(LabelGroups::labels(routes, 4).size(), 2u);
    LabelOptions grouping = format(1);
    grouping.group = true;
    EXPECT_EQ(LabelPrintRun::labelCount(grouping, *SheetTable::tuned(1), list), 5);
    grouping.group = false;
    EXPECT_EQ(LabelPrintRun::labelCount(grouping, *SheetTable::tuned(1), list), 12);

    // On a format 1 label: the address, a heading, four QSO lines, the thanks.
    MemoryStream stream;
    DumpSurface surface(stream.file());
    LabelOptions options = format(1);
    options.group = true;
    options.french = false;
    LabelPrintRun run(options, surface, nullptr);
    TestPrintList station;
    for (int i = 0; i < 5; ++i) {
        station.add(qsoValues("F5ABC", "F9XQC", "14 Mhz", "CW", "599"));
    }
    ASSERT_EQ(run.run(station), LabelPrintRun::Outcome::Completed);
    const QStringList lines = stream.lines();
    EXPECT_TRUE(lines.at(3).contains(QStringLiteral("To F5ABC  Via F9XQC")));
    EXPECT_EQ(lines.at(3).count(QStringLiteral("To F5ABC")), 2);  // the fifth QSO goes on
    EXPECT_TRUE(lines.at(4).startsWith(QStringLiteral("line 8 0 |")));
    EXPECT_TRUE(
        lines.at(4).contains(QRegularExpression(QStringLiteral("Date +UTC +Band +Mode +RST"))));
    for (int line = 5; line < 9; ++line) {
        EXPECT_TRUE(lines.at(line).contains(QRegularExpression(
            QStringLiteral("^line 11 0 \\| +31/01/09 07:51  14 Mhz   CW      599 "))))
            << lines.at(line).toStdString();
    }
    EXPECT_TRUE(lines.at(9).contains(QStringLiteral("Tnx for the QSO  Pse QSL")));
}

TEST(LabelOptions, TransceiverAndAntennaAreCheckedBeforePrinting) {
    LabelOptions options;
    options.transceiver = QString(15, QLatin1Char('T'));
    options.antenna = QString(15, QLatin1Char('A'));
    EXPECT_EQ(options.lengthProblem(), QString());
    options.antenna += QLatin1Char('A');
    EXPECT_EQ(options.lengthProblem(), QStringLiteral("15 caracteres maxi pour l'antenne"));
    options.transceiver += QLatin1Char(' ');  // as typed: blanks count
    EXPECT_EQ(options.lengthProblem(), QStringLiteral("15 caracteres maxi pour le TX"));
}

}  // namespace

namespace {

QStringList textsOf(const LabelFitting::Fitted& fitted) {
    QStringList texts;
    for (const LabelFitting::Line& line : fitted.lines) {
        texts.append(line.text);
    }
    return texts;
}

// Labels too small for their lines at 7 points: lines too wide are broken
// between values, then the comment and the TX/antenna line are left out.
TEST(LabelFitting, SmallLabelsBreakLinesThenLeaveOutCommentAndStation) {
    LabelOptions options = sampleLabelOptions();
    options.station = QStringLiteral("F9XQC/P");
    LabelFields fields;
    fields.callsign = QStringLiteral("F5ABC");
    fields.date = QStringLiteral("31/01/09");
    fields.time = QStringLiteral("07:51");
    fields.band = QStringLiteral("144 Mhz");
    fields.mode = QStringLiteral("SSB");
    fields.rst = QStringLiteral("59");
    fields.via = QStringLiteral("F9XQC");

    const LabelFitting::Fitted roomy = LabelFitting(options, QSizeF(99, 38)).fit(fields);
    EXPECT_EQ(roomy.lines.size(), 6u);
    EXPECT_FALSE(roomy.shortened);
    EXPECT_GT(roomy.size, 7.0f);

    const LabelFitting::Fitted small = LabelFitting(options, QSizeF(50, 18)).fit(fields);
    EXPECT_EQ(textsOf(small), (QStringList{QStringLiteral("Pour F5ABC  Via F9XQC"),
                                           QStringLiteral("Date 31/01/09  Time 07:51 UTC"),
                                           QStringLiteral("Bande 144 Mhz  Mode SSB  RST 59"),
                                           QStringLiteral("Merci pour le QSO Pse QSL")}));
    EXPECT_TRUE(small.shortened);
    EXPECT_EQ(small.size, 7.0f);

    options.type = LabelOptions::kActivationLabel;
    const LabelFitting::Fitted activation = LabelFitting(options, QSizeF(60, 30)).fit(fields);
    const QStringList texts = textsOf(activation);
    EXPECT_TRUE(texts.contains(QStringLiteral("31/01/09 07:51 TU  QRG 144 Mhz  SSB")));
    EXPECT_TRUE(texts.contains(QStringLiteral("RST 59")));
    EXPECT_FALSE(activation.shortened);
    for (const QString& text : texts) {
        EXPECT_LE(LabelFitting::widthMillimetres(text, activation.size), 57.0)
            << text.toStdString();
    }
}

}  // namespace

namespace {

// The text a fitted run places on `sheet`: each line's left, top, right and
// bottom edges (millimetres from the paper's corner).
std::vector<QRectF> fittedTextBoxes(const LabelSheet& sheet, const QMarginsF* unprintable) {
    MemoryStream stream;
    DumpSurface surface(stream.file());
    LabelOptions options = format(1);
    options.comment = QStringLiteral("Merci pour ce beau QSO");
    LabelPrintRun run(options, surface, nullptr);
    run.useSheet(sheet);
    if (unprintable != nullptr) {
        run.setUnprintable(*unprintable);
    }
    TestPrintList list;
    fillPrintList(list, sheet.labelsPerSheet(), 10);
    EXPECT_EQ(run.run(list), LabelPrintRun::Outcome::Completed);
    const QRegularExpression line(QStringLiteral("^text (\\S+) (\\S+) (\\S+) \\d \\|(.*)\\|$"));
    std::vector<QRectF> boxes;
    for (const QString& text : stream.lines()) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch()) {
            const float size = match.captured(3).toFloat();
            boxes.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble(),
                               LabelFitting::widthMillimetres(match.captured(4), size),
                               LabelFitting::lineAdvanceMillimetres(size));
        }
    }
    return boxes;
}

}  // namespace

// Fitted text keeps inside what the printer reaches: 4 mm from every edge when
// the printer does not say, its own margins when it does, on the sheets whose
// labels go to the paper's edge.
TEST(LabelPrintRun, FittedTextStaysWhereThePrinterReaches) {
    const QMarginsF wide(6.5, 5, 7, 9);
    struct Case {
        const char* sheet;
        const QMarginsF* given;
        QMarginsF expected;
    };
    for (const Case& step :
         {Case{"3474", nullptr, QMarginsF(4, 4, 4, 4)},
          Case{"3422", nullptr, QMarginsF(4, 4, 4, 4)}, Case{"3474", &wide, wide}}) {
        SCOPED_TRACE(step.sheet);
        const auto& sheets = SheetTable::builtIn();
        const auto sheet = std::find_if(sheets.begin(), sheets.end(), [&](const LabelSheet& s) {
            return s.name == QLatin1String(step.sheet);
        });
        ASSERT_NE(sheet, sheets.end());
        const QRectF reach = QRectF(QPointF(), sheet->paperSize()).marginsRemoved(step.expected);
        const std::vector<QRectF> boxes = fittedTextBoxes(*sheet, step.given);
        ASSERT_GT(boxes.size(), 100U);
        double leftmost = sheet->paperSize().width();
        for (const QRectF& box : boxes) {
            EXPECT_TRUE(reach.adjusted(-0.001, -0.001, 0.001, 0.001).contains(box))
                << box.left() << " " << box.top() << " " << box.right() << " " << box.bottom();
            leftmost = std::min(leftmost, box.left());
        }
        EXPECT_LT(leftmost, step.expected.left() + 3);  // the edge labels are not left empty
    }
}
