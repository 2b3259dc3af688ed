#include "DriveTimeline.h"

#include <engine/drive/Drive.h>
#include <gtest/gtest.h>

namespace {

double durationOf(const char* name) {
    return engine::drive::makeManoeuvre(name)->duration();
}

TEST(DriveTimeline, NamesTheManoeuvrePlayingWithinMix) {
    const double mix = durationOf("mix");
    const double braking = 2.0 + durationOf("acceleration");
    const struct {
        const char* drive;
        double duration;
        double seconds;
        const char* expected;
    } cases[] = {
        {"mix", mix, 0.0, "mix: rest"},
        {"mix", mix, 2.5, "mix: acceleration"},
        {"mix", mix, braking + 0.1, "mix: braking"},
        {"mix", mix, braking - 0.1, "mix: acceleration"},
        {"mix", mix, mix - 1.0, "mix: bumpy-road"},
        {"mix", mix + 1.0, 50.0, "mix"}, // parts that do not add up to the drive: no part named
        {"braking", durationOf("braking"), 5.0, "braking"},
        {"/data/runs/recorded.csv", 30.0, 5.0, "recorded.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DriveTimeline(c.drive, c.duration).nameAt(c.seconds), c.expected)
            << c.drive << " at " << c.seconds;
    }
}

} // namespace
