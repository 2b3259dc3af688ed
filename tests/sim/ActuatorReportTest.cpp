// keo-sim with a rig: the actuators follow the platform the engine drives, and a drive that keeps
// every degree of freedom within its envelope can still push an actuator to its stop.
#include "ActuatorReport.h"

#include "DriveOf.h"
#include "SimOptions.h"
#include "Simulation.h"
#include "rig/RigReader.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double degree = pi / 180.0;

// The vehicle's body rolls and pitches to the given angles and back, 1 s each way, holding them
// from 2 s to 4 s.
std::shared_ptr<DriveOf> bodyTilt(double roll, double pitch) {
    return std::make_shared<DriveOf>(6.0, [roll, pitch](double t) {
        const double share = t < 1.0   ? 0.0
                             : t < 2.0 ? 0.5 - 0.5 * std::cos(pi * (t - 1.0))
                             : t < 4.0 ? 1.0
                             : t < 5.0 ? 0.5 + 0.5 * std::cos(pi * (t - 4.0))
                                       : 0.0;
        engine::VehicleInput input;
        input.rollAngle = share * roll;
        input.pitchAngle = share * pitch;
        return input;
    });
}

// Only the absolute roll and pitch paths on: the platform takes the body's angles as they are, up
// to the envelope.
Config absoluteAnglesOnly() {
    Config config = zeroConfig();
    for (AbsoluteAngleConfig* path : {&config.absoluteRoll, &config.absolutePitch}) {
        path->enabled = true;
        path->outputLimit.maxValueFactor = FloatPair::both(300.0f);
    }
    const Limitation clipped{FloatPair::both(1.0f), KEOLimitationType::Gain,
                             FloatPair::both(100.0f)};
    config.multiplexer.roll = config.multiplexer.pitch = clipped;
    return config;
}

struct Outcome {
    EnvelopeReport envelope;
    rig::ActuatorReport actuators;
};

Outcome tilt(const rig::Rig& rig, double roll, double pitch) {
    ActuatorWatch watch(rig, 1000.0);
    Outcome outcome;
    outcome.envelope = simulate(absoluteAnglesOnly(), KEOParamSet::First, defaultEnvelope(0),
                                1000.0, bodyTilt(roll, pitch), nullptr, {}, {}, &watch);
    outcome.actuators = watch.report();
    return outcome;
}

double longestAtAStop(const rig::ActuatorReport& report) {
    double seconds = 0.0;
    for (const rig::ActuatorUse& use : report.actuators)
        seconds = std::max(seconds, use.secondsAtStop);
    return seconds;
}

TEST(KeoSimActuators, ABodyRollAndPitchWithinTheEnvelopeTogetherPushAnActuatorToItsStop) {
    const rig::Rig rig = rig::loadRig(std::string(KEO_EXAMPLES_DIR) + "/rigs/hexapod.json");
    // 20 degrees, within cluster 1's default envelope of 22 degrees of roll and of pitch.
    const double angle = 20.0 * degree;
    const Outcome rollAlone = tilt(rig, angle, 0.0);
    const Outcome pitchAlone = tilt(rig, 0.0, angle);
    const Outcome both = tilt(rig, angle, angle);
    for (const Outcome* outcome : {&rollAlone, &pitchAlone, &both})
        EXPECT_TRUE(outcome->envelope.withinEnvelope());
    EXPECT_TRUE(rollAlone.actuators.withinLimits());
    EXPECT_TRUE(pitchAlone.actuators.withinLimits());
    EXPECT_FALSE(both.actuators.withinLimits());
    EXPECT_GT(longestAtAStop(both.actuators), 2.0) << "the hold and part of both ramps";

    // The actuators went through the lengths of the pitched platform, from rest to the hold.
    std::vector<double> shortest(rig.actuators.size(), INFINITY), longest(shortest.size(), 0.0);
    for (int i = 0; i <= 2000; ++i) {
        rig::Pose pose;
        pose.pitch = angle * i / 2000.0;
        const std::vector<double> lengths = rig::actuatorLengths(rig, pose);
        for (std::size_t a = 0; a < lengths.size(); ++a) {
            shortest[a] = std::min(shortest[a], lengths[a]);
            longest[a] = std::max(longest[a], lengths[a]);
        }
    }
    for (std::size_t a = 0; a < rig.actuators.size(); ++a) {
        const rig::ActuatorUse& use = pitchAlone.actuators.actuators[a];
        EXPECT_NEAR(use.shortest, shortest[a], 1e-6);
        EXPECT_NEAR(use.longest, longest[a], 1e-6);
    }
    const std::string text = actuatorReportText(both.actuators, rig);
    EXPECT_NE(text.find("AT A STOP"), std::string::npos) << text;
}

} // namespace
