#pragma once

#include "config/ConfigReader.h"
#include "engine/Engine.h"

#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <string>

// The bundled example configuration, a platform envelope and a way to run drives through an
// engine, shared by the engine's tests.
namespace enginetest {

using engine::Engine;
using engine::VehicleInput;

constexpr double stepRate = 1000.0;
constexpr double dt = 1.0 / stepRate;
constexpr double pi = 3.14159265358979323846;

inline Config exampleConfig() {
    std::ifstream file(std::string(KEO_EXAMPLES_DIR) + "/config_v1.json");
    Config config = zeroConfig();
    readConfig(Json::parse(file), config);
    return config;
}

// roll, pitch, yaw (rad), heave, sway, surge (m)
constexpr WorkEnvelopeLimits envelope{0.3f, 0.35f, 0.5f, 0.2f, 0.4f, 0.45f, 1};

// Every path of the record switched on.
inline void enableAll(Config& c) {
    for (AxisConfig* axis : {&c.lateral, &c.longitudinal, &c.vertical})
        axis->travel.enabled = axis->tiltCoordination.enabled = axis->angularVelocity.enabled =
            true;
    c.absolutePitch.enabled = c.absoluteRoll.enabled = true;
    for (MixerPathConfig* p :
         {&c.mixer.swayToRoll, &c.mixer.yawToRoll, &c.mixer.surgeToPitch, &c.mixer.heaveToPitch,
          &c.mixer.roadHarshnessToSurge, &c.mixer.roadHarshnessToPitch, &c.understeer.toYaw,
          &c.understeer.toRoll})
        p->enabled = true;
    c.enhancer.roadHarshness.enabled = true;
    c.enhancer.sideslipToYaw.enabled = c.enhancer.sideslipToRoll.enabled = true;
    // The example holds its (switched-off) heave-to-pitch tilt still with a zero rate.
    c.vertical.tiltCoordination.maximumRate = FloatPair::both(0.05f);
}

// The vehicle's signals, words 3-14 and the turning-curve inputs, in record order.
inline std::array<double*, 14> signalsOf(VehicleInput& in) {
    // clang-format off
    return {&in.longitudinalAcceleration, &in.lateralAcceleration, &in.verticalAcceleration,
            &in.verticalTiltAcceleration, &in.rollRate, &in.pitchRate, &in.yawRate, &in.pitchAngle,
            &in.rollAngle, &in.roadLeft, &in.roadRight, &in.sideslipAngle, &in.speed,
            &in.frontWheelAngle};
    // clang-format on
}

// A lively drive touching every input: a weaving, braking, bumpy ride at speed.
inline VehicleInput lively(double t) {
    // clang-format off
    constexpr double amplitude[] = {4, 6, 2, 1.5, 0.3, 0.2, 0.5, 0.05, 0.08, 0.02, 0.02, 0.1, 0, .08};
    constexpr double frequency[] = {0.7, 1.3, 9, 0.4, 2.1, 1.7, 1.3, 0.7, 1.3, 40, 37, 1.3, 0, 1.3};
    // clang-format on
    VehicleInput in;
    const std::array<double*, 14> inputs = signalsOf(in);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        *inputs[i] = amplitude[i] * std::sin(frequency[i] * t + 0.3 * double(i));
    in.speed = 25.0;
    in.pointOfSense[0] = 0.3;
    in.pointOfSense[2] = 0.8;
    return in;
}

inline Engine engineFor(const Config& config, KEOParamSet::Enum set = KEOParamSet::First) {
    Engine engine;
    engine.configure(config, set, envelope, stepRate);
    return engine;
}

// Runs `seconds` of a drive, calling `check` with the time and the record after every step.
inline void drive(Engine& engine, double seconds, const std::function<VehicleInput(double)>& input,
                  const std::function<void(double, const KEOOutputRecord&)>& check) {
    KEOOutputRecord record{};
    const long steps = std::lround(seconds * stepRate);
    for (long i = 0; i < steps; ++i) {
        const double t = double(i) * dt;
        engine.step(input(t), dt, record);
        check(t, record);
    }
}

} // namespace enginetest
