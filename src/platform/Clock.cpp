#include "Clock.h"

namespace {

// counts * 1000 / frequency without overflowing for counts near the top of the range.
std::int64_t countsToMs(std::int64_t counts, std::int64_t countsPerSecond) {
    const std::int64_t whole = counts / countsPerSecond;
    const std::int64_t rest = counts % countsPerSecond;
    return whole * 1000 + rest * 1000 / countsPerSecond;
}

} // namespace

ElapsedClock::ElapsedClock() {
    m_counterAvailable = highResolutionCounter::frequency(m_countsPerSecond) &&
                         m_countsPerSecond > 0 && highResolutionCounter::read(m_start);
}

std::int64_t ElapsedClock::elapsedMs() const {
    std::int64_t now = 0;
    if (!m_counterAvailable || !highResolutionCounter::read(now) || now < m_start)
        return 0;
    return countsToMs(now - m_start, m_countsPerSecond);
}
