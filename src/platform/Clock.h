#pragma once

#include <cstdint>

// Time stamps for the graphs, read from the system's high-resolution monotonic counter, so neither
// clock jumps when the wall clock is set.

// Milliseconds since an arbitrary origin fixed for the life of the process; never runs backwards.
std::uint64_t millisecondClock();

// Measures the time since its construction.
class ElapsedClock {
public:
    ElapsedClock();

    // Whole milliseconds since construction, truncated; never negative, and 0 when the counter
    // cannot be read.
    std::int64_t elapsedMs() const;

private:
    bool m_counterAvailable = false;
    std::int64_t m_countsPerSecond = 1;
    std::int64_t m_start = 0;
};

// The counter behind both clocks; each system provides these.
namespace highResolutionCounter {
// Counts per second; false when the system has no such counter.
bool frequency(std::int64_t& countsPerSecond);
// The current count; false when it cannot be read.
bool read(std::int64_t& count);
} // namespace highResolutionCounter
