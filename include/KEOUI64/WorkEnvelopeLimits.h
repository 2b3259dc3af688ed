#pragma once

#include <cstddef>
#include <cstdint>

// One cluster's work envelope as the host delivers it: the largest excursion of the motion
// platform in each degree of freedom. 28 bytes, little-endian, no padding; the host hands two of
// them in a row, for cluster 0 and cluster 1. The stamp changes whenever the host's values do.
struct WorkEnvelopeLimits {
    float roll;  // radians
    float pitch; // radians
    float yaw;   // radians
    float heave; // metres
    float sway;  // metres
    float surge; // metres
    std::uint32_t stamp;
};

static_assert(sizeof(WorkEnvelopeLimits) == 28 && offsetof(WorkEnvelopeLimits, stamp) == 24,
              "WorkEnvelopeLimits is a host record");
