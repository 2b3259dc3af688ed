#include "Clock.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using Counts = std::chrono::nanoseconds;

std::int64_t countsSinceOrigin() {
    return std::chrono::duration_cast<Counts>(Clock::now().time_since_epoch()).count();
}

} // namespace

namespace highResolutionCounter {

bool frequency(std::int64_t& countsPerSecond) {
    countsPerSecond = Counts::period::den;
    return true;
}

bool read(std::int64_t& count) {
    count = countsSinceOrigin();
    return true;
}

} // namespace highResolutionCounter

std::uint64_t millisecondClock() {
    return static_cast<std::uint64_t>(countsSinceOrigin() / (Counts::period::den / 1000));
}
