#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "selection/bureau_order.h"
#include "selection/bureau_run.h"
#include "selection/no_bureau_table.h"
#include "support/qso_rows.h"
#include "support/test_files.h"

namespace {

class BureauRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto loaded = std::make_shared<CountryFile>();
        QString error;
        ASSERT_TRUE(loaded->load(testDataPath(QStringLiteral("round/cty.dat")), &error));
        countries = loaded;
    }

    std::shared_ptr<const BureauOrder> orderWith(const NoBureauTable& table) const {
        return std::make_shared<BureauOrder>(countries, std::make_shared<NoBureauTable>(table));
    }

    QTemporaryDir dir;
    std::shared_ptr<const CountryFile> countries;
};

// Faults: the shipped list not read; the operator's lines neither adding nor
// taking out; a bad line breaking the good ones or said once per line.
TEST_F(BureauRunTest, TheTableIsTheShippedListWithTheOperatorsFileOverIt) {
    QString problem = QStringLiteral("unchanged");
    const NoBureauTable shipped =
        NoBureauTable::load(dir.filePath(QStringLiteral("missing.txt")), &problem);
    EXPECT_TRUE(problem.isEmpty());
    for (const char* prefix : {"9N", "3W", "7O"}) {
        EXPECT_TRUE(shipped.contains(prefix)) << prefix;
    }
    EXPECT_FALSE(shipped.contains("DL"));

    const QString own = writeFile(dir, QStringLiteral("sans_bureau.txt"),
                                  "# mine\n"
                                  "dl\t2026-12-08\tour club\n"
                                  "-9N\n"
                                  "E 5\t2026-12-08\n"          // a blank in the prefix
                                  "ZZ\t2026-13-40\tsomeone\n"  // no such date
                                  "K\n");
    const NoBureauTable table = NoBureauTable::load(own, &problem);
    EXPECT_TRUE(table.contains("DL"));
    EXPECT_TRUE(table.contains("K"));
    EXPECT_FALSE(table.contains("9N"));
    EXPECT_FALSE(table.contains("ZZ"));
    EXPECT_TRUE(table.contains("3W"));
    EXPECT_EQ(problem.count(QStringLiteral("sans_bureau.txt")), 1) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral("2 lignes ignorées : 4, 5 (")))
        << problem.toStdString();

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    const NoBureauTable unread =
        NoBureauTable::load(dir.filePath(QStringLiteral("folder.txt")), &problem);
    EXPECT_TRUE(unread.contains("9N"));
    EXPECT_TRUE(problem.contains(QStringLiteral("ne peut pas être lu"))) << problem.toStdString();
}

// Faults: an entity whose cty.dat prefix holds a slash (Conway Reef "3D2/c",
// the Marquesas "FO/m") refused as a line or never matched, a line left out
// without its number, a long list of bad lines said line by line.
TEST_F(BureauRunTest, NamesEntitiesWithASlashAndEveryLineLeftOut) {
    const QString cty =
        writeFile(dir, QStringLiteral("cty.dat"),
                  "Fiji:                     32:  56:  OC:  -17.78:  -177.92:   -12.0:  3D2:\n"
                  "    3D2,=3D5X;\n"
                  "Conway Reef:              32:  56:  OC:  -22.00:  -175.00:   -12.0:  3D2/c:\n"
                  "    =3D20CR,=3D2C;\n"
                  "French Polynesia:         32:  63:  OC:  -17.65:   149.40:    10.0:  FO:\n"
                  "    FO,=TX0A;\n"
                  "Marquesas Islands:        31:  63:  OC:   -8.92:   140.07:     9.5:  FO/m:\n"
                  "    =FO/DL5XU,=TX0M;\n");
    auto oceania = std::make_shared<CountryFile>();
    QString error;
    ASSERT_TRUE(oceania->load(cty, &error)) << error.toStdString();
    QByteArray lines = "3D2/C\t2026-12-08\tDXCC list\nfo/m\n3D2/CONWAY\n/M\n";
    for (int i = 0; i < NoBureauTable::kMostNamedLines; ++i) {
        lines += "a bad line\n";
    }
    QString problem;
    const auto table = std::make_shared<NoBureauTable>(
        NoBureauTable::load(writeFile(dir, QStringLiteral("sans_bureau.txt"), lines), &problem));
    EXPECT_TRUE(table->contains("3D2/C"));
    EXPECT_TRUE(table->contains("FO/M"));
    const BureauOrder order(oceania, table);
    const struct {
        const char* call;
        const char* prefix;
        BureauOrder::Refusal refusal;
    } cases[] = {{"3D2CR", "3D2", BureauOrder::Refusal::None},
                 {"3D2C", "3D2/c", BureauOrder::Refusal::NoBureau},
                 {"TX0M", "FO/m", BureauOrder::Refusal::NoBureau},
                 {"TX0A", "FO", BureauOrder::Refusal::None}};
    for (const auto& c : cases) {
        const BureauOrder::Key key = order.keyOf(*testQso(c.call));
        EXPECT_EQ(key.prefix, QByteArray(c.prefix)) << c.call;
        EXPECT_EQ(key.refusal, c.refusal) << c.call;
    }
    // One message, naming the first lines left out, then "…".
    EXPECT_EQ(problem.count(QStringLiteral("sans_bureau.txt")), 1) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral(
        "22 lignes ignorées : 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, "
        "21, 22, … (")))
        << problem.toStdString();
}

// Faults: a guest filed under the place of operation, /MM and /AM under no
// entity (or AM under Spain), a QSL via of words taken as a call, a manager's
// country ignored, an entity without bureau or a DIRECT wish let through.
TEST_F(BureauRunTest, EachQsoGoesToTheBureauOfItsHomeCallOrManager) {
    const auto order = orderWith(NoBureauTable::load(QString()));
    using Refusal = BureauOrder::Refusal;
    const struct {
        const char* call;
        const char* via;
        const char* prefix;
        const char* route;
        Refusal refusal;
    } cases[] = {
        {"EA8/ON4AAA", "", "ON", "ON4AAA", Refusal::None},
        {"VP2V/K5PI", "", "K", "K5PI", Refusal::None},
        {"KH6/K1A", "", "K", "K1A", Refusal::None},
        {"K1ABC/MM", "", "K", "K1ABC", Refusal::None},
        {"K1ABC/AM", "", "K", "K1ABC", Refusal::None},
        {"OE/MW2XYZ", "", "GW", "MW2XYZ", Refusal::None},
        {"KH6ABC", "", "KH6", "KH6ABC", Refusal::None},
        {"SP7HKK", "BUREAU, LOTW", "SP", "SP7HKK", Refusal::None},
        {"SP7HKK", "VIA BUREAU OR DIRECT", "SP", "SP7HKK", Refusal::None},
        {"3W3B", "VIA DL2BUR", "DL", "DL2BUR", Refusal::None},
        {"F5AAA", "MGR ON7SS", "ON", "ON7SS", Refusal::None},
        {"9N1AA", "", "9N", "9N1AA", Refusal::NoBureau},
        {"9N1AA", "EA8/DL2BUR", "DL", "DL2BUR", Refusal::None},
        {"DL1ABC", "DIRECT", "DL", "DL1ABC", Refusal::DirectOnly},
        {"DL1ABC", "DIRECT ONLY, NO BURO", "DL", "DL1ABC", Refusal::DirectOnly},
        {"DL1ABC", "SKCC-BUREAU OR DIRECT", "DL", "DL1ABC", Refusal::None},
        {"9N1AA", "VIA IZ2KXC-DIRECT-BUREAU", "", "IZ2KXC", Refusal::None},
        {"/P", "", "", "", Refusal::None},
        {"ZZ9ZZ", "", "", "ZZ9ZZ", Refusal::None},
    };
    // Without a country file the recipient's start stands for the entity.
    const BureauOrder withoutCountries(nullptr,
                                       std::make_shared<NoBureauTable>(NoBureauTable::load({})));
    for (const auto& c : cases) {
        const BureauOrder::Key key = order->keyOf(*testQso(c.call, c.via));
        EXPECT_EQ(key.prefix, QByteArray(c.prefix)) << c.call << " " << c.via;
        EXPECT_EQ(key.route, QByteArray(c.route)) << c.call << " " << c.via;
        EXPECT_EQ(key.refusal, c.refusal) << c.call << " " << c.via;
        EXPECT_EQ(withoutCountries.keyOf(*testQso(c.call, c.via)).refusal, c.refusal)
            << c.call << " " << c.via;
    }
}

// Faults: the refused QSOs kept, their order lost, the count per bureau in
// print order or missing the QSOs without entity.
TEST_F(BureauRunTest, ARunSplitsOffTheRefusedAndCountsPerBureau) {
    const auto order = orderWith(NoBureauTable::load(QString()));
    const QsoRecords records = {testQso("F5AAA"),     testQso("9N1AA"), testQso("DL1ABC"),
                                testQso("ZZ9ZZ"),     testQso("F6XYZ"), testQso("DL2AA", "DIRECT"),
                                testQso("EA8/ON4AAA")};
    const BureauRun::Split split = BureauRun::split(records, *order);
    EXPECT_EQ(split.deliverable,
              (QsoRecords{records[0], records[2], records[3], records[4], records[6]}));
    EXPECT_EQ(split.refused, (QsoRecords{records[1], records[5]}));
    EXPECT_EQ(BureauRun::describe(split.refused, *order, 1),
              (QStringList{QStringLiteral("9N1AA 31/01/09 14 Mhz : 9N, pas de bureau QSL"),
                           QStringLiteral("… et 1 autre")}));
    EXPECT_EQ(BureauRun::countByBureau(split.deliverable, *order),
              QStringLiteral("QSO par bureau : DL 1, F 2, ON 1, sans entité 1"));
}

}  // namespace
