#include "Clock.h"

namespace {

using Milliseconds = std::chrono::duration<std::int64_t, std::milli>;

} // namespace

std::uint64_t millisecondClock() {
    const auto sinceOrigin = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<Milliseconds>(sinceOrigin).count());
}

ElapsedClock::ElapsedClock()
    : m_start(std::chrono::steady_clock::now()) {}

std::int64_t ElapsedClock::elapsedMs() const {
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return std::chrono::duration_cast<Milliseconds>(elapsed).count();
}
