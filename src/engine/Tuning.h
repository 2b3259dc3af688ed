#pragma once

#include "config/Config.h"
#include "engine/Blocks.h"
#include "engine/Signals.h"

#include <algorithm>
#include <type_traits>

// The paths of the pages, each a plain struct of its blocks in the order its page draws them, and
// the whole chain of one configuration (Tuning): every coefficient, computed once per
// configuration by Engine::tune(), and the state the engine's steps advance. A tuning is a plain
// value, so it can be built on one thread and handed to another.
namespace engine {

// What every block of one step shares.
struct StepContext {
    double dt; // the engine's fixed step, s
    bool hold; // the high-passes on input data hold (a source repeating its last sample)
};

// Output filter and limitation of a switched path; a path that is off outputs 0 and rests.
struct OutputStage : Composite<OutputStage> {
    Section filter;
    LimitCurve limit;

    MixerSignals step(bool enabled, double x);
    template <class P> static auto parts(P& p) { return std::tie(p.filter); }
};

// A mixer cross-feed, and each of the understeer section's two outputs.
struct MixerPath : Composite<MixerPath> {
    bool enabled = false;
    OutputStage output;

    MixerSignals step(double x) { return output.step(enabled, x); }
    template <class P> static auto parts(P& p) { return std::tie(p.output); }
};

struct TravelPath : Composite<TravelPath> {
    bool enabled = false;
    InputHighPass acceleration;
    Integrator toVelocity;
    Washout velocity;
    Integrator toTravel;
    Washout travel;
    OutputStage output;

    // Fills the signals from the transformation on.
    void step(double transformed, const StepContext& c, TravelSignals& out);
    template <class P> static auto parts(P& p) {
        return std::tie(p.acceleration, p.toVelocity, p.velocity, p.toTravel, p.travel, p.output);
    }
};

struct TiltPath : Composite<TiltPath> {
    bool enabled = false;
    LimitCurve input; // in front of the path's switch: it works while the path is off
    Section acceleration;
    RateLimiter rate;
    OutputStage output;

    TiltSignals step(double acceleration, const StepContext& c);
    template <class P> static auto parts(P& p) {
        return std::tie(p.acceleration, p.rate, p.output);
    }
};

struct AngularPath : Composite<AngularPath> {
    bool enabled = false;
    InputHighPass velocity;
    Integrator toAngle;
    Washout angle;
    OutputStage output;

    // Fills the signals from the transformation on.
    void step(double transformed, const StepContext& c, AngularSignals& out);
    template <class P> static auto parts(P& p) {
        return std::tie(p.velocity, p.toAngle, p.angle, p.output);
    }
};

// One channel: a linear acceleration with its travel and tilt, and the angular rate beside it.
struct AxisPath : Composite<AxisPath> {
    LimitCurve accelerationInput;
    LimitCurve angularRateInput;
    TravelPath travel;
    TiltPath tilt;
    AngularPath angular;

    template <class P> static auto parts(P& p) { return std::tie(p.travel, p.tilt, p.angular); }
};

struct AbsolutePath : Composite<AbsolutePath> {
    bool enabled = false;
    LimitCurve input;
    OutputStage output;

    AbsoluteSignals step(double angle);
    template <class P> static auto parts(P& p) { return std::tie(p.output); }
};

// Road harshness of one side; both sides share the coefficients.
struct RoadSide : Composite<RoadSide> {
    InputHighPass highPass;
    OutputStage output;

    template <class P> static auto parts(P& p) { return std::tie(p.highPass, p.output); }
};

struct RoadPath : Composite<RoadPath> {
    bool enabled = false;
    LimitCurve input;
    RoadSide left, right;

    RoadSignals step(RoadSide& side, double road, const StepContext& c);
    template <class P> static auto parts(P& p) { return std::tie(p.left, p.right); }
};

struct SideslipPath : Composite<SideslipPath> {
    bool enabled = false;
    LimitCurve input;
    RateLimiter rate;
    InputHighPass highPass;
    OutputStage output;

    SideslipSignals step(double sideslip, const StepContext& c);
    template <class P> static auto parts(P& p) { return std::tie(p.rate, p.highPass, p.output); }
};

struct UndersteerPath : Composite<UndersteerPath> {
    Section intended, actual, yawRate;
    RateLimiter difference;
    MixerPath toYaw, toRoll;
    double pivotOffset = 0.0; // m

    struct Vehicle {
        double speed, frontWheelAngle, yawRate, wheelbase;
    };
    UndersteerSignals step(const Vehicle& v, const StepContext& c);
    template <class P> static auto parts(P& p) {
        return std::tie(p.intended, p.actual, p.yawRate, p.difference, p.toYaw, p.toRoll);
    }
};

// Angular rate and smoothed angular acceleration of one rotating frame (right-handed body axes),
// for the point-of-sense terms.
struct Rotation {
    double rate[3] = {0.0, 0.0, 0.0};
    double acceleration[3] = {0.0, 0.0, 0.0};
    Section smoothing[3]; // the derivative of a rate step is a spike; this low-pass tames it

    void step(const double (&now)[3], double dt);
    void reset() { keepState(Rotation{}); }
    void keepState(const Rotation& old) {
        for (int i = 0; i < 3; ++i) {
            rate[i] = old.rate[i];
            acceleration[i] = old.acceleration[i];
            smoothing[i].keepState(old.smoothing[i]);
        }
    }
};

// The platform's attitude after the last step (roll, pitch, yaw), rad, without the mixer's
// cross-feeds from travel.
struct PlatformAttitude {
    double angles[3] = {0.0, 0.0, 0.0};

    void reset() { *this = PlatformAttitude{}; }
    void keepState(const PlatformAttitude& old) { *this = old; }
};

struct Tuning : Composite<Tuning> {
    double stepRate = 1000.0; // Hz
    AxisPath lateral, longitudinal, vertical;
    AbsolutePath absolutePitch, absoluteRoll;
    MixerPath swayToRoll, yawToRoll, surgeToPitch, heaveToPitch;
    MixerPath roadToSurgeLeft, roadToSurgeRight, roadToPitchLeft, roadToPitchRight;
    RoadPath road;
    SideslipPath sideslipToYaw, sideslipToRoll;
    double sideslipPivotOffset = 0.0; // m
    UndersteerPath understeer;
    LimitCurve roll, pitch, yaw, sway, heave, surge; // the multiplexer's final limits
    AlgorithmOptions options{};
    Rotation vehicle, platform;
    PlatformAttitude attitude;

    template <class P> static auto parts(P& p) {
        return std::tie(p.lateral, p.longitudinal, p.vertical, p.absolutePitch, p.absoluteRoll,
                        p.swayToRoll, p.yawToRoll, p.surgeToPitch, p.heaveToPitch,
                        p.roadToSurgeLeft, p.roadToSurgeRight, p.roadToPitchLeft,
                        p.roadToPitchRight, p.road, p.sideslipToYaw, p.sideslipToRoll, p.understeer,
                        p.vehicle, p.platform, p.attitude);
    }
};

static_assert(std::is_trivially_copyable_v<Tuning>, "a tuning is handed over by copy");

} // namespace engine
