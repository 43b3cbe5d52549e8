#include <gtest/gtest.h>

#include "cards/card_layout.h"
#include "cards/card_print_run.h"
#include "log/qso_row.h"
#include "printing/dump_surface.h"
#include "selection/row_list.h"
#include "support/memory_stream.h"
#include "support/qso_rows.h"

namespace {

void addQso(TestPrintList& list, const char* callsign, const char* via) {
    list.add(callsign, via, "7.0 Mhz");
}

QslTemplate cardTemplate() {
    QslTemplate model = QslTemplate::editorDefaults();
    model.marginLeft = QStringLiteral("3");
    model.marginTop = QStringLiteral("5");
    const char* const g[] = {"20", "60", "20", "60", "20", "50", "70", "0", "20", "0"};
    const char* const h[] = {"20", "20", "35", "35", "50", "50", "50", "0", "80", "0"};
    for (size_t i = 0; i < 10; ++i) {
        model.left[i] = QString::fromLatin1(g[i]);
        model.top[i] = QString::fromLatin1(h[i]);
    }
    model.size[0] = QStringLiteral("14");
    model.size[8] = QStringLiteral("9,5");
    const char* const t[] = {"Indicatif", "via", "Date", "Heure", "Bande", "Mode", "RST"};
    for (size_t i = 0; i < 7; ++i) {
        model.text[i] = QString::fromLatin1(t[i]);
    }
    model.text[8] = QStringLiteral("Tnx QSO 73");
    return model;
}

QStringList printCards(const QslTemplate& model, const TestPrintList& rows, bool* done = nullptr) {
    QString problem;
    const std::optional<CardLayout> layout = CardLayout::from(model, &problem);
    EXPECT_TRUE(layout.has_value()) << problem.toStdString();
    MemoryStream stream;
    DumpSurface surface(stream.file());
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(11);
    CardPrintRun run(model, *layout, surface);
    const bool result = run.run(rows);
    if (done != nullptr) {
        *done = result;
    }
    EXPECT_EQ(surface.fontName(), QStringLiteral("Arial"));
    EXPECT_FLOAT_EQ(surface.fontSize(), 11);
    return stream.lines();
}

TEST(CardPrintRun, PrintsOneCardPerRowAtTheTemplatePositions) {
    TestPrintList rows;
    addQso(rows, "F9XQB", "F9XQC");
    addQso(rows, "DL1AA", "");
    addQso(rows, "EA8ABC", "");
    const QStringList lines = printCards(cardTemplate(), rows);
    EXPECT_EQ(lines.count(QStringLiteral("end")), 3);
    EXPECT_EQ(lines.mid(0, 9), QStringList({QStringLiteral("text 17 15 14 1 |Indicatif DL1AA|"),
                                            QStringLiteral("text 57 15 10 0 |via |"),
                                            QStringLiteral("text 17 30 10 0 |Date 31/01/09|"),
                                            QStringLiteral("text 57 30 10 0 |Heure 07:51|"),
                                            QStringLiteral("text 17 45 10 0 |Bande 7.0 Mhz|"),
                                            QStringLiteral("text 47 45 10 0 |Mode SSB|"),
                                            QStringLiteral("text 67 45 10 0 |RST 59|"),
                                            QStringLiteral("text 17 75 9.5 0 |Tnx QSO 73|"),
                                            QStringLiteral("end")}));
    EXPECT_TRUE(lines.contains(QStringLiteral("text 57 15 10 0 |via F9XQC|")));
}

TEST(CardPrintRun, JoinsLinesWhenTheFlagsAreSet) {
    QslTemplate model = cardTemplate();
    model.joinLine2 = model.joinLine4 = model.joinLines6And7 = true;
    model.text[0].clear();
    TestPrintList rows;
    addQso(rows, "F9XQB", "F9XQC");
    const QStringList lines = printCards(model, rows);
    EXPECT_EQ(lines, QStringList({QStringLiteral("text 17 15 14 1 | F9XQB via F9XQC|"),
                                  QStringLiteral("text 17 30 10 0 |Date 31/01/09 Heure 07:51|"),
                                  QStringLiteral("text 17 45 10 0 |Bande 7.0 Mhz Mode SSB RST 59|"),
                                  QStringLiteral("text 17 75 9.5 0 |Tnx QSO 73|"),
                                  QStringLiteral("end")}));
}

TEST(CardPrintRun, LineTwoNeedsBothCoordinatesOtherLinesPrintAnywhere) {
    QslTemplate model = cardTemplate();
    model.left[1] = model.marginLeft;  // x2 = 0
    model.left[3] = model.top[3] = QStringLiteral("0");
    TestPrintList rows;
    addQso(rows, "F9XQB", "F9XQC");
    const QStringList lines = printCards(model, rows);
    EXPECT_TRUE(lines.filter(QStringLiteral("via")).isEmpty());
    EXPECT_TRUE(lines.contains(QStringLiteral("text -3 -5 10 0 |Heure 07:51|")));

    TestPrintList none;
    EXPECT_TRUE(printCards(model, none).isEmpty());
}

TEST(CardLayout, ReportsFieldsThatAreNoNumbers) {
    QslTemplate model = cardTemplate();
    QString problem;
    model.size[2] = QStringLiteral("dix");
    EXPECT_FALSE(CardLayout::from(model, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("P3"))) << problem.toStdString();
    model.size[2] = QStringLiteral("10");
    model.marginTop.clear();
    EXPECT_FALSE(CardLayout::from(model, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("MH")));
    model.marginTop = QStringLiteral("2,5");
    model.size[4] = QStringLiteral("0");
    EXPECT_FALSE(CardLayout::from(model, &problem));
    model.size[4] = QStringLiteral("12.5");
    const std::optional<CardLayout> layout = CardLayout::from(model, &problem);
    ASSERT_TRUE(layout);
    EXPECT_DOUBLE_EQ(layout->y[0], 17.5);
    EXPECT_FLOAT_EQ(layout->size[4], 12.5f);

    EXPECT_TRUE(CardPrintRun::hasQslExtension(QStringLiteral("/tmp/carte.qsl")));
    EXPECT_TRUE(CardPrintRun::hasQslExtension(QStringLiteral("/tmp/carteqsl")));
    EXPECT_FALSE(CardPrintRun::hasQslExtension(QStringLiteral("/tmp/carte.QSL")));
}

}  // namespace
