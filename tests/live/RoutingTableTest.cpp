#include "live/RoutingTable.h"

#include "ExpectedRoutes.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<float> routedValues(std::size_t route, const KEOOutputRecord& record) {
    float values[routing::maxSeriesPerGraph];
    const int count = routing::routeValues(routing::graphRoutes[route], record, values);
    return std::vector<float>(values, values + count);
}

// Against the expected table every graph's name, the number of its series and that only signal
// words are read: the table names no others.
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
