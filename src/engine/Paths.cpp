#include "Tuning.h"

#include <cmath>

namespace engine {
namespace {

constexpr double gravity = 9.80665; // m/s²
// The turning curves fade in with speed: below this the yaw rate says nothing about grip.
constexpr double understeerFadeSpeed = 3.0; // m/s
constexpr double minTurningSpeed = 0.5;     // m/s

// The output filter's and limitation's signals into the group of the path they end.
template <class Group> void takeOutput(Group& out, const MixerSignals& stage) {
    out.outputFiltered = stage.outputFiltered;
    out.output = stage.output;
}

} // namespace

MixerSignals OutputStage::step(bool enabled, double x) {
    if (!enabled) {
        reset();
        return {0.0, 0.0};
    }
    const double filtered = filter.step(x);
    return {filtered, apply(limit, filtered)};
}

void TravelPath::step(double transformed, const StepContext& c, TravelSignals& out) {
    out.transformed = transformed;
    if (!enabled) {
        reset();
        out.accelerationFiltered = out.accelerationIntegrated = out.velocityFiltered =
            out.velocityIntegrated = out.travelFiltered = out.outputFiltered = out.output = 0.0;
        return;
    }
    out.accelerationFiltered = acceleration.step(transformed, c.hold);
    const Integrator::Out toVelocityOut = toVelocity.step(out.accelerationFiltered, c.dt);
    out.accelerationIntegrated = toVelocityOut.shown;
    out.velocityFiltered = velocity.step(toVelocityOut.delta);
    const Integrator::Out toTravelOut = toTravel.step(out.velocityFiltered, c.dt);
    out.velocityIntegrated = toTravelOut.shown;
    out.travelFiltered = travel.step(toTravelOut.delta);
    takeOutput(out, output.step(true, out.travelFiltered));
}

// Tilt coordination: the sustained part of the acceleration, rendered as the angle at which
// gravity pushes the driver as that acceleration would, turning no faster than the maximum rate.
TiltSignals TiltPath::step(double x, const StepContext& c) {
    TiltSignals out{};
    out.limited = apply(input, x);
    if (!enabled) {
        reset();
        return out;
    }
    out.accelerationFiltered = acceleration.step(out.limited);
    out.angle = -std::asin(std::clamp(out.accelerationFiltered / gravity, -1.0, 1.0));
    out.rateLimited = rate.step(out.angle, c.dt);
    takeOutput(out, output.step(true, out.rateLimited));
    return out;
}

void AngularPath::step(double transformed, const StepContext& c, AngularSignals& out) {
    out.transformed = transformed;
    if (!enabled) {
        reset();
        out.velocityFiltered = out.integrated = out.angleFiltered = out.outputFiltered =
            out.output = 0.0;
        return;
    }
    out.velocityFiltered = velocity.step(transformed, c.hold);
    const Integrator::Out toAngleOut = toAngle.step(out.velocityFiltered, c.dt);
    out.integrated = toAngleOut.shown;
    out.angleFiltered = angle.step(toAngleOut.delta);
    takeOutput(out, output.step(true, out.angleFiltered));
}

AbsoluteSignals AbsolutePath::step(double angle) {
    const double limited = apply(input, angle);
    const MixerSignals o = output.step(enabled, limited);
    return {limited, o.outputFiltered, o.output};
}

RoadSignals RoadPath::step(RoadSide& side, double road, const StepContext& c) {
    const double limited = apply(input, road);
    if (!enabled) {
        side.reset();
        return {limited, 0.0, 0.0, 0.0};
    }
    const double highPassed = side.highPass.step(limited, c.hold);
    const MixerSignals o = side.output.step(true, highPassed);
    return {limited, highPassed, o.outputFiltered, o.output};
}

SideslipSignals SideslipPath::step(double sideslip, const StepContext& c) {
    SideslipSignals out{};
    out.limited = apply(input, sideslip);
    if (!enabled) {
        reset();
        return out;
    }
    out.rateLimited = rate.step(out.limited, c.dt);
    out.highPassed = highPass.step(out.rateLimited, c.hold);
    takeOutput(out, output.step(true, out.highPassed));
    return out;
}

// Understeer: how much less the vehicle turns than its front wheels ask for, both expressed as the
// steering angle of the turn (the actual one from yaw rate, speed and wheel base).
UndersteerSignals UndersteerPath::step(const Vehicle& v, const StepContext& c) {
    UndersteerSignals out{};
    const double speed = std::fabs(v.speed);
    const double fade =
        1.0 - std::exp(-(speed * speed) / (understeerFadeSpeed * understeerFadeSpeed));
    out.dampenedFrontWheelAngle = fade * v.frontWheelAngle;
    out.intendedTurningCurve = intended.step(out.dampenedFrontWheelAngle);
    out.yawRate = v.yawRate;
    out.yawRateFiltered = yawRate.step(v.yawRate);
    out.actualTurningCurve =
        speed < minTurningSpeed ? 0.0 : fade * std::atan(v.wheelbase * out.yawRateFiltered / speed);
    out.actualTurningCurveFiltered = actual.step(out.actualTurningCurve);
    out.turningCurveDifference = out.intendedTurningCurve - out.actualTurningCurveFiltered;
    out.turningCurveDifferenceRateLimited = difference.step(out.turningCurveDifference, c.dt);
    // Only turning less than intended is understeer; turning more is the sideslip's cue.
    const double angle = out.turningCurveDifferenceRateLimited;
    out.understeerAngle = angle * out.intendedTurningCurve > 0.0 ? angle : 0.0;
    out.toYaw = toYaw.step(out.understeerAngle);
    out.toRoll = toRoll.step(out.understeerAngle);
    out.toSway = toYaw.enabled ? -pivotOffset * std::sin(out.toYaw.output) : 0.0;
    return out;
}

void Rotation::step(const double (&now)[3], double dt) {
    for (int i = 0; i < 3; ++i) {
        acceleration[i] = smoothing[i].step((now[i] - rate[i]) / dt);
        rate[i] = now[i];
    }
}

} // namespace engine
