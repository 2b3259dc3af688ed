#pragma once

#include <chrono>
#include <cstdint>

// Time stamps for the graphs. Both clocks run on the monotonic system clock, so neither jumps when
// the wall clock is set.

// Milliseconds since an arbitrary origin fixed for the life of the process; never runs backwards.
std::uint64_t millisecondClock();

// Measures the time since its construction.
class ElapsedClock {
public:
    ElapsedClock();

    // Whole milliseconds since construction, truncated; never negative.
    std::int64_t elapsedMs() const;

private:
    std::chrono::steady_clock::time_point m_start;
};
