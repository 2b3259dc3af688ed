// The bundled examples are where every new user starts, so their tunings must be sound: a platform
// that rotates faster than its tilt rate limit is felt rotating, and a cue whose specific force is
// further from the vehicle's than no motion at all is worse than nothing. The examples once
// rotated at 7.4°/s for a 1 m/s² step and were 2.4 times further off than no motion at 0.3 Hz.
#include "EngineFixture.h"
#include "engine/Words.h"
#include "script/ScriptFile.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace enginetest;
namespace w = engine::words;

namespace {

constexpr double gravity = 9.80665;

struct Tuned {
    std::string name;
    Config config;
    KEOParamSet::Enum set;
};

std::vector<Tuned> bundledTunings() {
    std::vector<Tuned> all;
    for (const char* file :
         {"config_v1.json", "config_v0.json", "one_cluster.cpp", "two_clusters.cpp"}) {
        ConfigMap configs;
        const auto path = std::filesystem::path(KEO_EXAMPLES_DIR) / file;
        EXPECT_TRUE(loadScript(path.u16string(), configs).ok()) << file;
        for (const auto& [cluster, config] : configs)
            for (KEOParamSet::Enum set : {KEOParamSet::First, KEOParamSet::Second})
                all.push_back({std::string(file) + ", cluster " + std::to_string(cluster + 1) +
                                   ", set " + std::to_string(set + 1),
                               config, set});
    }
    return all;
}

// What the vehicle does along one horizontal axis, the rest at rest (gravity as the source says).
VehicleInput along(const Config& config, bool lateral, double acceleration) {
    VehicleInput in;
    in.verticalAcceleration = config.algorithm.removeVerticalComponent ? 0.0 : gravity;
    (lateral ? in.lateralAcceleration : in.longitudinalAcceleration) = acceleration;
    return in;
}

// The specific force the rider feels along the axis: the platform's acceleration there plus the
// part of gravity its tilt puts along it (pitch nose down and roll left side down both tilt
// gravity backwards along their axis).
class SensedForce {
public:
    explicit SensedForce(bool lateral)
        : m_travel(lateral ? w::platform.sway : w::platform.surge)
        , m_tilt(lateral ? w::platform.roll : w::platform.pitch) {}

    // The force at the step before the record's, when the travel's second difference is centred.
    double next(const KEOOutputRecord& r) {
        const double travel = r.signal(m_travel);
        const double acceleration = (travel - 2.0 * m_travel1 + m_travel2) / (dt * dt);
        const double sensed = acceleration * std::cos(m_tilt1) - gravity * std::sin(m_tilt1);
        m_travel2 = m_travel1;
        m_travel1 = travel;
        m_tilt1 = r.signal(m_tilt);
        return sensed;
    }

private:
    int m_travel, m_tilt;
    double m_travel1 = 0.0, m_travel2 = 0.0, m_tilt1 = 0.0;
};

// |1 - f/a| for a small sine of the vehicle's acceleration at `hz`: 1 is a platform at rest.
double errorAgainstRest(const Tuned& t, bool lateral, double hz) {
    constexpr double amplitude = 0.1, settle = 8.0; // m/s², s
    Engine engine = engineFor(t.config, t.set);
    SensedForce sensed(lateral);
    KEOOutputRecord r{};
    const long settleSteps = std::lround(settle * stepRate);
    const long measured = std::lround(4.0 / hz * stepRate); // four whole periods
    double inPhase = 0.0, quadrature = 0.0;
    for (long k = 0; k < settleSteps + measured; ++k) {
        const double phase = 2.0 * pi * hz * double(k) * dt;
        engine.step(along(t.config, lateral, amplitude * std::sin(phase)), dt, r);
        const double f = sensed.next(r);
        if (k >= settleSteps) {
            const double previous = phase - 2.0 * pi * hz * dt; // the instant f belongs to
            inPhase += f * std::sin(previous);
            quadrature += f * std::cos(previous);
        }
    }
    const double re = 2.0 * inPhase / double(measured) / amplitude;
    const double im = 2.0 * quadrature / double(measured) / amplitude;
    return std::hypot(1.0 - re, im);
}

} // namespace

TEST(ExampleTuning, NoAxisRotatesFasterThanItsTiltRateLimitForAnAccelerationStep) {
    for (const Tuned& t : bundledTunings()) {
        for (bool lateral : {false, true}) {
            SCOPED_TRACE(t.name + (lateral ? ", lateral step" : ", longitudinal step"));
            const TiltCoordinationConfig& tilt = lateral ? t.config.lateral.tiltCoordination
                                                         : t.config.longitudinal.tiltCoordination;
            const double limit = tilt.maximumRate[t.set];
            Engine engine = engineFor(t.config, t.set);
            std::array<double, 3> previous{}, fastest{};
            const int rotations[3] = {w::platform.roll, w::platform.pitch, w::platform.yaw};
            drive(
                engine, 20.0, [&](double time) { return along(t.config, lateral, time > 1.0); },
                [&](double, const KEOOutputRecord& r) {
                    for (int i = 0; i < 3; ++i) {
                        const double angle = r.signal(rotations[i]);
                        fastest[i] = std::max(fastest[i], std::fabs(angle - previous[i]) / dt);
                        previous[i] = angle;
                    }
                });
            EXPECT_GT(fastest[lateral ? 0 : 1], 0.5 * limit) << "the tilt must take the step";
            for (int i = 0; i < 3; ++i)
                EXPECT_LE(fastest[i], limit * (1.0 + 2e-4)) << "axis " << i;
        }
    }
}

TEST(ExampleTuning, SensedForceIsNeverFurtherFromTheVehiclesThanNoMotion) {
    for (const Tuned& t : bundledTunings())
        for (bool lateral : {false, true})
            for (double hz : {0.1, 0.2, 0.3, 0.4, 0.5, 0.7, 2.0})
                EXPECT_LT(errorAgainstRest(t, lateral, hz), 1.0)
                    << t.name << (lateral ? ", lateral, " : ", longitudinal, ") << hz << " Hz";
}
