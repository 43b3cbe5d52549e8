#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <memory>

#include "selection/bureau_order.h"
#include "selection/row_list.h"
#include "support/qso_rows.h"

namespace {

const QsoRecord* row(const char* callsign, const char* date = "01/01/09") {
    return testQso(callsign, "", "14 Mhz", "SSB", "59", date);
}

QStringList callsigns(const RowList& list) {
    QStringList result;
    for (int i = 0; i < list.count(); ++i) {
        result.append(list.row(i).left(14).trimmed());
    }
    return result;
}

TEST(RowList, SortedListPlacesEachRowInTextOrderIgnoringCase) {
    RowList list(RowList::Order::Sorted);
    list.add(*row("F9XQC"));
    list.add(*row("F9XQA"));
    list.add(*row("f9xqb"));
    EXPECT_EQ(callsigns(list), QStringList({QStringLiteral("F9XQA"), QStringLiteral("f9xqb"),
                                            QStringLiteral("F9XQC")}));

    // Rows of one callsign follow their date text, day first.
    RowList dates(RowList::Order::Sorted);
    dates.add(*row("F9XQA", "31/12/08"));
    dates.add(*row("F9XQA", "02/01/09"));
    EXPECT_TRUE(dates.row(0).contains(QStringLiteral("02/01/09")));
    // Wide characters, accents and full-width callsigns sort as their row texts do.
    const char* const callsigns[] = {"F1\xC3\x89",
                                     "f1e",
                                     "F1E",
                                     "f1\xC3\xA9",
                                     "F1\xF0\x9F\x98\x80",
                                     "ABCDEFGHIJKL",
                                     "abcdefghijkl",
                                     "F1",
                                     "F1 A",
                                     "F1\xC3\xA9"
                                     "A"};
    RowList mixed(RowList::Order::Sorted);
    QList<QByteArray> texts;
    for (const char* callsign : callsigns) {
        for (const char* date : {"02/01/09", "01/02/09"}) {
            mixed.add(*row(callsign, date));
            texts.append(QsoRow::compose(*row(callsign, date)));
        }
    }
    std::stable_sort(texts.begin(), texts.end(), [](const QByteArray& a, const QByteArray& b) {
        return RowList::compareIgnoringCase(a, b) < 0;
    });
    for (int i = 0; i < mixed.count(); ++i) {
        EXPECT_EQ(RowList::compareIgnoringCase(QsoRow::compose(mixed.record(i)), texts.at(i)), 0)
            << i;
    }
    // "1.8 Mhz" and "1.8 MHZ" compare equal; ordering by case never splits them.
    EXPECT_EQ(RowList::compareIgnoringCase("A Mhz", "A MHZ"), 0);
    EXPECT_LT(RowList::compareIgnoringCase("AB", "ABC"), 0);
}

TEST(RowList, BatchesMergeIntoTheSortedOrder) {
    RowList list(RowList::Order::Sorted);
    list.add(*row("F5AAA"));
    list.add(*row("K1ZZZ"));
    list.addAll({row("G4BBB"), row("A1AAA"), row("F5AAA"), row("Z9ZZZ")});
    EXPECT_EQ(callsigns(list), QStringList({QStringLiteral("A1AAA"), QStringLiteral("F5AAA"),
                                            QStringLiteral("F5AAA"), QStringLiteral("G4BBB"),
                                            QStringLiteral("K1ZZZ"), QStringLiteral("Z9ZZZ")}));
    list.addAll({});
    EXPECT_EQ(list.count(), 6);
}

TEST(RowList, UnsortedListKeepsOrderAndRemovesByIndex) {
    RowList list(RowList::Order::Unsorted);
    list.addAll({row("C"), row("A")});
    list.add(*row("B"));
    EXPECT_EQ(callsigns(list),
              QStringList({QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}));
    list.removeAt(0);
    list.removeAt(7);  // no such row: nothing happens
    list.removeAt(-1);
    EXPECT_EQ(callsigns(list), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.data(list.index(1)).toString(), list.row(1));
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

// The list announces its own inserts, removals and resets; Qt's model tester
// checks each against what the list then holds, and reports through warnings.
TEST(RowList, EveryChangeIsAnnouncedAsQtsModelTesterExpects) {
    static int complaints = 0;
    complaints = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg) {
                ++complaints;
                ADD_FAILURE() << text.toStdString();
            }
        });
    for (const RowList::Order order : {RowList::Order::Sorted, RowList::Order::Unsorted}) {
        RowList list(order);
        QAbstractItemModelTester tester(&list,
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        list.add(*row("F9XQC"));
        list.addAll({row("G4BBB"), row("A1AAA")});  // merged into a list that has rows
        list.add(*row("B2BBB"));
        list.removeAt(1);
        list.removeAt(9);
        RowList other(RowList::Order::Unsorted);
        other.addAll({row("Z9ZZZ"), row("K1KKK")});
        list.addAll(other);
        list.orderForBureau(std::make_shared<BureauOrder>());
        list.add(*row("F5AAA"));
        list.orderForBureau(nullptr);
        EXPECT_EQ(list.rowCount(), 6);
        list.clear();
        list.clear();
        list.addAll({row("C"), row("A")});  // into an empty list
        EXPECT_EQ(list.rowCount(), 2);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(complaints, 0);
}

}  // namespace

#include <QTemporaryDir>

#include "selection/bureau_order.h"
#include "support/test_files.h"

namespace {

// In bureau order the QSOs of one entity follow their route, every character
// of it: routes that share their first 8 or 16 characters still come in order.
TEST(RowList, BureauOrderTellsLongRoutesOfOneEntityApart) {
    QTemporaryDir dir;
    auto countries = std::make_shared<CountryFile>();
    QString error;
    ASSERT_TRUE(countries->load(testDataPath(QStringLiteral("round/cty.dat")), &error));
    const struct {
        const char* first;   // the route that comes first
        const char* second;  // the route after it
    } pairs[] = {
        {"DL1ABCDEA", "DL1ABCDEB"},                  // 9 characters
        {"DL1ABCDEFGHIJKLMA", "DL1ABCDEFGHIJKLMB"},  // 17 characters
        {"DL1ABCDEFGHIJKLMNOPQRSTUVWXYZA", "DL1ABCDEFGHIJKLMNOPQRSTUVWXYZB"},
        {"DL1ABCDE", "DL1ABCDEA"},  // a route before its own continuation
    };
    for (const auto& pair : pairs) {
        RowList list(RowList::Order::Sorted);
        const auto order = std::make_shared<BureauOrder>(countries);
        list.orderForBureau(order);
        // The callsigns sort the other way round, so that only the route orders them.
        list.addAll(
            {testQso("DL9ZZ", pair.first), testQso("DL1AA", pair.second), testQso("F5AAA", "")});
        ASSERT_EQ(list.count(), 3);
        EXPECT_EQ(order->routeOf(list.record(0)), QByteArray(pair.first)) << pair.first;
        EXPECT_EQ(order->routeOf(list.record(1)), QByteArray(pair.second)) << pair.second;
        EXPECT_EQ(order->routeOf(list.record(2)), QByteArray("F5AAA"));
        list.add(*testQso("DL5MM", pair.first));
        EXPECT_EQ(order->routeOf(list.record(2)), QByteArray(pair.second)) << pair.second;
    }
}

}  // namespace
