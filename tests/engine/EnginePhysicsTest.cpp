#include "EngineFixture.h"

#include "config/ConfigFields.h"
#include "engine/Words.h"
#include "live/RoutingTable.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <vector>

using namespace enginetest;
using engine::VehicleInput;
namespace w = engine::words;

namespace {

VehicleInput braking(double) {
    VehicleInput in;
    in.longitudinalAcceleration = 1.0;
    return in;
}

} // namespace

// A sustained acceleration is rendered by tilt alone: the travel washes out to neutral while the
// platform pitches to the angle at which gravity pushes as hard, never faster than allowed.
TEST(EnginePhysics, SustainedAccelerationWashesOutToNeutralAndTiltsToGravityAngle) {
    Config config = exampleConfig();
    config.longitudinal.tiltCoordination.outputLimit.maxValueFactor = FloatPair::both(100.0f);
    Engine engine = engineFor(config);
    const double maxRate = config.longitudinal.tiltCoordination.maximumRate[0];
    double previousTilt = 0.0, peakTravel = 0.0;
    KEOOutputRecord last{};
    drive(engine, 120.0, braking, [&](double, const KEOOutputRecord& r) {
        const double tilt = r.signal(w::longitudinalTilt.output);
        EXPECT_LE(std::fabs(tilt - previousTilt), maxRate * dt * (1.0 + 1e-4) + 1e-7);
        previousTilt = tilt;
        peakTravel = std::max(peakTravel, std::fabs(double(r.signal(w::platform.surge))));
        last = r;
    });
    EXPECT_GT(peakTravel, 0.01) << "the onset must move the platform";
    EXPECT_NEAR(last.signal(w::platform.surge), 0.0, 1e-4);
    // -asin(1 / g): 5.85 degrees, nose up for a forward acceleration.
    EXPECT_NEAR(last.signal(w::longitudinalTilt.output) * 180.0 / pi, -5.85, 0.01);
    EXPECT_NEAR(last.signal(w::platform.pitch), last.signal(w::longitudinalTilt.output), 1e-6);
}

// Every output limitation holds whatever comes in, and a bad sample is as harmless as a zero one.
TEST(EnginePhysics, OutputLimitsHoldForHostileInputs) {
    Config config = exampleConfig();
    enableAll(config);
    auto widen = [](auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, KEOLimitationType::Enum>)
            value = KEOLimitationType::None; // no curve: only the bound holds the output
    };
    ConfigFields::visit(config, widen);
    for (AxisConfig* a : {&config.lateral, &config.longitudinal, &config.vertical})
        a->travel.bypassAccIntegration = a->travel.bypassSpeedIntegration = true;
    const WorkEnvelopeLimits e = envelope();
    // Each output limitation word, and its bound: maxValueFactor percent of its envelope value.
    const std::vector<std::pair<int, double>> bounds = {
        {w::lateralTravel.output, e.sway}, {w::longitudinalTravel.output, e.surge},
        {w::verticalTravel.output, e.heave}, {w::lateralTilt.output, e.roll},
        {w::longitudinalTilt.output, e.pitch}, {w::verticalTilt.output, e.pitch},
        {w::lateralAngular.output, e.roll}, {w::longitudinalAngular.output, e.pitch},
        {w::verticalAngular.output, e.yaw}, {w::absolutePitch.output, e.pitch},
        {w::absoluteRoll.output, e.roll}, {w::swayToRoll.output, e.roll},
        {w::yawToRoll.output, e.roll}, {w::surgeToPitch.output, e.pitch},
        {w::heaveToPitch.output, e.pitch}, {w::roadToSurgeLeft.output, e.surge},
        {w::roadToPitchRight.output, e.pitch}, {w::roadHarshnessLeft.output, e.heave},
        {w::sideslipToYaw.output, e.yaw}, {w::sideslipToRoll.output, e.roll},
        {w::understeerToYaw.output, e.yaw}, {w::understeerToRoll.output, e.roll}};
    const std::vector<std::pair<int, double>> platform = {
        {w::platform.roll, e.roll}, {w::platform.pitch, e.pitch}, {w::platform.yaw, e.yaw},
        {w::platform.sway, e.sway}, {w::platform.heave, e.heave}, {w::platform.surge, e.surge}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double hostile : {nan, inf, -inf, 1e300, -5e3, DBL_MIN / 4, 900.0}) {
        SCOPED_TRACE(hostile);
        Engine engine = engineFor(config);
        auto input = [&](double t) {
            VehicleInput in = lively(t);
            const int phase = int(t * 10.0) % 3; // hostile, then wild, then ordinary
            double* fields[] = {&in.longitudinalAcceleration, &in.lateralAcceleration,
                                &in.verticalAcceleration, &in.verticalTiltAcceleration,
                                &in.rollRate, &in.pitchRate, &in.yawRate, &in.pitchAngle,
                                &in.rollAngle, &in.roadLeft, &in.roadRight, &in.sideslipAngle,
                                &in.speed, &in.frontWheelAngle, &in.wheelbase};
            for (double* f : fields)
                *f = phase == 0 ? hostile : phase == 1 ? *f * 40.0 * std::sin(97.0 * t) : *f;
            return in;
        };
        drive(engine, 3.0, input, [&](double, const KEOOutputRecord& r) {
            for (int word = 2; word < KEOOutputRecord::wordCount; ++word)
                ASSERT_TRUE(std::isfinite(r.signal(word))) << "word " << word;
            for (auto [word, envelopeValue] : bounds)
                ASSERT_LE(std::fabs(r.signal(word)), 1.5 * envelopeValue * (1 + 1e-6)) << word;
            for (auto [word, envelopeValue] : platform)
                ASSERT_LE(std::fabs(r.signal(word)), envelopeValue * (1 + 1e-6)) << word;
        });
    }
}

TEST(EnginePhysics, BadSampleCountsAsZeroAndTheNextGoodOneIsServed) {
    Config config = exampleConfig();
    enableAll(config);
    Engine faulty = engineFor(config), reference = engineFor(config);
    KEOOutputRecord a{}, b{};
    for (int i = 0; i < 3000; ++i) {
        VehicleInput in = lively(i * dt), clean = in;
        if (i % 500 == 7) {
            in.lateralAcceleration = std::numeric_limits<double>::quiet_NaN();
            in.yawRate = std::numeric_limits<double>::infinity();
            clean.lateralAcceleration = clean.yawRate = 0.0;
        }
        faulty.step(in, dt, a);
        reference.step(clean, dt, b);
        ASSERT_EQ(0, std::memcmp(&a.words[2], &b.words[2], 151 * sizeof(std::uint32_t))) << i;
    }
}

// A path switched off outputs exactly zero while the same path switched on moves.
TEST(EnginePhysics, DisabledPathOutputsZero) {
    struct Case {
        const char* name;
        bool& (*flag)(Config&);
        int output;
    };
    const Case cases[] = {
        {"lateral travel", [](Config& c) -> bool& { return c.lateral.travel.enabled; },
         w::lateralTravel.output},
        {"vertical travel", [](Config& c) -> bool& { return c.vertical.travel.enabled; },
         w::verticalTravel.output},
        {"longitudinal tilt",
         [](Config& c) -> bool& { return c.longitudinal.tiltCoordination.enabled; },
         w::longitudinalTilt.output},
        {"vertical tilt", [](Config& c) -> bool& { return c.vertical.tiltCoordination.enabled; },
         w::verticalTilt.output},
        {"yaw angular", [](Config& c) -> bool& { return c.vertical.angularVelocity.enabled; },
         w::verticalAngular.output},
        {"absolute roll", [](Config& c) -> bool& { return c.absoluteRoll.enabled; },
         w::absoluteRoll.output},
        {"mixer yaw to roll", [](Config& c) -> bool& { return c.mixer.yawToRoll.enabled; },
         w::yawToRoll.output},
        {"road to pitch", [](Config& c) -> bool& { return c.mixer.roadHarshnessToPitch.enabled; },
         w::roadToPitchLeft.output},
        {"road harshness", [](Config& c) -> bool& { return c.enhancer.roadHarshness.enabled; },
         w::roadHarshnessRight.output},
        {"sideslip to yaw", [](Config& c) -> bool& { return c.enhancer.sideslipToYaw.enabled; },
         w::sideslipToSway},
        {"understeer to roll", [](Config& c) -> bool& { return c.understeer.toRoll.enabled; },
         w::understeerToRoll.output},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool enabled : {true, false}) {
            Config config = exampleConfig();
            enableAll(config);
            c.flag(config) = enabled;
            Engine engine = engineFor(config);
            double peak = 0.0;
            drive(engine, 5.0, lively, [&](double, const KEOOutputRecord& r) {
                peak = std::max(peak, std::fabs(double(r.signal(c.output))));
            });
            if (enabled)
                EXPECT_GT(peak, 1e-5);
            else
                EXPECT_EQ(peak, 0.0);
        }
    }
}

// A bypassed integration hands its input on unchanged; an active one hands on increments.
TEST(EnginePhysics, BypassedIntegrationPassesItsInputOn) {
    struct Case {
        bool& (*flag)(Config&);
        int input, output;
    };
    const Case cases[] = {
        {[](Config& c) -> bool& { return c.lateral.travel.bypassAccIntegration; },
         w::lateralTravel.accelerationFiltered, w::lateralTravel.accelerationIntegrated},
        {[](Config& c) -> bool& { return c.longitudinal.travel.bypassSpeedIntegration; },
         w::longitudinalTravel.velocityFiltered, w::longitudinalTravel.velocityIntegrated},
        {[](Config& c) -> bool& { return c.vertical.angularVelocity.bypassIntegration; },
         w::verticalAngular.velocityFiltered, w::verticalAngular.integrated},
    };
    for (const Case& c : cases) {
        for (bool bypass : {true, false}) {
            Config config = exampleConfig();
            enableAll(config);
            c.flag(config) = bypass;
            Engine engine = engineFor(config);
            double previousInput = 0.0;
            drive(engine, 2.0, lively, [&](double, const KEOOutputRecord& r) {
                const double in = r.signal(c.input), out = r.signal(c.output);
                const double expected = bypass ? in : 0.5 * (in + previousInput) * dt;
                ASSERT_NEAR(out, expected, 1e-6 * std::max(1.0, std::fabs(in)));
                previousInput = in;
            });
        }
    }
}

// Parameter set 2 runs on the second member of every number, switches and types shared.
TEST(EnginePhysics, SecondParameterSetRunsItsOwnMembers) {
    Config config = exampleConfig();
    enableAll(config);
    Config secondAsFirst = config;
    auto takeSecond = [](auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, FloatPair>)
            value[0] = value[1];
    };
    ConfigFields::visit(secondAsFirst, takeSecond);
    Engine second = engineFor(config, KEOParamSet::Second);
    Engine reference = engineFor(secondAsFirst, KEOParamSet::First);
    Engine first = engineFor(config, KEOParamSet::First);
    KEOOutputRecord a{}, b{}, c{};
    bool differsFromFirst = false;
    for (int i = 0; i < 2000; ++i) {
        second.step(lively(i * dt), dt, a);
        reference.step(lively(i * dt), dt, b);
        first.step(lively(i * dt), dt, c);
        ASSERT_EQ(0, std::memcmp(&a.words[2], &b.words[2], 151 * sizeof(std::uint32_t))) << i;
        differsFromFirst |= a.signal(w::platform.surge) != c.signal(w::platform.surge);
    }
    EXPECT_TRUE(differsFromFirst);
}

// Each degree of freedom before its final limit is the sum of what its summation graph shows
// (the road-harshness pairs as their mean), plus the understeer outputs the graphs leave out.
TEST(EnginePhysics, MultiplexerSumsWhatTheSummationGraphsShow) {
    Config config = exampleConfig();
    enableAll(config);
    Engine engine = engineFor(config);
    const std::pair<std::size_t, std::vector<int>> sums[] = {
        {routing::rollSumRoute, {w::summed.roll, w::understeerToRoll.output}},
        {routing::pitchSumRoute, {w::summed.pitch}},
        {routing::yawSumRoute, {w::summed.yaw, w::understeerToYaw.output}},
        {routing::swaySumRoute, {w::summed.sway, w::understeerToSway}},
        {routing::heaveSumRoute, {w::summed.heave}},
        {routing::surgeSumRoute, {w::summed.surge}}};
    drive(engine, 4.0, lively, [&](double, const KEOOutputRecord& r) {
        for (const auto& [route, words] : sums) {
            double total = 0.0;
            for (int i = 0; i < routing::graphRoutes[route].seriesCount; ++i) {
                const routing::SeriesSource& s = routing::graphRoutes[route].series[i];
                total += s.otherWord < 0 ? r.signal(s.word)
                                         : 0.5 * (r.signal(s.word) + r.signal(s.otherWord));
            }
            for (std::size_t i = 1; i < words.size(); ++i)
                total += r.signal(words[i]);
            ASSERT_NEAR(r.signal(words[0]), total, 1e-5) << routing::graphRoutes[route].objectName;
        }
    });
}
