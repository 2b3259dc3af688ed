#include "platform/Clock.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr auto pause = std::chrono::milliseconds(20);

// A sanity bound, not a speed requirement: "right away" on a loaded or instrumented build.
constexpr std::int64_t aFewMs = 100;

TEST(ElapsedClock, StartsAtZeroOrAFewMilliseconds) {
    const ElapsedClock clock;
    const std::int64_t elapsed = clock.elapsedMs();
    EXPECT_GE(elapsed, 0);
    EXPECT_LE(elapsed, aFewMs);
}

TEST(ElapsedClock, NeverDecreasesAndNeverGoesNegative) {
    const ElapsedClock clock;
    std::int64_t previous = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::int64_t now = clock.elapsedMs();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

TEST(ElapsedClock, GrowsByAtLeastTheTimeWaited) {
    const ElapsedClock clock;
    std::this_thread::sleep_for(pause);
    EXPECT_GE(clock.elapsedMs(), pause.count());
}

TEST(ElapsedClock, EachClockCountsFromItsOwnConstruction) {
    const ElapsedClock older;
    std::this_thread::sleep_for(pause);
    const ElapsedClock newer;
    // Newer first: a pause between the two reads can then only widen the difference.
    const std::int64_t newerMs = newer.elapsedMs();
    const std::int64_t olderMs = older.elapsedMs();
    EXPECT_GE(olderMs - newerMs, pause.count() - 1);
}

TEST(MillisecondClock, NeverRunsBackwards) {
    std::uint64_t previous = millisecondClock();
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t now = millisecondClock();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

TEST(MillisecondClock, AdvancesByAtLeastTheTimeWaited) {
    const std::uint64_t before = millisecondClock();
    std::this_thread::sleep_for(pause);
    EXPECT_GE(millisecondClock() - before, std::uint64_t(pause.count()));
}

} // namespace
