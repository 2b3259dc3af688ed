// keo-sim's report on the engine along drives made for the case: the rotation a tilt and the
// mixer's cross-feeds give the rider against the tilt rate limit, a platform pressed against a
// logistic or a hard final limit, and the report's last words.
#include "Simulation.h"

#include "DriveOf.h"
#include "ReportText.h"
#include "SimOptions.h"
#include "engine/EngineFixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using engine::VehicleInput;
using enginetest::exampleConfig;

EnvelopeReport run(const Config& config, const WorkEnvelopeLimits& envelope, double seconds,
                   std::function<VehicleInput(double)> at) {
    return simulate(config, KEOParamSet::First, envelope, 1000.0,
                    std::make_shared<DriveOf>(seconds, std::move(at)), nullptr, {});
}

TEST(KeoSimReport, TravelCrossFeedsTurningTheTiltTooFastPutTheDriveOutside) {
    // A step of 1 m/s² forward and to the left: the tilts render it at their rate limits while
    // the travel it also starts feeds sway into roll and surge into pitch on top.
    const auto step = [](double t) {
        VehicleInput input;
        input.longitudinalAcceleration = input.lateralAcceleration = t >= 1.0 ? 1.0 : 0.0;
        return input;
    };
    for (const bool crossFeeds : {true, false}) {
        SCOPED_TRACE(crossFeeds ? "with the cross-feeds" : "without");
        Config config = exampleConfig();
        config.mixer.swayToRoll.enabled = config.mixer.surgeToPitch.enabled = crossFeeds;
        const EnvelopeReport report = run(config, defaultEnvelope(0), 12.0, step);
        for (const TiltRotation& axis : report.tiltRotations) {
            SCOPED_TRACE(axis.name);
            ASSERT_TRUE(axis.rateLimit);
            EXPECT_GT(axis.tiltRate.magnitude(), 0.9 * *axis.rateLimit) << "the tilt turns";
            EXPECT_LE(axis.tiltRate.magnitude(), 1.001 * *axis.rateLimit);
            EXPECT_EQ(axis.rate.magnitude() > 1.1 * *axis.rateLimit, crossFeeds);
            EXPECT_EQ(axis.beyondLimit(), crossFeeds);
        }
        for (const DofUse& dof : report.dofs)
            EXPECT_FALSE(dof.outside()) << dof.name << " stays well within its envelope";
        EXPECT_EQ(report.withinEnvelope(), !crossFeeds);
    }
}

// Only the absolute pitch path on, passing the vehicle's pitch angle to the final pitch limit.
Config absolutePitchOnly(KEOLimitationType::Enum finalLimit) {
    Config config = zeroConfig();
    config.absolutePitch.enabled = true;
    config.absolutePitch.outputLimit.maxValueFactor = FloatPair::both(300.0f);
    config.multiplexer.pitch =
        Limitation{FloatPair::both(1.0f), finalLimit, FloatPair::both(100.0f)};
    return config;
}

// A pitch angle of `demand` times the final limit from 0.5 s to 1.5 s of a 3-second drive, nothing
// before or after.
EnvelopeReport pitchPulse(KEOLimitationType::Enum finalLimit, double demand) {
    const double angle = demand * defaultEnvelope(0).pitch;
    return run(absolutePitchOnly(finalLimit), defaultEnvelope(0), 3.0, [angle](double t) {
        VehicleInput input;
        input.pitchAngle = t >= 0.5 && t < 1.5 ? angle : 0.0;
        return input;
    });
}

TEST(KeoSimReport, AtTheLimitMeansPressedAgainstALogisticOrAHardFinalLimit) {
    struct Case {
        KEOLimitationType::Enum curve;
        double demand; // in final limits
        double secondsAtLimit;
    };
    const Case cases[] = {
        {KEOLimitationType::Logistic, 2.0, 1.0},
        {KEOLimitationType::Gain, 2.0, 1.0},
        {KEOLimitationType::Logistic, 0.5, 0.0},
        {KEOLimitationType::Gain, 0.5, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "curve " << c.curve << ", demand " << c.demand);
        const EnvelopeReport report = pitchPulse(c.curve, c.demand);
        EXPECT_NEAR(report.dofs[Pitch].secondsAtLimit, c.secondsAtLimit, 0.0015);
        EXPECT_NEAR(report.secondsOutside, c.secondsAtLimit, 0.0015);
        EXPECT_EQ(report.withinEnvelope(), c.secondsAtLimit == 0.0);
    }
}

TEST(KeoSimReport, EndsWithTheDriveLengthTheTimeOutsideAndTheVerdictApart) {
    const std::string text = reportText(pitchPulse(KEOLimitationType::Gain, 2.0));
    const std::string end = "Drive length: 3.000 s (3001 steps).\n"
                            "Time outside: 1.000 s (at a final limit, beyond the envelope or a "
                            "limit above, counted once).\n"
                            "Verdict: outside the envelope.\n";
    ASSERT_GE(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end) << text;
}

} // namespace
