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
    // cannot be read. Inside a HeldClockReading's life on this thread, the time of that reading.
    std::int64_t elapsedMs() const;

private:
    bool m_counterAvailable = false;
    std::int64_t m_countsPerSecond = 1;
    // Counts per millisecond when the counts per second are a multiple of 1000 (one division then
    // converts), 0 otherwise.
    std::int64_t m_countsPerMs = 0;
    std::int64_t m_start = 0;
};

// Reads the counter once for the thread that creates it: while it exists, every ElapsedClock of
// that thread reads this instant instead of the counter. A delivery to a hundred graphs, each of
// which reads its clock, then reads the counter once, and all of them see the same time.
// Readings nest; the innermost one counts.
class HeldClockReading {
public:
    HeldClockReading();
    ~HeldClockReading();
    HeldClockReading(const HeldClockReading&) = delete;
    HeldClockReading& operator=(const HeldClockReading&) = delete;

    // The held count; false when the counter could not be read.
    bool count(std::int64_t& count) const;

private:
    bool m_available = false;
    std::int64_t m_count = 0;
    const HeldClockReading* m_outer = nullptr;
};

// The counter behind both clocks; each system provides frequency() and read().
namespace highResolutionCounter {
// Counts per second; false when the system has no such counter.
bool frequency(std::int64_t& countsPerSecond);
// The current count; false when it cannot be read.
bool read(std::int64_t& count);
// counts * 1000 / countsPerSecond, truncated, without overflowing near the top of the range.
std::int64_t toMilliseconds(std::int64_t counts, std::int64_t countsPerSecond);
} // namespace highResolutionCounter
