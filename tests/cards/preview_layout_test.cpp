#include <gtest/gtest.h>

#include "cards/preview_layout.h"

namespace {

const std::array<QString, 7> kSamples = {QStringLiteral("F9XQB"),    QStringLiteral("F9XQC"),
                                         QStringLiteral("31/01/09"), QStringLiteral("07:51"),
                                         QStringLiteral("7.0 Mhz"),  QStringLiteral("SSB"),
                                         QStringLiteral("59")};

TEST(PreviewLayout, DefaultsPutTheFirstLineOfEachGroupAtTheTopLeft) {
    const PreviewLayout layout(QslTemplate::editorDefaults(), kSamples);
    for (const int line : {1, 3, 5}) {
        EXPECT_TRUE(layout.line(line).placed) << line;
        EXPECT_EQ(layout.line(line).left, 0);
        EXPECT_EQ(layout.line(line).top, 0);
    }
    EXPECT_EQ(layout.line(1).text, QStringLiteral(" F9XQB"));
    EXPECT_EQ(layout.line(3).text, QStringLiteral(" 31/01/09"));
    EXPECT_EQ(layout.line(5).text, QStringLiteral(" 7.0 Mhz"));
    EXPECT_TRUE(layout.line(1).bold);
    EXPECT_FALSE(layout.line(3).bold);
    for (const int line : {2, 4, 6, 7, 8, 9, 10}) {
        EXPECT_FALSE(layout.line(line).placed) << line;
    }
    EXPECT_TRUE(layout.badFields().isEmpty());

    // With a QSO table, as in print, a line at 0 and 0 is a line not in use.
    QslTemplate table = QslTemplate::editorDefaults();
    table.design.columns.push_back(
        {QStringLiteral("10"), QStringLiteral("date"), QStringLiteral("Date")});
    const PreviewLayout withTable(table, kSamples);
    for (const int line : {1, 3, 5}) {
        EXPECT_FALSE(withTable.line(line).placed) << line;
    }
}

TEST(PreviewLayout, OtherLinesNeedBothCoordinates) {
    QslTemplate model = QslTemplate::editorDefaults();
    for (size_t i = 0; i < 10; ++i) {
        model.left[i] = QStringLiteral("0");
        model.top[i] = QStringLiteral("12");
    }
    model.size[0] = QStringLiteral("14");
    const PreviewLayout layout(model, kSamples);
    EXPECT_TRUE(layout.line(1).placed);
    EXPECT_EQ(layout.line(1).top, 12 * 52);
    EXPECT_EQ(layout.line(1).size, 14);
    EXPECT_TRUE(layout.line(3).placed);
    EXPECT_TRUE(layout.line(5).placed);
    EXPECT_FALSE(layout.line(2).placed);
    EXPECT_FALSE(layout.line(7).placed);
    EXPECT_FALSE(layout.line(9).placed);

    model.left[8] = QStringLiteral("150");
    model.text[8] = QStringLiteral("73 de F9XQA");
    const PreviewLayout free(model, kSamples);
    EXPECT_TRUE(free.line(9).placed);
    EXPECT_EQ(free.line(9).left, 7800);
    EXPECT_EQ(free.line(9).text, QStringLiteral("73 de F9XQA"));
}

TEST(PreviewLayout, JoinedLinesGoWithTheFirstOfTheirGroup) {
    QslTemplate model = QslTemplate::editorDefaults();
    model.joinLine2 = model.joinLines6And7 = true;
    model.left[5] = model.top[5] = QStringLiteral("40");  // ignored while joinLines6And7 is ticked
    model.text[4] = QStringLiteral("Bande");
    const PreviewLayout layout(model, kSamples);
    EXPECT_EQ(layout.line(1).text, QStringLiteral(" F9XQB  F9XQC"));
    EXPECT_EQ(layout.line(5).text, QStringLiteral("Bande 7.0 Mhz  SSB  59"));
    EXPECT_FALSE(layout.line(2).placed);
    EXPECT_FALSE(layout.line(6).placed);

    const std::array<QString, 7> none{};
    const PreviewLayout empty(QslTemplate::editorDefaults(), none);
    EXPECT_EQ(empty.line(3).text, QStringLiteral(" "));
}

TEST(PreviewLayout, NamesTheFieldsThatAreNoNumbers) {
    QslTemplate model = QslTemplate::editorDefaults();
    model.left[2] = QStringLiteral("abc");
    model.top[3] = QString();
    model.left[3] = QStringLiteral("5");
    model.left[4] = QStringLiteral("5,5");
    model.top[4] = QStringLiteral("7");
    model.size[4] = QStringLiteral("grand");
    const PreviewLayout layout(model, kSamples);
    EXPECT_EQ(layout.badFields(),
              QStringList({QStringLiteral("G3"), QStringLiteral("H4"), QStringLiteral("P5")}));
    EXPECT_FALSE(layout.line(3).placed);
    EXPECT_FALSE(layout.line(5).placed);
    EXPECT_TRUE(layout.line(1).placed);
}

}  // namespace
