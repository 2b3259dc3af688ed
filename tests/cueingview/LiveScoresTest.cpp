#include "cueingview/LiveScores.h"

#include "engine/Words.h"

#include <cmath>
#include <gtest/gtest.h>
#include <thread>

namespace {

namespace w = engine::words;
constexpr int surge = 0;

// The vehicle surging at 0.5 Hz, ±2 m/s², well above the otoliths' threshold; the platform at rest.
KEOOutputRecord vehicleOnly(int step) {
    KEOOutputRecord record{};
    record.setTimestampUs(std::uint64_t(step + 1) * 1000);
    record.setSignal(w::longitudinalAcceleration,
                     float(2.0 * std::sin(3.141592653589793 * step / 1000.0)));
    return record;
}

void deliver(LiveScores& live, int records) {
    for (int i = 0; i < records; ++i) {
        const KEOOutputRecord record = vehicleOnly(i);
        live.onOutputs(&record, &record, false);
    }
}

// The host delivers on its own thread while the window starts the scores over again and again;
// after the last start only the records since count, and a platform at rest scores an error ratio
// of exactly 1 (its error is the whole of the vehicle's perceived cue).
TEST(LiveScores, StartsOverAcrossThreadsAndJudgesAPlatformAtRest) {
    LiveScores live;
    live.setSettings(cueing::ScorerSettings{});
    std::atomic<bool> done{false};
    std::thread host([&] {
        deliver(live, 20'000);
        done = true;
    });
    for (int i = 0; !done; ++i) {
        live.refresh();
        if (i % 20 == 0)
            live.setSettings(cueing::ScorerSettings{});
    }
    host.join();

    live.setSettings(cueing::ScorerSettings{});
    deliver(live, 8000);
    live.refresh();
    ASSERT_TRUE(live.receiving());
    // The scorer judges a record once the ±5 ms of its central difference have come.
    EXPECT_LE(live.shownWindow().records, 8000u);
    EXPECT_GE(live.shownWindow().records, 7980u);
    EXPECT_NEAR(live.shownWindow().channels[surge].errorRatio, 1.0, 1e-9);
    EXPECT_EQ(live.channels()[surge].toMap()[QStringLiteral("platform")].toDouble(), 0.0);
}

} // namespace
