#include "live/RoutingTable.h"

#include "ExpectedRoutes.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

std::vector<float> routedValues(std::size_t route, const KEOOutputRecord& record) {
    float values[routing::maxSeriesPerGraph];
    const int count = routing::routeValues(routing::graphRoutes[route], record, values);
    return std::vector<float>(values, values + count);
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

// Against the expected table every graph's name, the number of its series and that only signal
// words are read: the table names no others (and the word-table test checks them against the
// documentation).
TEST(RoutingTable, EveryGraphGetsItsSeriesInOrderInSinglePrecision) {
    ASSERT_EQ(expected::routes.size(), routing::graphCount);
    const KEOOutputRecord record = expected::distinctRecord(0, 0);
    for (std::size_t route = 0; route < routing::graphCount; ++route) {
        SCOPED_TRACE(expected::routes[route].objectName);
        EXPECT_STREQ(routing::graphRoutes[route].objectName, expected::routes[route].objectName);
        EXPECT_EQ(routedValues(route, record),
                  expected::valuesFor(expected::routes[route].series, record));
    }
}

} // namespace
