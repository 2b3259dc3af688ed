#include "live/RoutingTable.h"

#include "ExpectedRoutes.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<float> routedValues(std::size_t route, const KEOOutputRecord& record) {
    float values[routing::maxSeriesPerGraph];
    const int count = routing::routeValues(routing::graphRoutes[route], record, values);
    return std::vector<float>(values, values + count);
}

TEST(ExpectedRoutes, NotationGivesWordsDegreesAndMeans) {
    KEOOutputRecord record{};
    record.setSignal(3, 2.0f);
    record.setSignal(4, 0.5f);
    const std::vector<float> values =
        expected::valuesFor("3, 4\u00b0, avg(3, 4), avg(3, 4)\u00b0", record);
    const std::vector<float> wanted{2.0f, 0.5f * 57.295776f, 1.25f, 1.25f * 57.295776f};
    EXPECT_EQ(values, wanted);
    EXPECT_THROW(expected::valuesFor("3; 4", record), std::invalid_argument);
    EXPECT_THROW(expected::valuesFor("1, 4", record), std::invalid_argument); // a time stamp word
}

// The routing check below relies on this: a wrong word or a mean taken of the wrong pair cannot
// produce the expected value by accident.
TEST(ExpectedRoutes, DistinctRecordsHoldNoValueTwice) {
    std::set<float> seen;
    for (int variant = 0; variant < 2; ++variant) {
        const KEOOutputRecord record = expected::distinctRecord(variant, 0);
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            EXPECT_TRUE(seen.insert(record.signal(word)).second) << "word " << word;
        for (int word = 3; word + 1 < KEOOutputRecord::wordCount; ++word)
            EXPECT_NE((record.signal(word - 1) + record.signal(word + 1)) * 0.5f,
                      record.signal(word));
    }
}

TEST(RoutingTable, NamesEveryGraphInOrder) {
    ASSERT_EQ(expected::routes.size(), routing::graphCount);
    std::set<std::string> names;
    for (std::size_t route = 0; route < routing::graphCount; ++route) {
        EXPECT_STREQ(routing::graphRoutes[route].objectName, expected::routes[route].objectName)
            << "route " << route;
        names.insert(routing::graphRoutes[route].objectName);
    }
    EXPECT_EQ(names.size(), routing::graphCount);
}

// Against the expected table also the number of series and that only signal words are read: the
// table names no others (and the word-table test checks them against the documentation).
TEST(RoutingTable, EveryGraphGetsItsSeriesInOrderInSinglePrecision) {
    const KEOOutputRecord record = expected::distinctRecord(0, 0);
    for (std::size_t route = 0; route < routing::graphCount; ++route)
        EXPECT_EQ(routedValues(route, record),
                  expected::valuesFor(expected::routes[route].series, record))
            << expected::routes[route].objectName;
}

} // namespace
