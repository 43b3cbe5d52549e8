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
    EXPECT_TRUE(problem.contains(QStringLiteral("2 lignes ignorées, la première est la ligne 4")))
        << problem.toStdString();

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    const NoBureauTable unread =
        NoBureauTable::load(dir.filePath(QStringLiteral("folder.txt")), &problem);
    EXPECT_TRUE(unread.contains("9N"));
    EXPECT_TRUE(problem.contains(QStringLiteral("ne peut pas être lu"))) << problem.toStdString();
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
