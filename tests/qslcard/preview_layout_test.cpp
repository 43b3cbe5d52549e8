#include <gtest/gtest.h>

#include "qslcard/preview_layout.h"

namespace {

const std::array<QString, 7> kSamples = {QStringLiteral("F9XQB"),    QStringLiteral("F9XQC"),
                                         QStringLiteral("31/01/09"), QStringLiteral("07:51"),
                                         QStringLiteral("7.0 Mhz"),  QStringLiteral("SSB"),
                                         QStringLiteral("59")};

TEST(PreviewLayout, DefaultsPutTheFirstLineOfEachGroupAtTheTopLeft) {
    const PreviewLayout layout(Modele_QSL::editorDefaults(), kSamples);
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
}

TEST(PreviewLayout, OtherLinesNeedBothCoordinates) {
    Modele_QSL model = Modele_QSL::editorDefaults();
    for (size_t i = 0; i < 10; ++i) {
        model.G[i] = QStringLiteral("0");
        model.H[i] = QStringLiteral("12");
    }
    model.P[0] = QStringLiteral("14");
    const PreviewLayout layout(model, kSamples);
    EXPECT_TRUE(layout.line(1).placed);
    EXPECT_EQ(layout.line(1).top, 12 * 52);
    EXPECT_EQ(layout.line(1).size, 14);
    EXPECT_TRUE(layout.line(3).placed);
    EXPECT_TRUE(layout.line(5).placed);
    EXPECT_FALSE(layout.line(2).placed);
    EXPECT_FALSE(layout.line(7).placed);
    EXPECT_FALSE(layout.line(9).placed);

    model.G[8] = QStringLiteral("150");
    model.T[8] = QStringLiteral("73 de F9XQA");
    const PreviewLayout free(model, kSamples);
    EXPECT_TRUE(free.line(9).placed);
    EXPECT_EQ(free.line(9).left, 7800);
    EXPECT_EQ(free.line(9).text, QStringLiteral("73 de F9XQA"));
}

TEST(PreviewLayout, JoinedLinesGoWithTheFirstOfTheirGroup) {
    Modele_QSL model = Modele_QSL::editorDefaults();
    model.Check1 = model.Check3 = true;
    model.G[5] = model.H[5] = QStringLiteral("40");  // ignored while Check3 is ticked
    model.T[4] = QStringLiteral("Bande");
    const PreviewLayout layout(model, kSamples);
    EXPECT_EQ(layout.line(1).text, QStringLiteral(" F9XQB  F9XQC"));
    EXPECT_EQ(layout.line(5).text, QStringLiteral("Bande 7.0 Mhz  SSB  59"));
    EXPECT_FALSE(layout.line(2).placed);
    EXPECT_FALSE(layout.line(6).placed);

    const std::array<QString, 7> none{};
    const PreviewLayout empty(Modele_QSL::editorDefaults(), none);
    EXPECT_EQ(empty.line(3).text, QStringLiteral(" "));
}

TEST(PreviewLayout, NamesTheFieldsThatAreNoNumbers) {
    Modele_QSL model = Modele_QSL::editorDefaults();
    model.G[2] = QStringLiteral("abc");
    model.H[3] = QString();
    model.G[3] = QStringLiteral("5");
    model.G[4] = QStringLiteral("5,5");
    model.H[4] = QStringLiteral("7");
    model.P[4] = QStringLiteral("grand");
    const PreviewLayout layout(model, kSamples);
    EXPECT_EQ(layout.badFields(),
              QStringList({QStringLiteral("G3"), QStringLiteral("H4"), QStringLiteral("P5")}));
    EXPECT_FALSE(layout.line(3).placed);
    EXPECT_FALSE(layout.line(5).placed);
    EXPECT_TRUE(layout.line(1).placed);
}

}  // namespace
