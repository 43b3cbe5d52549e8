#include <gtest/gtest.h>

#include "printing/dump_surface.h"
#include "qslcard/card_layout.h"
#include "qslcard/card_print_run.h"
#include "selection/row_list.h"
#include "startup/qso_row.h"
#include "support/memory_stream.h"
#include "support/qso_rows.h"

namespace {

void addQso(RowList& list, const char* callsign, const char* via) {
    list.add(qsoRow(callsign, via, "7.0 Mhz"));
}

Modele_QSL cardTemplate() {
    Modele_QSL model = Modele_QSL::editorDefaults();
    model.MG = QStringLiteral("3");
    model.MH = QStringLiteral("5");
    const char* const g[] = {"20", "60", "20", "60", "20", "50", "70", "0", "20", "0"};
    const char* const h[] = {"20", "20", "35", "35", "50", "50", "50", "0", "80", "0"};
    for (size_t i = 0; i < 10; ++i) {
        model.G[i] = QString::fromLatin1(g[i]);
        model.H[i] = QString::fromLatin1(h[i]);
    }
    model.P[0] = QStringLiteral("14");
    model.P[8] = QStringLiteral("9,5");
    const char* const t[] = {"Indicatif", "via", "Date", "Heure", "Bande", "Mode", "RST"};
    for (size_t i = 0; i < 7; ++i) {
        model.T[i] = QString::fromLatin1(t[i]);
    }
    model.T[8] = QStringLiteral("Tnx QSO 73");
    return model;
}

QStringList printCards(const Modele_QSL& model, const RowList& rows, bool* done = nullptr) {
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
    RowList rows(RowList::Order::Sorted);
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
    Modele_QSL model = cardTemplate();
    model.Check1 = model.Check2 = model.Check3 = true;
    model.T[0].clear();
    RowList rows(RowList::Order::Sorted);
    addQso(rows, "F9XQB", "F9XQC");
    const QStringList lines = printCards(model, rows);
    EXPECT_EQ(lines, QStringList({QStringLiteral("text 17 15 14 1 | F9XQB via F9XQC|"),
                                  QStringLiteral("text 17 30 10 0 |Date 31/01/09 Heure 07:51|"),
                                  QStringLiteral("text 17 45 10 0 |Bande 7.0 Mhz Mode SSB RST 59|"),
                                  QStringLiteral("text 17 75 9.5 0 |Tnx QSO 73|"),
                                  QStringLiteral("end")}));
}

TEST(CardPrintRun, LineTwoNeedsBothCoordinatesOtherLinesPrintAnywhere) {
    Modele_QSL model = cardTemplate();
    model.G[1] = model.MG;  // x2 = 0
    model.G[3] = model.H[3] = QStringLiteral("0");
    RowList rows(RowList::Order::Sorted);
    addQso(rows, "F9XQB", "F9XQC");
    const QStringList lines = printCards(model, rows);
    EXPECT_TRUE(lines.filter(QStringLiteral("via")).isEmpty());
    EXPECT_TRUE(lines.contains(QStringLiteral("text -3 -5 10 0 |Heure 07:51|")));

    RowList none(RowList::Order::Sorted);
    EXPECT_TRUE(printCards(model, none).isEmpty());
}

TEST(CardLayout, ReportsFieldsThatAreNoNumbers) {
    Modele_QSL model = cardTemplate();
    QString problem;
    model.P[2] = QStringLiteral("dix");
    EXPECT_FALSE(CardLayout::from(model, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("P3"))) << problem.toStdString();
    model.P[2] = QStringLiteral("10");
    model.MH.clear();
    EXPECT_FALSE(CardLayout::from(model, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("MH")));
    model.MH = QStringLiteral("2,5");
    model.P[4] = QStringLiteral("0");
    EXPECT_FALSE(CardLayout::from(model, &problem));
    model.P[4] = QStringLiteral("12.5");
    const std::optional<CardLayout> layout = CardLayout::from(model, &problem);
    ASSERT_TRUE(layout);
    EXPECT_DOUBLE_EQ(layout->y[0], 17.5);
    EXPECT_FLOAT_EQ(layout->size[4], 12.5f);

    EXPECT_TRUE(CardPrintRun::hasQslExtension(QStringLiteral("/tmp/carte.qsl")));
    EXPECT_TRUE(CardPrintRun::hasQslExtension(QStringLiteral("/tmp/carteqsl")));
    EXPECT_FALSE(CardPrintRun::hasQslExtension(QStringLiteral("/tmp/carte.QSL")));
}

}  // namespace
