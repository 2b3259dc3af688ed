// Only what the clocks add to the monotonic system clock: their origins and their units.
#include "platform/Clock.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr auto pause = std::chrono::milliseconds(20);

TEST(Clocks, CountMillisecondsFromTheirOwnOrigin) {
    const std::uint64_t before = millisecondClock();
    const ElapsedClock older;
    std::this_thread::sleep_for(pause);
    const ElapsedClock newer;
    // Newer first: a pause between the two reads can then only widen the difference.
    const std::int64_t newerMs = newer.elapsedMs();
    const std::int64_t olderMs = older.elapsedMs();
    EXPECT_GE(newerMs, 0);
    EXPECT_GE(olderMs - newerMs, pause.count() - 1);
    EXPECT_LT(olderMs, 60000); // milliseconds, not microseconds
    EXPECT_GE(millisecondClock() - before, std::uint64_t(pause.count()));
    EXPECT_LT(millisecondClock() - before, 60000u);
}

// A delivery holds one reading for all its graphs; other threads still read the counter.
TEST(Clocks, AHeldReadingStopsTheClocksOfItsThreadOnly) {
    const ElapsedClock clock;
    std::this_thread::sleep_for(pause);
    std::int64_t heldMs = 0;
    {
        const HeldClockReading held;
        heldMs = clock.elapsedMs();
        std::this_thread::sleep_for(pause);
        EXPECT_EQ(clock.elapsedMs(), heldMs);
        std::int64_t otherThreadMs = 0;
        std::thread([&] { otherThreadMs = clock.elapsedMs(); }).join();
        EXPECT_GE(otherThreadMs - heldMs, pause.count() - 1);
    }
    EXPECT_GE(heldMs, pause.count() - 1);
    EXPECT_GE(clock.elapsedMs() - heldMs, pause.count() - 1);
}

} // namespace
