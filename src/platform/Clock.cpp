#include "Clock.h"

std::int64_t highResolutionCounter::toMilliseconds(std::int64_t counts,
                                                   std::int64_t countsPerSecond) {
    const std::int64_t whole = counts / countsPerSecond;
    const std::int64_t rest = counts % countsPerSecond;
    return whole * 1000 + rest * 1000 / countsPerSecond;
}

namespace {

// The innermost reading held on this thread, if any.
thread_local const HeldClockReading* heldReading = nullptr;

bool readCounter(std::int64_t& count) {
    if (heldReading)
        return heldReading->count(count);
    return highResolutionCounter::read(count);
}

} // namespace

HeldClockReading::HeldClockReading()
    : m_outer(heldReading) {
    m_available = highResolutionCounter::read(m_count);
    heldReading = this;
}

HeldClockReading::~HeldClockReading() {
    heldReading = m_outer;
}

bool HeldClockReading::count(std::int64_t& count) const {
    count = m_count;
    return m_available;
}

// The start is always read afresh, so a clock made inside a held reading starts after it and reads
// 0 until the reading is released.
ElapsedClock::ElapsedClock() {
    m_counterAvailable = highResolutionCounter::frequency(m_countsPerSecond) &&
                         m_countsPerSecond > 0 && highResolutionCounter::read(m_start);
    if (m_counterAvailable && m_countsPerSecond % 1000 == 0)
        m_countsPerMs = m_countsPerSecond / 1000;
}

std::int64_t ElapsedClock::elapsedMs() const {
    std::int64_t now = 0;
    if (!m_counterAvailable || !readCounter(now) || now < m_start)
        return 0;
    // Graphs read their clocks at every step: one division where a second holds whole
    // milliseconds of counts, which gives the same truncated value.
    if (m_countsPerMs != 0)
        return (now - m_start) / m_countsPerMs;
    return highResolutionCounter::toMilliseconds(now - m_start, m_countsPerSecond);
}
