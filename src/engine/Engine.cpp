#include "Engine.h"

#include "engine/Geometry.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

constexpr double gravity = 9.80665;      // m/s²
constexpr double defaultWheelbase = 2.7; // m
// The platform's pitch used in the rate transformation stays clear of the gimbal singularity.
constexpr double maxTransformPitch = 1.4; // rad
// A host step longer than this many engine steps is not caught up beyond it (the step stays
// bounded in time); see Engine::step.
constexpr int maxStepsPerCall = 1000;

// Axis order of the three channels: lateral, longitudinal, vertical.
struct Channels {
    double lateral, longitudinal, vertical;
};

// One fixed step of one engine: reads the input, advances every block, fills the signals.
class Step {
public:
    Step(Tuning& t, Signals& out)
        : m_tuning(t)
        , m_out(out)
        , m_context{1.0 / t.stepRate, false} {}

    void advance(const VehicleInput& in) {
        m_context.hold = m_tuning.options.highpassUseFreshDataOnly && !in.fresh;
        copyInputs(in);
        const Vec3 vehicleRate = rightHanded(in.rollRate, in.pitchRate, in.yawRate);
        m_tuning.vehicle.step({vehicleRate.x, vehicleRate.y, vehicleRate.z}, m_context.dt);
        axes(in);
        m_out.absolutePitch = m_tuning.absolutePitch.step(in.pitchAngle);
        m_out.absoluteRoll = m_tuning.absoluteRoll.step(in.rollAngle);
        m_out.roadHarshnessLeft = m_tuning.road.step(m_tuning.road.left, in.roadLeft, m_context);
        m_out.roadHarshnessRight = m_tuning.road.step(m_tuning.road.right, in.roadRight, m_context);
        mixer();
        m_out.sideslipToYaw = m_tuning.sideslipToYaw.step(in.sideslipAngle, m_context);
        m_out.sideslipToRoll = m_tuning.sideslipToRoll.step(in.sideslipAngle, m_context);
        m_out.sideslipToSway =
            m_tuning.sideslipToYaw.enabled
                ? -m_tuning.sideslipPivotOffset * std::sin(m_out.sideslipToYaw.output)
                : 0.0;
        m_out.understeer = m_tuning.understeer.step(
            {in.speed, in.frontWheelAngle, in.yawRate, wheelbaseOf(in)}, m_context);
        multiplex();
    }

private:
    static double wheelbaseOf(const VehicleInput& in) {
        return std::isfinite(in.wheelbase) && in.wheelbase > 0.1 && in.wheelbase < 100.0
                   ? in.wheelbase
                   : defaultWheelbase;
    }

    void copyInputs(const VehicleInput& in) {
        m_out.stepTime = m_context.dt;
        m_out.input = {in.longitudinalAcceleration,
                       in.lateralAcceleration,
                       in.verticalAcceleration,
                       in.verticalTiltAcceleration,
                       in.rollRate,
                       in.pitchRate,
                       in.yawRate,
                       in.pitchAngle,
                       in.rollAngle,
                       in.roadLeft,
                       in.roadRight,
                       in.sideslipAngle};
        m_out.speed = in.speed;
        m_out.frontWheelAngle = in.frontWheelAngle;
    }

    bool inputsCarryGravity() const { return !m_tuning.options.removeVerticalComponent; }
    bool atPointOfSense() const {
        return m_tuning.options.enableAccMatrix &&
               m_tuning.options.enableAccMatrixTranslationBefore;
    }

    // The three channels. Their inputs are limited first: the G correction and the
    // transformations work on all three components together.
    void axes(const VehicleInput& in) {
        const Vec3 lever{in.pointOfSense[0], in.pointOfSense[1], in.pointOfSense[2]};
        // What the vehicle does at the driver's head when the point-of-sense option is on.
        const Vec3 sensed = Vec3{in.longitudinalAcceleration, in.lateralAcceleration, 0.0} +
                            (atPointOfSense() ? vehicleLeverArm(lever) : Vec3{});

        const Channels limited{
            apply(m_tuning.lateral.accelerationInput, in.lateralAcceleration),
            apply(m_tuning.longitudinal.accelerationInput, in.longitudinalAcceleration),
            limitVertical(in.verticalAcceleration)};
        m_out.lateralTravel.limited = limited.lateral;
        m_out.longitudinalTravel.limited = limited.longitudinal;
        m_out.verticalTravel.limited = limited.vertical;

        const Channels corrected = correctGravity(limited);
        m_out.lateralTravel.corrected = corrected.lateral;
        m_out.longitudinalTravel.corrected = corrected.longitudinal;
        m_out.verticalTravel.corrected = corrected.vertical;
        const Channels transformed = transformAcceleration(corrected, lever);

        const Channels rates =
            transformRates({apply(m_tuning.lateral.angularRateInput, in.rollRate),
                            apply(m_tuning.longitudinal.angularRateInput, in.pitchRate),
                            apply(m_tuning.vertical.angularRateInput, in.yawRate)});
        m_out.lateralAngular.limited = apply(m_tuning.lateral.angularRateInput, in.rollRate);
        m_out.longitudinalAngular.limited =
            apply(m_tuning.longitudinal.angularRateInput, in.pitchRate);
        m_out.verticalAngular.limited = apply(m_tuning.vertical.angularRateInput, in.yawRate);

        m_tuning.lateral.travel.step(transformed.lateral, m_context, m_out.lateralTravel);
        m_tuning.longitudinal.travel.step(transformed.longitudinal, m_context,
                                          m_out.longitudinalTravel);
        m_tuning.vertical.travel.step(transformed.vertical, m_context, m_out.verticalTravel);
        m_out.lateralTilt = m_tuning.lateral.tilt.step(sensed.y, m_context);
        m_out.longitudinalTilt = m_tuning.longitudinal.tilt.step(sensed.x, m_context);
        m_out.verticalTilt = m_tuning.vertical.tilt.step(in.verticalTiltAcceleration, m_context);
        m_tuning.lateral.angular.step(rates.lateral, m_context, m_out.lateralAngular);
        m_tuning.longitudinal.angular.step(rates.longitudinal, m_context,
                                           m_out.longitudinalAngular);
        m_tuning.vertical.angular.step(rates.vertical, m_context, m_out.verticalAngular);
    }

    // An input that carries gravity (option G2 off) is limited on its deviation from 1 g: the
    // limitation's maximum is meant for motion, and squashing the constant 1 g would squash the
    // motion riding on it, so the same motion would give less heave than from a source without
    // gravity.
    double limitVertical(double acceleration) const {
        const LimitCurve& limit = m_tuning.vertical.accelerationInput;
        if (!inputsCarryGravity())
            return apply(limit, acceleration);
        return gravity + apply(limit, acceleration - gravity);
    }

    // G2 off: the source carries gravity, which leaves here (its input limitation acted on the
    // deviation from it), so every later block sees the same motion whichever way the source
    // declares gravity. G1 then removes the gravity the top frame's present attitude adds to the
    // driver's seat: what the tilt renders.
    Channels correctGravity(const Channels& a) const {
        Channels out = a;
        if (inputsCarryGravity())
            out.vertical -= gravity;
        if (!m_tuning.options.enableCorrection)
            return out;
        const Vec3 reading = Attitude(m_tuning.attitude.angles).gravityReading(gravity);
        out.lateral -= reading.y;
        out.longitudinal -= reading.x;
        out.vertical -= reading.z - gravity;
        return out;
    }

    // The acceleration a point at `lever` from the vehicle's reference point has beyond it.
    Vec3 vehicleLeverArm(Vec3 lever) const {
        return leverArm(vectorOf(m_tuning.vehicle.rate), vectorOf(m_tuning.vehicle.acceleration),
                        lever);
    }

    // T1 turns the accelerations from the vehicle's axes into the platform's neutral axes by the
    // top frame's attitude; T2 first moves them from the reference point to the point of sense;
    // T3 then removes what the platform's own rotation adds at the point of sense.
    Channels transformAcceleration(const Channels& a, Vec3 lever) const {
        Vec3 v{a.longitudinal, a.lateral, a.vertical};
        const AlgorithmOptions& o = m_tuning.options;
        if (o.enableAccMatrix) {
            if (o.enableAccMatrixTranslationBefore)
                v = v + vehicleLeverArm(lever);
            v = Attitude(m_tuning.attitude.angles).toNeutral(v);
            if (o.enableAccMatrixTranslationAfter)
                v = v - leverArm(vectorOf(m_tuning.platform.rate),
                                 vectorOf(m_tuning.platform.acceleration), lever);
        }
        return {v.y, v.x, v.z};
    }

    // V1 turns body angular rates into the rates of the platform's roll, pitch and yaw angles at
    // its present attitude. Rates are the same at every point of a rigid body, so the
    // point-of-sense options V2 and V3 leave them as they are.
    Channels transformRates(const Channels& rate) const {
        if (!m_tuning.options.enableVelocityMatrix)
            return rate;
        const Vec3 w = rightHanded(rate.lateral, rate.longitudinal, rate.vertical);
        const double roll = -m_tuning.attitude.angles[0];
        const double pitch =
            std::clamp(m_tuning.attitude.angles[1], -maxTransformPitch, maxTransformPitch);
        const double sr = std::sin(roll), cr = std::cos(roll);
        const double tp = std::tan(pitch), cp = std::cos(pitch);
        const double turning = w.y * sr + w.z * cr;
        return {-(w.x + turning * tp), w.y * cr - w.z * sr, turning / cp};
    }

    // The cross-feeds between degrees of freedom, each from the signal its page names.
    void mixer() {
        m_out.swayToRoll = m_tuning.swayToRoll.step(m_out.lateralTravel.travelFiltered);
        m_out.yawToRoll = m_tuning.yawToRoll.step(m_out.verticalAngular.angleFiltered);
        m_out.surgeToPitch = m_tuning.surgeToPitch.step(m_out.longitudinalTravel.travelFiltered);
        m_out.heaveToPitch = m_tuning.heaveToPitch.step(m_out.verticalTravel.travelFiltered);
        const double left = m_out.roadHarshnessLeft.highPassed;
        const double right = m_out.roadHarshnessRight.highPassed;
        m_out.roadToSurgeLeft = m_tuning.roadToSurgeLeft.step(left);
        m_out.roadToSurgeRight = m_tuning.roadToSurgeRight.step(right);
        m_out.roadToPitchLeft = m_tuning.roadToPitchLeft.step(left);
        m_out.roadToPitchRight = m_tuning.roadToPitchRight.step(right);
    }

    // The six sums, in the order the summation graphs show their contributions, then the final
    // limits. The understeer's outputs join the roll, yaw and sway sums.
    void multiplex() {
        const Signals& s = m_out;
        const auto mean = [](const MixerSignals& a, const MixerSignals& b) {
            return 0.5 * (a.output + b.output);
        };
        DofSignals& sum = m_out.summed;
        sum.roll = s.lateralTilt.output + s.lateralAngular.output + s.absoluteRoll.output +
                   s.swayToRoll.output + s.yawToRoll.output + s.sideslipToRoll.output +
                   s.understeer.toRoll.output;
        sum.pitch = s.longitudinalTilt.output + s.longitudinalAngular.output +
                    s.verticalTilt.output + s.absolutePitch.output + s.heaveToPitch.output +
                    s.surgeToPitch.output + mean(s.roadToPitchLeft, s.roadToPitchRight);
        sum.yaw = s.verticalAngular.output + s.sideslipToYaw.output + s.understeer.toYaw.output;
        sum.surge = s.longitudinalTravel.output + mean(s.roadToSurgeLeft, s.roadToSurgeRight);
        sum.sway = s.lateralTravel.output + s.sideslipToSway + s.understeer.toSway;
        sum.heave = s.verticalTravel.output +
                    0.5 * (s.roadHarshnessLeft.output + s.roadHarshnessRight.output);
        m_out.platform = {apply(m_tuning.roll, sum.roll),   apply(m_tuning.pitch, sum.pitch),
                          apply(m_tuning.yaw, sum.yaw),     apply(m_tuning.sway, sum.sway),
                          apply(m_tuning.heave, sum.heave), apply(m_tuning.surge, sum.surge)};
        // The attitude the options G1, T1, T3 and V1 work with leaves out the mixer's cross-feeds
        // from travel: travel depends on that attitude, and feeding it back through them would
        // close a loop (surge -> pitch -> gravity -> surge) that rings.
        const double attitude[3] = {
            apply(m_tuning.roll, sum.roll - s.swayToRoll.output),
            apply(m_tuning.pitch, sum.pitch - s.surgeToPitch.output - s.heaveToPitch.output),
            m_out.platform.yaw};
        double* const previous = m_tuning.attitude.angles;
        const Vec3 rate = rightHanded((attitude[0] - previous[0]) / m_context.dt,
                                      (attitude[1] - previous[1]) / m_context.dt,
                                      (attitude[2] - previous[2]) / m_context.dt);
        m_tuning.platform.step({rate.x, rate.y, rate.z}, m_context.dt);
        std::copy(attitude, attitude + 3, previous);
    }

    Tuning& m_tuning;
    Signals& m_out;
    StepContext m_context;
};

// Every signal is a double; one beyond this has run away (an integration bypassed on a sustained
// input, say), and the engine starts over from rest rather than carry a non-finite value on.
constexpr double maxSignalMagnitude = 1.0e12;

VehicleInput between(const VehicleInput& a, const VehicleInput& b, double fraction) {
    if (fraction == 1.0)
        return b; // the host steps at the configured rate
    VehicleInput v = b;
    const auto mix = [fraction](double x, double y) {
        return x + fraction * (y - x);
    };
    v.longitudinalAcceleration = mix(a.longitudinalAcceleration, b.longitudinalAcceleration);
    v.lateralAcceleration = mix(a.lateralAcceleration, b.lateralAcceleration);
    v.verticalAcceleration = mix(a.verticalAcceleration, b.verticalAcceleration);
    v.verticalTiltAcceleration = mix(a.verticalTiltAcceleration, b.verticalTiltAcceleration);
    v.rollRate = mix(a.rollRate, b.rollRate);
    v.pitchRate = mix(a.pitchRate, b.pitchRate);
    v.yawRate = mix(a.yawRate, b.yawRate);
    v.pitchAngle = mix(a.pitchAngle, b.pitchAngle);
    v.rollAngle = mix(a.rollAngle, b.rollAngle);
    v.roadLeft = mix(a.roadLeft, b.roadLeft);
    v.roadRight = mix(a.roadRight, b.roadRight);
    v.sideslipAngle = mix(a.sideslipAngle, b.sideslipAngle);
    v.speed = mix(a.speed, b.speed);
    v.frontWheelAngle = mix(a.frontWheelAngle, b.frontWheelAngle);
    for (int i = 0; i < 3; ++i)
        v.pointOfSense[i] = mix(a.pointOfSense[i], b.pointOfSense[i]);
    return v;
}

} // namespace

Engine::Engine()
    : m_tuning(tune(zeroConfig(), KEOParamSet::First, WorkEnvelopeLimits{}, 1000.0)) {}

void Engine::reset() noexcept {
    m_tuning.reset();
    m_check.reset();
    m_previous = VehicleInput{};
    m_pending = 0.0;
    m_started = false;
    m_signals = Signals{};
    m_previousSummed = DofSignals{};
}

VehicleInput Engine::restInput() const noexcept {
    VehicleInput rest;
    rest.verticalAcceleration = m_tuning.options.removeVerticalComponent ? 0.0 : gravity;
    return rest;
}

void Engine::step(const VehicleInput& input, double dt, KEOOutputRecord& record) noexcept {
    const double engineStep = 1.0 / m_tuning.stepRate;
    const double hostStep = std::isfinite(dt) && dt > 0.0 && dt <= 1.0 ? dt : engineStep;
    const VehicleInput checked = m_check.check(input, hostStep, restInput());
    if (!m_started) {
        m_previous = checked;
        m_started = true;
    }
    // The engine runs on a fixed grid of its own step; a host step of another length is
    // resampled onto it, the input interpolated between the host's samples. At the configured
    // rate that is exactly one engine step on the host's input.
    const double span = hostStep / engineStep; // in engine steps
    const double due = m_pending + span;
    constexpr double roundingSlack = 1e-9; // host steps that are one engine step up to rounding
    int taken = 0;
    for (; taken < maxStepsPerCall && double(taken + 1) <= due + roundingSlack; ++taken) {
        const double fraction = std::min(1.0, (double(taken + 1) - m_pending) / span);
        m_previousSummed = m_signals.summed;
        Step(m_tuning, m_signals).advance(between(m_previous, checked, fraction));
    }
    m_pending = std::max(0.0, due - double(taken));
    if (taken == maxStepsPerCall)
        m_pending = 0.0;
    m_previous = checked;
    if (!writeRecord(m_signals, record, maxSignalMagnitude)) {
        reset();
        return;
    }
    if (m_pending > roundingSlack)
        writePlatformAtHostTime(record);
}

// Between two engine steps the host's instant lies m_pending of a step past the last one: the six
// sums are carried on to that instant along their last step, and the final limits applied, so
// the platform the host gets is where it is now rather than up to one engine step behind.
void Engine::writePlatformAtHostTime(KEOOutputRecord& record) const noexcept {
    const DofSignals& now = m_signals.summed;
    const DofSignals& before = m_previousSummed;
    const auto ahead = [this](double a, double b) {
        return a + m_pending * (a - b);
    };
    const DofSignals summed{ahead(now.roll, before.roll),   ahead(now.pitch, before.pitch),
                            ahead(now.yaw, before.yaw),     ahead(now.sway, before.sway),
                            ahead(now.heave, before.heave), ahead(now.surge, before.surge)};
    const Tuning& t = m_tuning;
    const DofSignals platform{apply(t.roll, summed.roll),   apply(t.pitch, summed.pitch),
                              apply(t.yaw, summed.yaw),     apply(t.sway, summed.sway),
                              apply(t.heave, summed.heave), apply(t.surge, summed.surge)};
    writeDofs(summed, platform, record);
}

} // namespace engine
