// The kinematics of a rig, judged by geometry: the neutral pose, a round trip through the
// forward solve, a pure heave on a symmetric hexapod, and the coupling that lets two degrees of
// freedom together push an actuator to its stop where each alone does not.
#include "rig/Kinematics.h"

#include "rig/ActuatorMonitor.h"
#include "rig/RigReader.h"
#include "support/ErrorText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using rig::Pose;
using rig::Rig;
using rig::Vec3;

constexpr double pi = 3.14159265358979323846;
constexpr double degree = pi / 180.0;

Rig bundledRig() {
    return rig::loadRig(std::string(KEO_EXAMPLES_DIR) + "/rigs/hexapod.json");
}

double distance(const Vec3& a, const Vec3& b) {
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// Three pairs of actuators, each pair mirrored about its axis and the pairs 120° apart: every
// actuator is every other one turned or mirrored, with the motion reference point on the axis.
Rig symmetricHexapod() {
    Rig rig;
    rig.motionReferencePoint = {0.0, 0.0, 1.0};
    for (int pair = 0; pair < 3; ++pair)
        for (const int side : {-1, 1}) {
            const double base = (120.0 * pair + side * 15.0) * degree;
            const double top = (120.0 * pair + side * 50.0) * degree;
            rig::Actuator a;
            a.base = {0.7 * std::cos(base), 0.7 * std::sin(base), 0.0};
            a.platform = {0.5 * std::cos(top), 0.5 * std::sin(top), 0.6};
            a.minLength = 0.5, a.maxLength = 1.0, a.maxVelocity = 1.0, a.maxAcceleration = 20.0;
            rig.actuators.push_back(a);
        }
    return rig;
}

TEST(Kinematics, TheNeutralPoseGivesEveryActuatorTheDistanceBetweenItsJoints) {
    const Rig rig = bundledRig();
    const std::vector<double> lengths = rig::actuatorLengths(rig, Pose{});
    ASSERT_EQ(lengths.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR(lengths[i], distance(rig.actuators[i].base, rig.actuators[i].platform), 1e-15);
}

TEST(Kinematics, TheForwardSolveOfComputedLengthsReturnsThePose) {
    const Rig rig = bundledRig();
    const Pose poses[] = {
        {10 * degree, 0, 0, 0, 0, 0},
        {0, -12 * degree, 0, 0, 0, 0},
        {0, 0, 20 * degree, 0, 0, 0},
        {0, 0, 0, 0.1, 0, 0},
        {0, 0, 0, 0, -0.12, 0},
        {0, 0, 0, 0, 0, 0.15},
        {8 * degree, -6 * degree, 12 * degree, -0.05, 0.07, -0.09},
        {-15 * degree, 10 * degree, -5 * degree, 0.12, -0.03, 0.04},
    };
    for (const Pose& pose : poses) {
        const auto solved = rig::solvePose(rig, rig::actuatorLengths(rig, pose));
        ASSERT_TRUE(solved);
        const double got[] = {solved->roll,  solved->pitch, solved->yaw,
                              solved->heave, solved->sway,  solved->surge};
        const double wanted[] = {pose.roll,  pose.pitch, pose.yaw,
                                 pose.heave, pose.sway,  pose.surge};
        for (int k = 0; k < 6; ++k)
            EXPECT_NEAR(got[k], wanted[k], 1e-9) << "degree of freedom " << k;
    }
}

TEST(Kinematics, APureHeaveLengthensAllSixActuatorsOfASymmetricRigAlike) {
    const Rig rig = symmetricHexapod();
    const rig::Actuator& first = rig.actuators.front();
    const double across =
        std::hypot(first.platform.x - first.base.x, first.platform.y - first.base.y);
    const double rise = first.platform.z - first.base.z;
    double previous = 0.0;
    for (const double heave : {-0.15, -0.05, 0.0, 0.05, 0.15}) {
        SCOPED_TRACE(heave);
        Pose pose;
        pose.heave = heave;
        const std::vector<double> lengths = rig::actuatorLengths(rig, pose);
        for (const double length : lengths)
            EXPECT_NEAR(length, std::hypot(across, rise + heave), 1e-12);
        EXPECT_GT(lengths.front(), previous);
        previous = lengths.front();
    }
}

// Moves the platform to `pose` over 1 s, holds it 1 s and comes back, at 1000 steps per second.
rig::ActuatorReport visit(const Rig& rig, const Pose& pose) {
    rig::ActuatorMonitor monitor(rig, 1000.0);
    for (int step = 0; step <= 3000; ++step) {
        const double t = step / 1000.0;
        const double share = t < 1.0   ? 0.5 - 0.5 * std::cos(pi * t)
                             : t < 2.0 ? 1.0
                                       : 0.5 + 0.5 * std::cos(pi * (t - 2.0));
        monitor.add({share * pose.roll, share * pose.pitch, share * pose.yaw, share * pose.heave,
                     share * pose.sway, share * pose.surge});
    }
    return monitor.report();
}

double secondsAtAStop(const rig::ActuatorReport& report) {
    double seconds = 0.0;
    for (const rig::ActuatorUse& use : report.actuators)
        seconds = std::max(seconds, use.secondsAtStop);
    return seconds;
}

TEST(Kinematics, TwoDegreesOfFreedomTogetherReachAStopThatEachAloneDoesNot) {
    // keo-sim's default envelope of cluster 1: roll, pitch, yaw 22, 22, 25 degrees; heave, sway,
    // surge 0.18, 0.22, 0.24 m.
    const double envelope[] = {22 * degree, 22 * degree, 25 * degree, 0.18, 0.22, 0.24};
    const Rig rig = bundledRig();
    for (int dof = 0; dof < 6; ++dof)
        for (const double sign : {-1.0, 1.0}) {
            SCOPED_TRACE(dof * sign);
            double pose[6] = {};
            pose[dof] = sign * envelope[dof];
            const auto report = visit(rig, {pose[0], pose[1], pose[2], pose[3], pose[4], pose[5]});
            EXPECT_EQ(secondsAtAStop(report), 0.0);
        }
    const auto together = visit(rig, {envelope[0], envelope[1], 0, 0, 0, 0});
    EXPECT_GT(secondsAtAStop(together), 1.0) << "held at the combined pose for a second";
    EXPECT_FALSE(together.withinLimits());
}

TEST(ActuatorMonitor, MeasuresAHeaveSineAsItsActuatorsMove) {
    // 0.05 m at 1.5 Hz on the symmetric rig: every actuator's length is √(across² + (rise +
    // h)²), whose rate and acceleration follow from h's by the chain rule.
    const Rig rig = symmetricHexapod();
    const rig::Actuator& first = rig.actuators.front();
    const double across =
        std::hypot(first.platform.x - first.base.x, first.platform.y - first.base.y);
    const double rise = first.platform.z - first.base.z;
    const double amplitude = 0.05, omega = 2 * pi * 1.5;
    rig::ActuatorMonitor monitor(rig, 1000.0);
    double peakVelocity = 0.0, peakAcceleration = 0.0;
    for (int step = 0; step <= 4000; ++step) {
        const double t = step / 1000.0;
        const double h = amplitude * std::sin(omega * t);
        const double dh = amplitude * omega * std::cos(omega * t);
        const double ddh = -amplitude * omega * omega * std::sin(omega * t);
        const double l = std::hypot(across, rise + h);
        const double dl = (rise + h) * dh / l;
        peakVelocity = std::max(peakVelocity, std::fabs(dl));
        peakAcceleration =
            std::max(peakAcceleration, std::fabs(((rise + h) * ddh + dh * dh - dl * dl) / l));
        Pose pose;
        pose.heave = h;
        monitor.add(pose);
    }
    const rig::ActuatorReport report = monitor.report();
    for (const rig::ActuatorUse& use : report.actuators) {
        EXPECT_NEAR(use.velocity.magnitude(), peakVelocity, 0.001 * peakVelocity);
        EXPECT_NEAR(use.acceleration.magnitude(), peakAcceleration, 0.01 * peakAcceleration);
        EXPECT_NEAR(use.longest - use.shortest,
                    std::hypot(across, rise + amplitude) - std::hypot(across, rise - amplitude),
                    1e-9);
        EXPECT_FALSE(use.outside()) << "1 m/s and 20 m/s² are far off";
    }
}

TEST(RigReader, ARigThatCannotBeBuiltIsRefusedWithTheKeyOfItsFault) {
    const std::string limits = R"("limits": {"min_length_m": 0.5, "max_length_m": 1.0,
        "max_velocity_mps": 0.6, "max_acceleration_mps2": 15})";
    const auto rigWith = [&](const std::string& actuator, const std::string& extra = "") {
        return std::string(R"({"motion_reference_point_m": [0, 0, 1], )") + limits + extra +
               R"(, "actuators": [)" + actuator + "]}";
    };
    const std::string good = R"({"base_m": [0.6, 0, 0], "platform_m": [0.4, 0, 0.6]})";
    std::string thirteen = good;
    for (int i = 1; i < 13; ++i)
        thirteen += "," + good;
    const std::string cases[][2] = {
        {"{\"actuators\": [}", "r.json, line 1, column 16: the JSON is malformed"},
        {rigWith(""), "r.json: actuators: must list 1 to 12 actuators"},
        {rigWith(good, R"(, "name": 1e999)"),
         "r.json: the JSON is malformed: it holds a number beyond any range"},
        {rigWith(thirteen), "r.json: actuators: must list 1 to 12 actuators"},
        {rigWith(R"({"base_m": [0.6, 0], "platform_m": [0.4, 0, 0.6]})"),
         "r.json: actuators[0].base_m: must be three numbers"},
        {rigWith(R"({"base_m": [600, 0, 0], "platform_m": [0.4, 0, 0.6]})"),
         "r.json: actuators[0].base_m: must be a number between -100 and 100"},
        {rigWith(R"({"base_m": [0.6, 0, 0], "platfrom_m": [0.4, 0, 0.6]})"),
         "r.json: actuators[0]: unknown key \"platfrom_m\""},
        {rigWith(R"({"base_m": [0.6, 0, 0], "platform_m": [0.4, 0, 0.6], "max_length_m": 0.4})"),
         "r.json: actuators[0]: its maximum length must exceed its minimum"},
        {rigWith(R"({"base_m": [0.6, 0, 0], "platform_m": [0.4, 0, 0.6],
                     "max_velocity_mps": 0})"),
         "r.json: actuators[0].max_velocity_mps: must be above 0"},
        {rigWith(R"({"base_m": [0.6, 0, 0], "platform_m": [0.4, 0, 0.2]})"),
         "r.json: actuators[0]: the neutral pose puts it at 0.282843 m, not between its stops"},
        {R"({"motion_reference_point_m": [0, 0, 1], "actuators": [)" + good + "]}",
         "r.json: actuators[0]: no \"min_length_m\", neither its own nor in \"limits\""},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        const std::string error = errorText<rig::RigError>([&] { rig::parseRig(text, "r.json"); });
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

} // namespace
