#pragma once

#include "KEOUI64/OutputRecord.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What every graph must show, written out as the algorithm's documentation lists it, so that the
// editor's own routing table is checked against an independent copy.
namespace expected {

struct Route {
    const char* objectName;
    // "n" is record word n, "n°" word n in degrees, "avg(a, b)" the mean of words a and b, and
    // "avg(a, b)°" that mean in degrees; series are separated by ", ".
    const char* series;
};

extern const std::vector<Route> routes;

// The values `series` stands for in `record`, computed in single precision.
std::vector<float> valuesFor(const std::string& series, const KEOOutputRecord& record);

// A record in which every signal word holds a value that no other word holds and that no mean of
// two other words gives either; `variant` 0 and 1 give two records without a value in common.
KEOOutputRecord distinctRecord(int variant, std::uint64_t timestampUs);

// The captions of the summation graphs, in series order.
extern const std::vector<std::pair<const char*, std::vector<const char*>>> sumCaptions;

} // namespace expected
