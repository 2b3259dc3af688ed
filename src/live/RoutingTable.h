#pragma once

#include "KEOUI64/OutputRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Which record words each graph of the editor shows. Every graph item carries the object name of
// its route; the graphs data provider looks the items up by these names and, on every delivery,
// feeds each one the values its route picks out of the selected cluster's record.
namespace routing {

// One series of a graph: a record word as it is, or the mean of two words, optionally converted
// from radians to degrees. The algorithm carries angles and angular rates in radians; the editor
// shows them in degrees.
struct SeriesSource {
    std::int16_t word = 0;
    std::int16_t otherWord = -1; // the second word of a mean, or -1
    bool degrees = false;
};

constexpr int maxSeriesPerGraph = 7;
constexpr std::size_t graphCount = 114;

struct GraphRoute {
    const char* objectName = nullptr;
    int seriesCount = 0;
    std::array<SeriesSource, maxSeriesPerGraph> series{};
};

extern const std::array<GraphRoute, graphCount> graphRoutes;

// Routes of the six summation graphs, whose captions the views leave to the provider.
enum : std::size_t {
    pitchSumRoute = 102,
    rollSumRoute,
    yawSumRoute,
    surgeSumRoute,
    swaySumRoute,
    heaveSumRoute,
};

// Writes the route's values into `values` (room for maxSeriesPerGraph) and returns how many.
int routeValues(const GraphRoute& route, const KEOOutputRecord& record, float* values);

} // namespace routing
