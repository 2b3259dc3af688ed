#include "EngineFixture.h"
#include "config/ConfigFields.h"
#include "engine/Words.h"
#include "engine/drive/Manoeuvres.h"
#include "live/RoutingTable.h"
#include "models/ConfigFieldTable.h"

#include <cfloat>
#include <cstddef>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <tuple>
#include <vector>

using namespace enginetest;
using engine::VehicleInput;
namespace w = engine::words;

namespace {

VehicleInput accelerating(double t) {
    VehicleInput in;
    in.longitudinalAcceleration = t < 0.5 ? 0.0 : 1.0;
    return in;
}

// A switch of the record by its place in it.
bool& flagAt(Config& config, std::size_t offset) {
    return *reinterpret_cast<bool*>(reinterpret_cast<char*>(&config) + offset);
}

using Input = std::function<VehicleInput(double)>;

// Steps two engines side by side and expects their records to agree from word `first` on.
void expectSameRun(Engine a, const Input& inputA, Engine b, const Input& inputB, double tolerance,
                   int first = w::stepTime) {
    KEOOutputRecord ra{}, rb{};
    for (int i = 0; i < 3000; ++i) {
        a.step(inputA(i * dt), dt, ra);
        b.step(inputB(i * dt), dt, rb);
        for (int word = first; word < KEOOutputRecord::wordCount; ++word)
            ASSERT_NEAR(ra.signal(word), rb.signal(word), tolerance) << word << " at step " << i;
    }
}

} // namespace

// A sustained acceleration is rendered by tilt alone: the travel washes out to neutral while the
// platform pitches to the angle at which gravity pushes as hard, never faster than allowed.
TEST(EnginePhysics, SustainedAccelerationWashesOutToNeutralAndTiltsToGravityAngle) {
    Config config = exampleConfig();
    config.longitudinal.tiltCoordination.outputLimit.maxValueFactor = FloatPair::both(100.0f);
    config.algorithm.removeVerticalComponent = true; // the drive comes without gravity
    Engine engine = engineFor(config);
    const double maxRate = config.longitudinal.tiltCoordination.maximumRate[0];
    double previousTilt = 0.0, peakTravel = 0.0;
    KEOOutputRecord last{};
    drive(engine, 120.0, accelerating, [&](double, const KEOOutputRecord& r) {
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
    // G1: what the tilt renders is taken off the travel path's input (up to the input curve).
    EXPECT_NEAR(last.signal(w::longitudinalTravel.transformed), 0.0, 0.02);
}

// Cross-feeding travel into pitch (the example's surge-to-pitch mixer) with the gravity correction
// on must not close a loop: after a hard stop the platform settles instead of ringing.
TEST(EnginePhysics, PlatformSettlesAfterAHardStop) {
    Engine engine = engineFor(exampleConfig()); // G2 off: an accelerometer source, gravity in it
    double peak = 0.0, late = 0.0;
    auto stop = [](double t) {
        VehicleInput in;
        in.longitudinalAcceleration = t > 0.5 && t < 4.0 ? -8.0 : 0.0;
        in.verticalAcceleration = 9.80665;
        return in;
    };
    drive(engine, 30.0, stop, [&](double t, const KEOOutputRecord& r) {
        const double moved =
            std::fabs(r.signal(w::platform.surge)) + std::fabs(r.signal(w::platform.pitch));
        double& window = t < 20.0 ? peak : late;
        window = std::max(window, moved);
    });
    EXPECT_LT(late, 0.01 * peak);
}

// Every output limitation holds whatever comes in, with every integration of travel bypassed.
TEST(EnginePhysics, OutputLimitsHoldForHostileInputs) {
    Config config = exampleConfig();
    enableAll(config);
    for (AxisConfig* a : {&config.lateral, &config.longitudinal, &config.vertical})
        a->travel.bypassAccIntegration = a->travel.bypassSpeedIntegration = true;
    const WorkEnvelopeLimits e = envelope;
    Config& c = config;
    MixerConfig& m = c.mixer;
    // Each output limitation with its word and envelope value. Without a curve (type None) only
    // the bound holds it: 150 % of the envelope, the final limits the envelope itself.
    const std::tuple<int, Limitation*, double> limits[] = {
        {w::lateralTravel.output, &c.lateral.travel.outputLimit, e.sway},
        {w::lateralTilt.output, &c.lateral.tiltCoordination.outputLimit, e.roll},
        {w::verticalTilt.output, &c.vertical.tiltCoordination.outputLimit, e.pitch},
        {w::verticalAngular.output, &c.vertical.angularVelocity.outputLimit, e.yaw},
        {w::absoluteRoll.output, &c.absoluteRoll.outputLimit, e.roll},
        {w::swayToRoll.output, &m.swayToRoll.outputLimit, e.roll},
        {w::roadToSurgeLeft.output, &m.roadHarshnessToSurge.outputLimit, e.surge},
        {w::roadHarshnessRight.output, &c.enhancer.roadHarshness.outputLimit, e.heave},
        {w::sideslipToYaw.output, &c.enhancer.sideslipToYaw.outputLimit, e.yaw},
        {w::understeerToRoll.output, &c.understeer.toRoll.outputLimit, e.roll},
        {w::platform.roll, &c.multiplexer.roll, e.roll / 1.5},
        {w::platform.pitch, &c.multiplexer.pitch, e.pitch / 1.5},
        {w::platform.yaw, &c.multiplexer.yaw, e.yaw / 1.5},
        {w::platform.sway, &c.multiplexer.sway, e.sway / 1.5},
        {w::platform.heave, &c.multiplexer.heave, e.heave / 1.5},
        {w::platform.surge, &c.multiplexer.surge, e.surge / 1.5}};
    for (auto [word, limit, envelopeValue] : limits)
        *limit =
            Limitation{FloatPair::both(3.0f), KEOLimitationType::None, FloatPair::both(150.0f)};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double hostile : {nan, inf, -inf, 1e300, -5e3, DBL_MIN / 4, 900.0}) {
        SCOPED_TRACE(hostile);
        Engine engine = engineFor(config);
        auto input = [&](double t) {
            VehicleInput in = lively(t);
            const int phase = int(t * 10.0) % 3; // hostile, then wild, then ordinary
            for (double* f : signalsOf(in))
                *f = phase == 0 ? hostile : phase == 1 ? *f * 40.0 * std::sin(97.0 * t) : *f;
            if (phase == 0)
                in.wheelbase = in.pointOfSense[1] = hostile;
            return in;
        };
        drive(engine, 3.0, input, [&](double, const KEOOutputRecord& r) {
            for (int word = 2; word < KEOOutputRecord::wordCount; ++word)
                ASSERT_TRUE(std::isfinite(r.signal(word))) << "word " << word;
            for (auto [word, limit, envelopeValue] : limits)
                ASSERT_LE(std::fabs(r.signal(word)), 1.5 * envelopeValue * (1 + 1e-6)) << word;
        });
    }
}

// A source whose vertical acceleration carries gravity, declared so (G2 off), moves the platform
// exactly as a gravity-free one declared with G2, with the gravity correction on or off: its input
// limitation acts on the motion alone (it once squashed the heave to 0.39 with G1 off).
TEST(EnginePhysics, GravityInTheInputsIsTakenOutWhereTheOptionsSaySo) {
    for (bool correction : {true, false}) {
        SCOPED_TRACE(correction ? "G1 on" : "G1 off");
        Config withGravity = exampleConfig();
        enableAll(withGravity);
        withGravity.algorithm.enableCorrection = correction;
        withGravity.algorithm.removeVerticalComponent = false;
        Config withoutGravity = withGravity;
        withoutGravity.algorithm.removeVerticalComponent = true;
        auto accelerometer = [](double t) {
            VehicleInput in = lively(t);
            in.verticalAcceleration += 9.80665;
            return in;
        };
        expectSameRun(engineFor(withGravity), accelerometer, engineFor(withoutGravity), lively,
                      1e-5, w::summed.roll);
    }
}

// Each rate limit turns its path's output at the rate its page shows, in the page's unit: the
// sideslip and understeer rates, stored in deg/s, once acted as rad/s, 57 times looser.
TEST(EnginePhysics, RateLimitsActAtTheRateTheirPageShows) {
    constexpr double shownRate = 10.0; // deg/s
    const Limitation wholeEnvelope{FloatPair::both(1.0f), KEOLimitationType::None,
                                   FloatPair::both(100.0f)};
    const FilterConfig passing{FloatPair::both(100.0f), {}, {}, KEOFilterType::LowPass};
    struct Case {
        const char* name;
        std::size_t rateOffset;
        int output;
        std::function<void(Config&)> enable;
        std::function<void(VehicleInput&)> step;
    };
    const Case cases[] = {
        {"sideslip to yaw", offsetof(Config, enhancer.sideslipToYaw.maximumRate),
         w::sideslipToYaw.output,
         [&](Config& c) {
             c.enhancer.sideslipToYaw.enabled = true;
             c.enhancer.sideslipToYaw.outputLimit = wholeEnvelope;
         },
         [](VehicleInput& in) {
             in.sideslipAngle = 0.3;
         }},
        {"sideslip to roll", offsetof(Config, enhancer.sideslipToRoll.maximumRate),
         w::sideslipToRoll.output,
         [&](Config& c) {
             c.enhancer.sideslipToRoll.enabled = true;
             c.enhancer.sideslipToRoll.outputLimit = wholeEnvelope;
         },
         [](VehicleInput& in) {
             in.sideslipAngle = 0.2;
         }},
        {"understeer", offsetof(Config, understeer.deltaTurningCurveMaximumRate),
         w::understeerToYaw.output,
         [&](Config& c) {
             UndersteerConfig& u = c.understeer;
             u.intendedTurningCurveFilter = u.actualTurningCurveFilter = u.yawRateFilter = passing;
             u.toYaw.enabled = true;
             u.toYaw.outputLimit = wholeEnvelope;
         },
         [](VehicleInput& in) {
             in.speed = 20.0;
             in.frontWheelAngle = 0.3;
         }},
        {"lateral tilt", offsetof(Config, lateral.tiltCoordination.maximumRate),
         w::lateralTilt.output,
         [&](Config& c) {
             c.lateral.tiltCoordination.enabled = true;
             c.lateral.tiltCoordination.accelerationFilter = passing;
             c.lateral.tiltCoordination.outputLimit = wholeEnvelope;
         },
         [](VehicleInput& in) {
             in.lateralAcceleration = 2.0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& fields = configFieldTable::fields();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const auto& f) { return f.offset == c.rateOffset; });
        ASSERT_NE(field, fields.end());
        ASSERT_EQ(field->unit, QStringLiteral("deg/s"));
        Config config = zeroConfig();
        c.enable(config);
        const double stored = field->shownInDegrees ? shownRate * pi / 180.0 : shownRate;
        *reinterpret_cast<FloatPair*>(reinterpret_cast<char*>(&config) + c.rateOffset) =
            FloatPair::both(float(stored));
        Engine engine = engineFor(config);
        double previous = 0.0, fastest = 0.0;
        drive(
            engine, 1.0,
            [&](double) {
                VehicleInput in;
                c.step(in);
                return in;
            },
            [&](double, const KEOOutputRecord& r) {
                fastest = std::max(fastest, std::fabs(r.signal(c.output) - previous) / dt);
                previous = r.signal(c.output);
            });
        EXPECT_NEAR(fastest * 180.0 / pi, shownRate, 0.01 * shownRate);
    }
}

// A host whose step time jitters by ±20 % moves the platform along the same trajectory as one
// stepping evenly: every block runs on the engine's own fixed step.
TEST(EnginePhysics, JitteredHostStepsGiveTheSameTrajectory) {
    const std::shared_ptr<const engine::drive::Drive> mix = engine::drive::makeManoeuvre("mix");
    Config config = exampleConfig();
    enableAll(config);
    Engine even = engineFor(config), jittered = engineFor(config);
    std::vector<std::array<float, 6>> evenPoses;
    KEOOutputRecord record{};
    const auto pose = [&record] {
        const w::Dof p = w::platform;
        return std::array<float, 6>{record.signal(p.roll),  record.signal(p.pitch),
                                    record.signal(p.yaw),   record.signal(p.sway),
                                    record.signal(p.heave), record.signal(p.surge)};
    };
    const long steps = std::lround(mix->duration() / dt);
    std::array<double, 6> peak{};
    for (long k = 0; k <= steps; ++k) {
        even.step(mix->at(double(k) * dt), dt, record);
        evenPoses.push_back(pose());
        for (int i = 0; i < 6; ++i)
            peak[i] = std::max(peak[i], std::fabs(double(evenPoses.back()[i])));
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<double> jitter(-0.2, 0.2);
    std::array<double, 6> worst{};
    for (double t = dt, step = dt; t < mix->duration() - dt;
         step = dt * (1.0 + jitter(random)), t += step) {
        jittered.step(mix->at(t), step, record);
        // The even run at the same instant, between its two nearest steps.
        const auto k = std::size_t(t / dt);
        const double f = t / dt - double(k);
        for (int i = 0; i < 6; ++i) {
            const double expected = evenPoses[k][i] + f * (evenPoses[k + 1][i] - evenPoses[k][i]);
            worst[i] = std::max(worst[i], std::fabs(pose()[i] - expected));
        }
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_LT(worst[i], 0.01 * peak[i]) << "degree of freedom " << i;
}

// With the point of sense ahead of the reference point (options T1, T2), tilt coordination renders
// the acceleration the driver's head has in a steady turn, as it renders the same acceleration at
// the reference point; before, the turn's ω²·r went to the travel path and washed out.
TEST(EnginePhysics, TiltRendersTheAccelerationAtThePointOfSense) {
    Config config = exampleConfig();
    config.algorithm.enableAccMatrix = config.algorithm.enableAccMatrixTranslationBefore = true;
    config.lateral.tiltCoordination.enabled = true;
    constexpr double yawRate = 1.0, headLeft = 1.0; // rad/s, m: the head feels -1 m/s² sideways
    const auto finalTilt = [&](const std::function<VehicleInput(double)>& input) {
        Engine engine = engineFor(config);
        double tilt = 0.0;
        drive(engine, 30.0, input,
              [&](double, const KEOOutputRecord& r) { tilt = r.signal(w::lateralTilt.output); });
        return tilt;
    };
    const double turning = finalTilt([](double) {
        VehicleInput in;
        in.verticalAcceleration = 9.80665;
        in.yawRate = yawRate;
        in.pointOfSense[1] = headLeft;
        return in;
    });
    const double pushed = finalTilt([](double) {
        VehicleInput in;
        in.verticalAcceleration = 9.80665;
        in.lateralAcceleration = -yawRate * yawRate * headLeft;
        return in;
    });
    ASSERT_GT(std::fabs(pushed), 0.01);
    EXPECT_NEAR(turning, pushed, 0.01 * std::fabs(pushed));
}

// The travel chain's order decides whether a washed-out cue comes back past neutral: with the
// travel filter it is fourth order and does; at a travel cutoff of 0 it is the classical
// third-order washout, whose step response never changes sign.
TEST(EnginePhysics, TravelReturnsPastNeutralOnlyWithTheTravelFilter) {
    for (bool travelFilter : {true, false}) {
        SCOPED_TRACE(travelFilter ? "travel filter on" : "travel cutoff 0");
        Config config = exampleConfig();
        config.longitudinal.tiltCoordination.enabled = false;
        config.mixer.surgeToPitch.enabled = false;
        config.longitudinal.travel.travelFilter.cutoff =
            FloatPair::both(travelFilter ? 0.2f : 0.0f);
        Engine engine = engineFor(config);
        double forward = 0.0, back = 0.0;
        drive(engine, 60.0, accelerating, [&](double, const KEOOutputRecord& r) {
            forward = std::max(forward, double(r.signal(w::longitudinalTravel.output)));
            back = std::min(back, double(r.signal(w::longitudinalTravel.output)));
        });
        ASSERT_GT(forward, 0.01);
        if (travelFilter)
            EXPECT_GT(-back, 0.25 * forward);
        else
            EXPECT_LT(-back, 1e-4 * forward);
    }
}

// A low-pass behind a rate limit keeps the angle within the limit while its cutoff is below a
// quarter of the step rate, where its discrete impulse response is never negative: tried just
// below that bound, the steepest low-pass it allows.
TEST(EnginePhysics, TiltRateLimitHoldsForOutputLowPassesBelowAQuarterOfTheStepRate) {
    Config config = exampleConfig();
    TiltCoordinationConfig& tilt = config.longitudinal.tiltCoordination;
    tilt.outputFilter = {FloatPair::both(float(0.24 * stepRate)), {}, {}, KEOFilterType::LowPass};
    tilt.outputLimit.maxValueFactor = FloatPair::both(100.0f);
    Engine engine = engineFor(config);
    double previous = 0.0, fastest = 0.0;
    drive(engine, 5.0, accelerating, [&](double, const KEOOutputRecord& r) {
        const double angle = r.signal(w::longitudinalTilt.output);
        fastest = std::max(fastest, std::fabs(angle - previous) / dt);
        previous = angle;
    });
    // The record's single precision lets a rate measured between two angles wobble by 1e-4.
    EXPECT_LE(fastest, tilt.maximumRate[0] * (1.0 + 2e-4));
}

// A path switched off outputs exactly zero while the same path switched on moves.
TEST(EnginePhysics, DisabledPathOutputsZero) {
    const std::pair<std::size_t, int> cases[] = {
        {offsetof(Config, lateral.travel.enabled), w::lateralTravel.output},
        {offsetof(Config, longitudinal.tiltCoordination.enabled), w::longitudinalTilt.output},
        {offsetof(Config, vertical.angularVelocity.enabled), w::verticalAngular.output},
        {offsetof(Config, absoluteRoll.enabled), w::absoluteRoll.output},
        {offsetof(Config, mixer.yawToRoll.enabled), w::yawToRoll.output},
        {offsetof(Config, enhancer.roadHarshness.enabled), w::roadHarshnessRight.output},
        {offsetof(Config, enhancer.sideslipToYaw.enabled), w::sideslipToSway},
        {offsetof(Config, understeer.toRoll.enabled), w::understeerToRoll.output},
    };
    for (auto [flag, output] : cases) {
        SCOPED_TRACE(output);
        for (bool enabled : {true, false}) {
            Config config = exampleConfig();
            enableAll(config);
            flagAt(config, flag) = enabled;
            Engine engine = engineFor(config);
            double peak = 0.0;
            drive(engine, 5.0, lively, [&](double, const KEOOutputRecord& r) {
                peak = std::max(peak, std::fabs(double(r.signal(output))));
            });
            if (enabled)
                EXPECT_GT(peak, 1e-5);
            else
                EXPECT_EQ(peak, 0.0);
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
    configFields::visit(secondAsFirst, takeSecond);
    ASSERT_NE(std::memcmp(&config, &secondAsFirst, sizeof config), 0) << "the sets must differ";
    expectSameRun(engineFor(config, KEOParamSet::Second), lively,
                  engineFor(secondAsFirst, KEOParamSet::First), lively, 0.0);
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
