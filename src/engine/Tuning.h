#pragma once

#include "config/Config.h"
#include "engine/Filters.h"
#include "engine/Limits.h"

#include <type_traits>

// Everything one configuration fixes, computed once per configuration: the parameter set's
// numbers, the filters discretised for the step rate and the limitations scaled to the work
// envelope (Tuning); and everything a step changes (State). Both are plain values so a tuning can
// be built on one thread and copied in on another.
namespace engine {

struct TravelTuning {
    bool enabled = false;
    bool bypassAccelerationIntegration = false;
    bool bypassVelocityIntegration = false;
    Biquad accelerationFilter;
    DeltaHighPass velocityFilter;
    DeltaHighPass travelFilter;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

struct TiltTuning {
    bool enabled = false;
    double maximumRate = 0.0; // rad/s
    Biquad accelerationFilter;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

struct AngularTuning {
    bool enabled = false;
    bool bypassIntegration = false;
    Biquad velocityFilter;
    DeltaHighPass angleFilter;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

struct AxisTuning {
    LimitCurve accelerationInput;
    LimitCurve angularRateInput;
    LimitCurve tiltInput;
    TravelTuning travel;
    TiltTuning tilt;
    AngularTuning angular;
};

struct AbsoluteTuning {
    bool enabled = false;
    LimitCurve input;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

// A mixer path, and each of the understeer section's two outputs.
struct PathTuning {
    bool enabled = false;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

struct SideslipTuning {
    bool enabled = false;
    double maximumRate = 0.0; // rad/s
    LimitCurve input;
    Biquad highPass;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

struct RoadTuning {
    bool enabled = false;
    LimitCurve input;
    Biquad highPass;
    Biquad outputFilter;
    LimitCurve outputLimit;
};

struct UndersteerTuning {
    Biquad intendedFilter;
    Biquad actualFilter;
    Biquad yawRateFilter;
    double differenceMaximumRate = 0.0; // rad/s
    PathTuning toYaw;
    PathTuning toRoll;
    double pivotOffset = 0.0; // m
};

struct Tuning {
    double stepRate = 1000.0; // Hz
    AxisTuning lateral, longitudinal, vertical;
    AbsoluteTuning absolutePitch, absoluteRoll;
    PathTuning swayToRoll, yawToRoll, surgeToPitch, heaveToPitch, roadToSurge, roadToPitch;
    RoadTuning road;
    SideslipTuning sideslipToYaw, sideslipToRoll;
    double sideslipPivotOffset = 0.0; // m
    UndersteerTuning understeer;
    LimitCurve roll, pitch, yaw, sway, heave, surge; // the multiplexer's final limits
    AlgorithmOptions options{};
    // Smooths the derivative of angular rates for the point-of-sense terms.
    Biquad angularAccelerationFilter;
};

static_assert(std::is_trivially_copyable_v<Tuning>, "a tuning is handed over by copy");

// --- State ---------------------------------------------------------------------------------

struct Integration {
    double previous = 0.0; // the last input: trapezoidal rule, or the difference when bypassed
};

struct TravelState {
    BiquadState accelerationFilter;
    Integration toVelocity;
    double velocity = 0.0;
    Integration toTravel;
    double travel = 0.0;
    BiquadState outputFilter;
};

struct TiltState {
    BiquadState accelerationFilter;
    double angle = 0.0; // after the rate limit
    BiquadState outputFilter;
};

struct AngularState {
    BiquadState velocityFilter;
    Integration toAngle;
    double angle = 0.0;
    BiquadState outputFilter;
};

struct AxisState {
    TravelState travel;
    TiltState tilt;
    AngularState angular;
};

struct RoadSideState {
    BiquadState highPass, outputFilter, toSurge, toPitch;
};

struct SideslipState {
    double angle = 0.0; // after the rate limit
    BiquadState highPass, outputFilter;
};

struct UndersteerState {
    BiquadState intended, actual, yawRate;
    double difference = 0.0; // after the rate limit
    BiquadState toYaw, toRoll;
};

// Angular rate and acceleration of one rotating frame, for the point-of-sense terms.
struct Rotation {
    double rate[3] = {0.0, 0.0, 0.0};
    double previousRate[3] = {0.0, 0.0, 0.0};
    BiquadState acceleration[3];
    double filteredAcceleration[3] = {0.0, 0.0, 0.0};
};

struct State {
    AxisState lateral, longitudinal, vertical;
    BiquadState absolutePitch, absoluteRoll;
    BiquadState swayToRoll, yawToRoll, surgeToPitch, heaveToPitch;
    RoadSideState roadLeft, roadRight;
    SideslipState sideslipToYaw, sideslipToRoll;
    UndersteerState understeer;
    Rotation vehicle;
    Rotation platform;
    // The platform's attitude after the last step (roll, pitch, yaw), rad, without the mixer's
    // cross-feeds from travel.
    double attitude[3] = {0.0, 0.0, 0.0};
    // 0 until the first step after a reset has run (a double, as the whole state is).
    double started = 0.0;
};

static_assert(std::is_trivially_copyable_v<State>, "the state is a plain value");

} // namespace engine
