#include "cueingview/LiveScores.h"

#include "cueingview/PerceivedStripDrawing.h"
#include "engine/Words.h"

#include <QImage>
#include <QPainter>
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

// The strips' history keeps every snapshot the delivery thread took between two copies by the GUI,
// 50 ms apart at 1000 records per second, the newest equal to the cues shown now; when the GUI
// falls further behind than the queue holds, the newest moments are the ones kept.
TEST(LiveScores, HistoryKeepsTheSnapshotsBetweenCopiesNewestLast) {
    struct Case {
        int snapshots, kept;
    };
    for (const Case c :
         {Case{20, 20}, Case{LiveScores::queuedSamples + 10, LiveScores::queuedSamples}}) {
        LiveScores live;
        live.setSettings(cueing::ScorerSettings{});
        deliver(live, c.snapshots * LiveScores::snapshotRecords);
        live.refresh();
        const PerceivedHistory& history = live.history();
        ASSERT_EQ(history.size(), c.kept) << c.snapshots;
        for (int i = 1; i < history.size(); ++i)
            EXPECT_NEAR(history.at(i).seconds - history.at(i - 1).seconds, 0.05, 1e-9);
        EXPECT_NEAR(history.newest().seconds, c.snapshots * 0.05 - 0.006, 0.0015);
        const QVariantMap now = live.channels()[surge].toMap();
        EXPECT_EQ(history.newest().vehicle[surge], now[QStringLiteral("vehicle")].toDouble());
        EXPECT_NE(history.newest().vehicle[surge], 0.0);
    }
}

// Starting the scores over (new settings, or a record older than the newest) starts the history
// over; a full ring drops its oldest moment for each new one.
TEST(LiveScores, HistoryStartsOverWithTheScores) {
    LiveScores live;
    live.setSettings(cueing::ScorerSettings{});
    deliver(live, 500);
    live.refresh();
    ASSERT_FALSE(live.history().empty());
    live.setSettings(cueing::ScorerSettings{});
    EXPECT_TRUE(live.history().empty());

    PerceivedHistory ring(3);
    for (double t : {1.0, 2.0, 3.0, 4.0})
        ring.push({t, {}, {}});
    EXPECT_EQ(ring.size(), 3);
    EXPECT_EQ(ring.at(0).seconds, 2.0);
    ring.push({0.5, {}, {}});
    EXPECT_EQ(ring.size(), 1);
    EXPECT_EQ(ring.newest().seconds, 0.5);
}

// A strip shows the last `seconds` of the history only: of 40 s of moments 50 ms apart, the 401
// of the last 20 s.
TEST(PerceivedStrip, DrawsTheLastSecondsOnly) {
    PerceivedHistory history(LiveScores::historySamples);
    for (int i = 0; i <= 800; ++i)
        history.push({i * 0.05, {}, {}});
    QImage image(240, 30, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    EXPECT_EQ(drawPerceivedStrip(painter, QRectF(image.rect()), history, surge, 20.0, 1.0), 401);
    EXPECT_EQ(drawPerceivedStrip(painter, QRectF(image.rect()), history, surge, 60.0, 1.0), 801);
}

} // namespace
