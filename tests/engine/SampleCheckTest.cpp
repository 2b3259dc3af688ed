// Bad samples from the source must not move the platform: a single absurd value interpolated
// towards once passed as plausible motion (20 mm of surge from one sample of 100 Hz braking), and
// a value that dropped out once counted as 0, itself a jolt.
#include "EngineFixture.h"
#include "engine/Words.h"
#include "engine/drive/Drive.h"
#include "engine/drive/Telemetry.h"

#include <gtest/gtest.h>
#include <limits>
#include <sstream>

using namespace enginetest;
namespace w = engine::words;
namespace recorded = engine::drive;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// The braking manoeuvre as 100 Hz telemetry; `edit` may change a row's longitudinal acceleration.
std::string brakingCsv(const std::function<double(int row, double value)>& edit) {
    const auto braking = recorded::makeManoeuvre("braking");
    std::ostringstream csv;
    csv.precision(17);
    csv << "time_s,longitudinal_acceleration_mps2,vertical_acceleration_mps2,pitch_rate_radps,"
           "pitch_angle_rad,speed_mps\n";
    const int rows = int(braking->duration() * 100.0);
    for (int row = 0; row <= rows; ++row) {
        const VehicleInput in = braking->at(row / 100.0);
        csv << row / 100.0 << ',' << edit(row, in.longitudinalAcceleration) << ','
            << in.verticalAcceleration << ',' << in.pitchRate << ',' << in.pitchAngle << ','
            << in.speed << '\n';
    }
    return csv.str();
}

// The platform's six degrees of freedom at every step of a drive played at the engine's rate.
std::vector<std::array<float, 6>> platformAlong(const std::string& csv) {
    const std::shared_ptr<const recorded::Drive> telemetry =
        recorded::parseTelemetry(csv, "braking.csv");
    Engine engine = engineFor(exampleConfig());
    recorded::DrivePlayer player(telemetry, stepRate, false);
    std::vector<std::array<float, 6>> poses;
    KEOOutputRecord record{};
    for (VehicleInput in; player.next(in);) {
        engine.step(in, dt, record);
        const w::Dof p = w::platform;
        poses.push_back({record.signal(p.roll), record.signal(p.pitch), record.signal(p.yaw),
                         record.signal(p.sway), record.signal(p.heave), record.signal(p.surge)});
    }
    return poses;
}

} // namespace

TEST(SampleCheck, OneAbsurdRecordedSampleMovesThePlatformNoMoreThanHoldingTheLastGoodOne) {
    constexpr int badRow = 150; // braking at full force
    double held = 0.0;
    const auto holding = [&](int row, double a) {
        if (row == badRow - 1)
            held = a;
        return row == badRow ? held : a;
    };
    const auto absurd = [](int row, double a) {
        return row == badRow ? 2000.0 : a;
    };
    const auto withHeld = platformAlong(brakingCsv(holding));
    const auto withAbsurd = platformAlong(brakingCsv(absurd));
    ASSERT_EQ(withHeld.size(), withAbsurd.size());
    double surge = 0.0, pitch = 0.0;
    for (std::size_t i = 0; i < withHeld.size(); ++i) {
        surge = std::max(surge, double(std::fabs(withHeld[i][5] - withAbsurd[i][5])));
        pitch = std::max(pitch, double(std::fabs(withHeld[i][1] - withAbsurd[i][1])));
    }
    EXPECT_LT(surge, 0.001);             // m
    EXPECT_LT(pitch * 180.0 / pi, 0.05); // degrees
}

// From the host: a short fault holds the last good value, exactly; a long one holds it, then
// fades it to rest without a jump.
TEST(SampleCheck, HostFaultsHoldTheLastGoodValueThenFadeToRest) {
    Config config = exampleConfig();
    enableAll(config);
    const auto withFaults = [](bool held) {
        return [held](double t) {
            VehicleInput in = lively(t);
            const long step = std::lround(t / dt);
            if (step % 500 == 7) {
                const VehicleInput before = lively(double(step - 1) * dt); // as the drive gave it
                in.lateralAcceleration = held ? before.lateralAcceleration : notANumber;
                in.yawRate = held ? before.yawRate : std::numeric_limits<double>::infinity();
            }
            return in;
        };
    };
    Engine faulty = engineFor(config), clean = engineFor(config);
    KEOOutputRecord a{}, b{};
    for (int i = 0; i < 3000; ++i) {
        faulty.step(withFaults(false)(i * dt), dt, a);
        clean.step(withFaults(true)(i * dt), dt, b);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "step " << i;
    }

    Engine engine = engineFor(config);
    constexpr double steady = 3.0, dropout = 2.0;
    double largestJump = 0.0, previous = 0.0, heldAt = 0.0, last = 0.0;
    drive(
        engine, 6.0,
        [](double t) {
            VehicleInput in;
            in.lateralAcceleration = t >= dropout && t < dropout + 3.0 ? notANumber : steady;
            return in;
        },
        [&](double t, const KEOOutputRecord& r) {
            const double input = r.signal(w::lateralAcceleration);
            if (t > 0.0 && t < dropout + 3.0) // the source's own return at the end may jump
                largestJump = std::max(largestJump, std::fabs(input - previous));
            if (std::fabs(t - (dropout + 0.05)) < dt / 2)
                heldAt = input;
            if (t < dropout + 3.0)
                last = input;
            previous = input;
        });
    EXPECT_EQ(heldAt, steady);
    EXPECT_EQ(last, 0.0);
    // Half a cosine over the fade: no step larger than its steepest slope allows.
    EXPECT_LT(largestJump, steady * pi / 2.0 * dt / engine::InputCheck::fadeSeconds * 1.01);
}
