#include "../tune/PoorTuning.h"
#include "cueingview/RecentDrive.h"
#include "engine/Engine.h"
#include "engine/drive/PlayThrough.h"
#include "tune/Evaluation.h"

#include <gtest/gtest.h>

namespace {

constexpr double stepRate = 250.0;

// What a host delivers while the engine plays `name` on `config`'s first set: the records, stamped
// in microseconds, go into the ring as the delivery thread would put them.
void driveThroughTheRing(const Config& config, const WorkEnvelopeLimits& envelope,
                         const std::string& name, RecentDrive& recent) {
    engine::Engine engine;
    engine.configure(config, KEOParamSet::First, envelope, stepRate);
    engine::drive::DrivePlayer player(engine::drive::makeManoeuvre(name), stepRate, false);
    engine::drive::playThrough(engine, player,
                               [&](std::uint64_t, double, const KEOOutputRecord& record) {
                                   recent.onOutputs(&record, &record, false);
                                   return true;
                               });
}

// A drive rebuilt from the host's records is judged as the drive itself, whether the
// configuration's inputs carry gravity or not: the same cost, platform use and per-channel
// perceived error, up to the records' single precision.
TEST(RecentDriveScores, JudgeWhatWasDrivenAsTheDriveItself) {
    for (const bool inputsCarryGravity : {true, false}) {
        Config config = poorlyTuned(bundledExample());
        config.algorithm.removeVerticalComponent = !inputsCarryGravity;
        tune::Problem problem;
        problem.config = config;
        problem.envelope = clusterOneEnvelope();
        problem.stepRate = stepRate;
        RecentDrive recent;
        driveThroughTheRing(config, problem.envelope, "lane-change", recent);
        problem.drives = {{"lane-change", engine::drive::makeManoeuvre("lane-change")},
                          {"just driven", recentDriveOf(recent.samples(), inputsCarryGravity)}};

        const tune::Evaluation evaluation = tune::evaluate(problem, config);
        const tune::DriveEvaluation& itself = evaluation.drives[0];
        const tune::DriveEvaluation& rebuilt = evaluation.drives[1];
        const char* which = inputsCarryGravity ? "with gravity" : "without gravity";
        ASSERT_GT(itself.cost, 0.1) << which << ": the drive asks something of the platform";
        EXPECT_NEAR(rebuilt.cost, itself.cost, 0.01 * itself.cost) << which;
        EXPECT_NEAR(rebuilt.violation, itself.violation, 0.01 * itself.violation + 1e-6) << which;
        for (int c = 0; c < cueing::channelCount; ++c) {
            const double expected = itself.scores.channels[c].errorRatio;
            if (std::isnan(expected))
                EXPECT_TRUE(std::isnan(rebuilt.scores.channels[c].errorRatio)) << which << c;
            else
                EXPECT_NEAR(rebuilt.scores.channels[c].errorRatio, expected, 0.01 * expected + 1e-3)
                    << which << ": " << cueing::channelNames[c];
        }
    }
}

} // namespace
