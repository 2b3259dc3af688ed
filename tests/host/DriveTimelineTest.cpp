#include "DriveTimeline.h"

#include <engine/drive/Drive.h>
#include <engine/drive/Manoeuvres.h>
#include <gtest/gtest.h>

namespace {

using engine::drive::makeManoeuvre;

double durationOf(const char* name) {
    return makeManoeuvre(name)->duration();
}

TEST(DriveTimeline, NamesThePartPlayingWithinADriveOfNamedParts) {
    const double braking = 2.0 + durationOf("acceleration");
    const struct {
        double seconds;
        const char* expected;
    } withinMix[] = {
        {0.0, "mix: rest"},
        {2.5, "mix: acceleration"},
        {braking + 0.1, "mix: braking"},
        {braking - 0.1, "mix: acceleration"},
        {durationOf("mix") - 1.0, "mix: bumpy-road"},
    };
    const DriveTimeline mix("mix", makeManoeuvre("mix"));
    for (const auto& c : withinMix)
        EXPECT_EQ(mix.nameAt(c.seconds), c.expected) << c.seconds;

    EXPECT_EQ(DriveTimeline("braking", makeManoeuvre("braking")).nameAt(5.0), "braking");
    const std::shared_ptr<const engine::drive::Drive> unnamedParts =
        std::make_shared<engine::drive::DriveSequence>(
            std::vector<std::shared_ptr<const engine::drive::Drive>>{makeManoeuvre("idle")});
    EXPECT_EQ(DriveTimeline("/data/runs/recorded.csv", unnamedParts).nameAt(5.0), "recorded.csv");
}

} // namespace
