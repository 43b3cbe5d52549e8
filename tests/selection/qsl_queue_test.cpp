#include <gtest/gtest.h>

#include "selection/qsl_queue.h"

namespace {

using QslQueue::Owed;
using QslQueue::Route;

// One QSO's QSL fields and the queues and routes it belongs to.
struct Case {
    const char* sent;
    const char* sentVia;
    const char* received;
    const char* receivedVia;
    bool unsent, requested, answered;  // Owed::Unsent, Requested, Received
    char route;
    bool bureau, direct, thanks;
};

// clang-format off
const Case kCases[] = {
    // sent  sentVia rcvd rcvdVia unsent req   recvd  route bureau direct thanks
    {"",    "",    "",   "",    true,  false, false, 'B', true,  false, false},
    {"N",   "",    "",   "",    true,  false, false, 'B', true,  false, false},
    {"n",   "",    "y",  "b",   true,  false, true,  'B', true,  false, true},
    {"R",   "",    "",   "",    true,  true,  false, 'B', true,  false, false},
    {"q",   "D",   "",   "",    true,  true,  false, 'D', false, true,  false},
    {"Y",   "B",   "Y",  "B",   false, false, false, 'B', true,  false, true},
    {"I",   "",    "Y",  "D",   false, false, false, 'D', false, true,  true},
    {"",    "",    "Y",  "E",   true,  false, false, 'E', false, false, false},
    {"",    "",    "V",  "",    true,  false, true,  'B', true,  false, true},
    {"N",   "",    "N",  "D",   true,  false, false, 'D', false, true,  false},
    {"R",   "M",   "Y",  "D",   true,  true,  true,  'M', true,  false, true},
    {"",    "e",   "Y",  "D",   true,  false, true,  'E', false, false, true},
    {"",    "",    "R",  "",    true,  false, false, 'B', true,  false, false},
    {"",    "",    "I",  "d",   true,  false, false, 'D', false, true,  false},
};
// clang-format on

TEST(QslQueue, SortsEveryCombinationIntoItsQueuesAndRoute) {
    for (const Case& c : kCases) {
        const QslQueue::QslFields fields{c.sent, c.sentVia, c.received, c.receivedVia};
        const std::string row = std::string(c.sent) + "/" + c.sentVia + "/" + c.received + "/" +
                                c.receivedVia;
        EXPECT_TRUE(QslQueue::isOwed(Owed::All, fields)) << row;
        EXPECT_EQ(QslQueue::isOwed(Owed::Unsent, fields), c.unsent) << row;
        EXPECT_EQ(QslQueue::isOwed(Owed::Requested, fields), c.requested) << row;
        EXPECT_EQ(QslQueue::isOwed(Owed::Received, fields), c.answered) << row;
        EXPECT_EQ(QslQueue::routeLetter(fields), c.route) << row;
        EXPECT_TRUE(QslQueue::takesRoute(Route::All, fields)) << row;
        EXPECT_EQ(QslQueue::takesRoute(Route::Bureau, fields), c.bureau) << row;
        EXPECT_EQ(QslQueue::takesRoute(Route::Direct, fields), c.direct) << row;
        EXPECT_EQ(QslQueue::cardReceived(fields), c.thanks) << row;
    }
}

TEST(QslQueue, NamesTheCommandLineWordsAndTheSendingMethodOfARoute) {
    EXPECT_EQ(QslQueue::owedNamed(QStringLiteral("unsent")), Owed::Unsent);
    EXPECT_EQ(QslQueue::owedNamed(QStringLiteral("requested")), Owed::Requested);
    EXPECT_EQ(QslQueue::owedNamed(QStringLiteral("received")), Owed::Received);
    EXPECT_FALSE(QslQueue::owedNamed(QStringLiteral("Unsent")).has_value());
    EXPECT_EQ(QslQueue::routeNamed(QStringLiteral("bureau")), Route::Bureau);
    EXPECT_EQ(QslQueue::routeNamed(QStringLiteral("direct")), Route::Direct);
    EXPECT_EQ(QslQueue::routeNamed(QStringLiteral("all")), Route::All);
    EXPECT_FALSE(QslQueue::routeNamed(QStringLiteral("manager")).has_value());
    EXPECT_EQ(QslQueue::sendingMethod(Route::Bureau, QStringLiteral("D")), QStringLiteral("B"));
    EXPECT_EQ(QslQueue::sendingMethod(Route::Direct, QStringLiteral("B")), QStringLiteral("D"));
    EXPECT_EQ(QslQueue::sendingMethod(Route::All, QStringLiteral("D")), QStringLiteral("D"));
}

}  // namespace
