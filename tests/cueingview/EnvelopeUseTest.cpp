#include "cueingview/LiveEnvelopeUse.h"
#include "engine/Words.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

namespace w = engine::words;
// 0.25 m of surge, 0.3 rad of roll: a small platform, as a host passes it.
const WorkEnvelopeLimits envelope{0.3f, 0.3f, 0.4f, 0.2f, 0.25f, 0.25f, 1};
constexpr int surge = 0, roll = 3;

KEOOutputRecord recordAt(std::uint64_t stampUs, float surgeMetres, float rollRadians = 0.0f) {
    KEOOutputRecord record{};
    record.setTimestampUs(stampUs);
    record.setSignal(w::platform.surge, surgeMetres);
    record.setSignal(w::platform.roll, rollRadians);
    return record;
}

// A drive at 1000 records per second: 2 s at the surge envelope's edge, then 58 s at half of it.
// The time at the edge and the peak stay those of the whole drive, not of its last seconds.
TEST(EnvelopeUse, CountsTheWholeDrive) {
    EnvelopeUse use;
    use.setEnvelope(envelope);
    std::uint64_t us = 1'000'000;
    for (int i = 0; i < 60'000; ++i, us += 1000)
        use.add(recordAt(us, i < 2000 ? -0.25f : 0.125f, 0.15f));
    EXPECT_NEAR(use.seconds(), 59.999, 1e-6); // from the first record to the last
    EXPECT_NEAR(use.dof(surge).secondsAtEdge, 2.0, 0.0011);
    EXPECT_NEAR(use.dof(surge).peakShare(), 1.0, 1e-6);
    EXPECT_NEAR(use.dof(surge).share(), 0.5, 1e-6);
    EXPECT_NEAR(use.dof(roll).share(), 0.5, 1e-6);
    EXPECT_EQ(use.dof(roll).secondsAtEdge, 0.0);
}

// Stamps that stand still, jump back or leap (a paused host) add no time at the edge.
TEST(EnvelopeUse, OnlyRegularStampsAddTime) {
    const std::uint64_t stamps[] = {1000, 2000, 2000, 1500, 900'000, 901'000};
    EnvelopeUse use;
    use.setEnvelope(envelope);
    for (std::uint64_t stamp : stamps)
        use.add(recordAt(stamp, 0.25f));
    EXPECT_NEAR(use.seconds(), 0.002, 1e-9); // 1000 → 2000 and 900000 → 901000
    EXPECT_NEAR(use.dof(surge).secondsAtEdge, 0.002, 1e-9);
}

// The host delivers on its own thread while the window refreshes and starts the drive over; after
// a reset only the records delivered since count, and the selected cluster's record is the one
// read.
TEST(LiveEnvelopeUse, HandsOverWithoutLosingAResetOrACluster) {
    LiveEnvelopeUse live;
    live.setEnvelopes(envelope, envelope);
    std::atomic<bool> done{false};
    std::thread host([&] {
        std::uint64_t us = 1000;
        for (int i = 0; i < 20'000; ++i, us += 1000) {
            const KEOOutputRecord first = recordAt(us, 0.1f), second = recordAt(us, -0.2f);
            live.onOutputs(&first, &second, false);
        }
        done = true;
    });
    for (int i = 0; !done; ++i) {
        live.refresh();
        if (i % 50 == 0)
            live.reset();
    }
    host.join();

    live.setCluster(1);
    for (std::uint64_t us = 1000; us <= 500'000; us += 1000) {
        const KEOOutputRecord first = recordAt(us, 0.1f), second = recordAt(us, -0.25f);
        live.onOutputs(&first, &second, false);
    }
    live.refresh();
    EXPECT_TRUE(live.receiving());
    EXPECT_EQ(live.shown().records(), 500u);
    EXPECT_NEAR(live.shown().dof(surge).share(), -1.0, 1e-6);
    EXPECT_NEAR(live.shown().dof(surge).secondsAtEdge, 0.499, 1e-9);
}

} // namespace
