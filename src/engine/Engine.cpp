#include "Engine.h"

#include "engine/Words.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace engine {
namespace {

constexpr double gravity = 9.80665; // m/s^2
constexpr double pi = 3.14159265358979323846;

// Inputs beyond these are faults of the source, not motion; they count as 0 for the step.
constexpr double maxAcceleration = 1000.0; // m/s^2, about 100 g
constexpr double maxAngularRate = 100.0;   // rad/s
constexpr double maxRoad = 10.0;           // m
constexpr double maxSpeed = 1000.0;        // m/s
constexpr double maxLever = 10.0;          // m
constexpr double defaultWheelbase = 2.7;   // m
// The turning curves fade in with speed: below this the yaw rate says nothing about grip.
constexpr double understeerFadeSpeed = 3.0; // m/s
constexpr double minTurningSpeed = 0.5;     // m/s
// The platform's pitch used in the rate transformation stays clear of the gimbal singularity.
constexpr double maxTransformPitch = 1.4; // rad

double sane(double value, double bound) {
    return std::isfinite(value) && std::fabs(value) <= bound ? value : 0.0;
}

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Acceleration of a point at `lever` on a body turning at `rate` with angular acceleration
// `acceleration` (right-handed axes), relative to the body's reference point.
Vec3 leverArm(Vec3 rate, Vec3 acceleration, Vec3 lever) {
    return cross(acceleration, lever) + cross(rate, cross(rate, lever));
}

// The platform's attitude as right-handed Euler angles (the record's roll is the left side
// going down, the opposite of a right-handed roll about x forward).
struct Attitude {
    double cr, sr, cp, sp, cy, sy;
    explicit Attitude(const double (&angles)[3]) {
        const double roll = -angles[0], pitch = angles[1], yaw = angles[2];
        cr = std::cos(roll), sr = std::sin(roll);
        cp = std::cos(pitch), sp = std::sin(pitch);
        cy = std::cos(yaw), sy = std::sin(yaw);
    }
    // Body axes to the platform's neutral axes: yaw, then pitch, then roll.
    Vec3 toNeutral(Vec3 v) const {
        const double y1 = cr * v.y - sr * v.z, z1 = sr * v.y + cr * v.z;
        const double x2 = cp * v.x + sp * z1, z2 = -sp * v.x + cp * z1;
        return {cy * x2 - sy * y1, sy * x2 + cy * y1, z2};
    }
    // What an accelerometer at rest on the tilted top frame reads, in its own axes.
    Vec3 gravityReading() const { return {-gravity * sp, gravity * sr * cp, gravity * cr * cp}; }
};

// Record rates (roll positive left side down) to right-handed body rates and back.
Vec3 rightHanded(double roll, double pitch, double yaw) {
    return {-roll, pitch, yaw};
}

void put(KEOOutputRecord& record, int word, double value) {
    const double finite = std::isfinite(value) ? value : 0.0;
    record.setSignal(word, float(std::clamp(finite, -double(FLT_MAX), double(FLT_MAX))));
}

struct Inputs {
    double acceleration[3]; // lateral, longitudinal, vertical - the order of the axes below
    double tiltAcceleration[3];
    double rate[3]; // roll, pitch, yaw
    double pitchAngle, rollAngle;
    double road[2];
    double sideslip;
    double speed, frontWheelAngle, wheelbase;
    Vec3 pointOfSense;
    bool fresh;

    explicit Inputs(const VehicleInput& in) {
        acceleration[0] = sane(in.lateralAcceleration, maxAcceleration);
        acceleration[1] = sane(in.longitudinalAcceleration, maxAcceleration);
        acceleration[2] = sane(in.verticalAcceleration, maxAcceleration);
        tiltAcceleration[0] = acceleration[0];
        tiltAcceleration[1] = acceleration[1];
        tiltAcceleration[2] = sane(in.verticalTiltAcceleration, maxAcceleration);
        rate[0] = sane(in.rollRate, maxAngularRate);
        rate[1] = sane(in.pitchRate, maxAngularRate);
        rate[2] = sane(in.yawRate, maxAngularRate);
        pitchAngle = sane(in.pitchAngle, pi);
        rollAngle = sane(in.rollAngle, pi);
        road[0] = sane(in.roadLeft, maxRoad);
        road[1] = sane(in.roadRight, maxRoad);
        sideslip = sane(in.sideslipAngle, pi);
        speed = sane(in.speed, maxSpeed);
        frontWheelAngle = sane(in.frontWheelAngle, pi / 2.0);
        wheelbase = std::isfinite(in.wheelbase) && in.wheelbase > 0.1 && in.wheelbase < 100.0
                        ? in.wheelbase
                        : defaultWheelbase;
        pointOfSense = {sane(in.pointOfSense[0], maxLever), sane(in.pointOfSense[1], maxLever),
                        sane(in.pointOfSense[2], maxLever)};
        fresh = in.fresh;
    }
};

// The integration block: the trapezoidal increment of its input, or the input itself when
// bypassed. `delta` receives what the following delta high-pass consumes: the increment, or the
// input's change since the last step when bypassed.
double integrate(Integration& s, double x, double dt, bool bypass, double& delta) {
    const double out = bypass ? x : 0.5 * (x + s.previous) * dt;
    delta = bypass ? x - s.previous : out;
    s.previous = x;
    return out;
}

// One step of one engine: reads the tuning, advances the state, writes the record.
class Step {
public:
    Step(const Tuning& t, State& s, KEOOutputRecord& r, double dt)
        : t_(t)
        , s_(s)
        , r_(r)
        , dt_(dt)
        , first_(s.started == 0.0) {}

    void advance(const Inputs& in) {
        put(r_, words::stepTime, dt_);
        writeInputs(in);
        updateRotation(s_.vehicle, rightHanded(in.rate[0], in.rate[1], in.rate[2]));
        axes(in);
        absolute(t_.absolutePitch, s_.absolutePitch, words::absolutePitch, in.pitchAngle);
        absolute(t_.absoluteRoll, s_.absoluteRoll, words::absoluteRoll, in.rollAngle);
        roadHarshness(s_.roadLeft, words::roadHarshnessLeft, in.road[0], in.fresh);
        roadHarshness(s_.roadRight, words::roadHarshnessRight, in.road[1], in.fresh);
        mixer(s_.roadLeft, s_.roadRight);
        sideslip(t_.sideslipToYaw, s_.sideslipToYaw, words::sideslipToYaw, in);
        sideslip(t_.sideslipToRoll, s_.sideslipToRoll, words::sideslipToRoll, in);
        const double sideslipYaw =
            t_.sideslipToYaw.enabled ? value(words::sideslipToYaw.output) : 0.0;
        put(r_, words::sideslipToSway, -t_.sideslipPivotOffset * std::sin(sideslipYaw));
        understeer(in);
        multiplex();
        s_.started = 1.0;
    }

private:
    // The three axis channels (lateral, longitudinal, vertical). Their inputs are limited first:
    // the G correction and the transformations work on all three components together.
    void axes(const Inputs& in) {
        const AxisTuning* tunings[3] = {&t_.lateral, &t_.longitudinal, &t_.vertical};
        AxisState* states[3] = {&s_.lateral, &s_.longitudinal, &s_.vertical};
        constexpr words::Travel travelWords[3] = {words::lateralTravel, words::longitudinalTravel,
                                                  words::verticalTravel};
        constexpr words::Tilt tiltWords[3] = {words::lateralTilt, words::longitudinalTilt,
                                              words::verticalTilt};
        constexpr words::Angular angularWords[3] = {
            words::lateralAngular, words::longitudinalAngular, words::verticalAngular};

        double limitedAcceleration[3], limitedRate[3];
        for (int i = 0; i < 3; ++i) {
            limitedAcceleration[i] =
                limitAcceleration(tunings[i]->accelerationInput, in.acceleration[i], i == 2);
            limitedRate[i] = apply(tunings[i]->angularRateInput, in.rate[i]);
            put(r_, travelWords[i].limited, limitedAcceleration[i]);
            put(r_, angularWords[i].limited, limitedRate[i]);
        }
        double corrected[3], transformed[3], rates[3];
        correctGravity(limitedAcceleration, corrected);
        transformAcceleration(corrected, in.pointOfSense, transformed);
        transformRates(limitedRate, rates);
        for (int i = 0; i < 3; ++i) {
            put(r_, travelWords[i].corrected, corrected[i]);
            travel(tunings[i]->travel, states[i]->travel, travelWords[i], transformed[i], in.fresh);
            tilt(*tunings[i], states[i]->tilt, tiltWords[i], in.tiltAcceleration[i]);
            angular(tunings[i]->angular, states[i]->angular, angularWords[i], rates[i], in.fresh);
        }
    }

    double value(int word) const { return r_.signal(word); }

    void writeInputs(const Inputs& in) {
        put(r_, words::lateralAcceleration, in.acceleration[0]);
        put(r_, words::longitudinalAcceleration, in.acceleration[1]);
        put(r_, words::verticalAcceleration, in.acceleration[2]);
        put(r_, words::verticalTiltAcceleration, in.tiltAcceleration[2]);
        put(r_, words::rollRate, in.rate[0]);
        put(r_, words::pitchRate, in.rate[1]);
        put(r_, words::yawRate, in.rate[2]);
        put(r_, words::pitchAngle, in.pitchAngle);
        put(r_, words::rollAngle, in.rollAngle);
        put(r_, words::roadLeft, in.road[0]);
        put(r_, words::roadRight, in.road[1]);
        put(r_, words::sideslip, in.sideslip);
        put(r_, words::speed, in.speed);
        put(r_, words::frontWheelAngle, in.frontWheelAngle);
        put(r_, words::understeerYawRate, in.rate[2]);
    }

    // Angular rate and smoothed angular acceleration of a frame, for the point-of-sense terms.
    void updateRotation(Rotation& rotation, Vec3 rate) {
        const double now[3] = {rate.x, rate.y, rate.z};
        for (int i = 0; i < 3; ++i) {
            const double raw = (now[i] - rotation.previousRate[i]) / dt_;
            rotation.filteredAcceleration[i] =
                run(t_.angularAccelerationFilter, rotation.acceleration[i], raw);
            rotation.previousRate[i] = now[i];
            rotation.rate[i] = now[i];
        }
    }

    static Vec3 rateOf(const Rotation& r) { return {r.rate[0], r.rate[1], r.rate[2]}; }
    static Vec3 accelerationOf(const Rotation& r) {
        return {r.filteredAcceleration[0], r.filteredAcceleration[1], r.filteredAcceleration[2]};
    }

    // An input that carries gravity (G1 without G2) is limited on its deviation from 1 g: the
    // limitation's maximum is meant for motion, and squashing the constant 1 g would leave the
    // travel path a permanent offset once G1 takes gravity out again.
    double limitAcceleration(const LimitCurve& limit, double acceleration, bool vertical) const {
        const AlgorithmOptions& o = t_.options;
        if (!vertical || !o.enableCorrection || o.removeVerticalComponent)
            return apply(limit, acceleration);
        return gravity + apply(limit, acceleration - gravity);
    }

    // G1: remove the gravity the top frame's present attitude puts into the driver's seat; all of
    // it when the inputs contain gravity, only the part the tilt adds when they do not (G2).
    void correctGravity(const double (&a)[3], double (&out)[3]) const {
        std::copy(a, a + 3, out);
        if (!t_.options.enableCorrection)
            return;
        const Vec3 reading = Attitude(s_.attitude).gravityReading();
        const double level = t_.options.removeVerticalComponent ? gravity : 0.0;
        out[0] = a[0] - reading.y;
        out[1] = a[1] - reading.x;
        out[2] = a[2] - (reading.z - level);
    }

    // T1 turns the accelerations from the vehicle's axes into the platform's neutral axes by the
    // top frame's attitude; T2 first moves them from the reference point to the point of sense;
    // T3 then removes what the platform's own rotation adds at the point of sense.
    void transformAcceleration(const double (&a)[3], Vec3 lever, double (&out)[3]) {
        Vec3 v{a[1], a[0], a[2]};
        const AlgorithmOptions& o = t_.options;
        if (o.enableAccMatrix) {
            if (o.enableAccMatrixTranslationBefore)
                v = v + leverArm(rateOf(s_.vehicle), accelerationOf(s_.vehicle), lever);
            v = Attitude(s_.attitude).toNeutral(v);
            if (o.enableAccMatrixTranslationAfter)
                v = v - leverArm(rateOf(s_.platform), accelerationOf(s_.platform), lever);
        }
        out[0] = v.y;
        out[1] = v.x;
        out[2] = v.z;
    }

    // V1 turns body angular rates into the rates of the platform's roll, pitch and yaw angles at
    // its present attitude. Rates are the same at every point of a rigid body, so the
    // point-of-sense options V2 and V3 leave them as they are.
    void transformRates(const double (&rate)[3], double (&out)[3]) const {
        std::copy(rate, rate + 3, out);
        if (!t_.options.enableVelocityMatrix)
            return;
        const Vec3 w = rightHanded(rate[0], rate[1], rate[2]);
        const double roll = -s_.attitude[0];
        const double pitch = std::clamp(s_.attitude[1], -maxTransformPitch, maxTransformPitch);
        const double sr = std::sin(roll), cr = std::cos(roll);
        const double tp = std::tan(pitch), cp = std::cos(pitch);
        const double turning = w.y * sr + w.z * cr;
        out[0] = -(w.x + turning * tp);
        out[1] = w.y * cr - w.z * sr;
        out[2] = turning / cp;
    }

    bool hold(bool fresh) const { return t_.options.highpassUseFreshDataOnly && !fresh; }

    // A high-pass on input data: with "use only fresh data" it holds while the source repeats.
    // The first step after a reset starts it as if its input had always been there, so a drive
    // that starts in motion, or an offset such as gravity the options do not expect, washes in
    // without a jolt.
    double inputHighPass(const Biquad& c, BiquadState& s, double x, bool fresh) const {
        if (first_)
            s.x1 = s.x2 = x;
        return hold(fresh) ? s.y1 : run(c, s, x);
    }

    void travel(const TravelTuning& t, TravelState& s, const words::Travel& w, double input,
                bool fresh) {
        put(r_, w.transformed, input);
        if (!t.enabled) {
            s = TravelState{};
            for (int word : {w.accelerationFiltered, w.accelerationIntegrated, w.velocityFiltered,
                             w.velocityIntegrated, w.travelFiltered, w.outputFiltered, w.output})
                put(r_, word, 0.0);
            return;
        }
        const double acceleration =
            inputHighPass(t.accelerationFilter, s.accelerationFilter, input, fresh);
        double delta = 0.0;
        const double toVelocity =
            integrate(s.toVelocity, acceleration, dt_, t.bypassAccelerationIntegration, delta);
        const double velocity = run(t.velocityFilter, s.velocity, delta);
        const double toTravel =
            integrate(s.toTravel, velocity, dt_, t.bypassVelocityIntegration, delta);
        const double travel = run(t.travelFilter, s.travel, delta);
        const double filtered = run(t.outputFilter, s.outputFilter, travel);
        put(r_, w.accelerationFiltered, acceleration);
        put(r_, w.accelerationIntegrated, toVelocity);
        put(r_, w.velocityFiltered, velocity);
        put(r_, w.velocityIntegrated, toTravel);
        put(r_, w.travelFiltered, travel);
        put(r_, w.outputFiltered, filtered);
        put(r_, w.output, apply(t.outputLimit, filtered));
    }

    // Tilt coordination: the sustained part of the acceleration, rendered as the angle at which
    // gravity pushes the driver as that acceleration would, turning no faster than the maximum
    // rate.
    void tilt(const AxisTuning& axis, TiltState& s, const words::Tilt& w, double input) {
        const TiltTuning& t = axis.tilt;
        const double limited = apply(axis.tiltInput, input);
        put(r_, w.limited, limited);
        if (!t.enabled) {
            s = TiltState{};
            for (int word :
                 {w.accelerationFiltered, w.angle, w.rateLimited, w.outputFiltered, w.output})
                put(r_, word, 0.0);
            return;
        }
        const double sustained = run(t.accelerationFilter, s.accelerationFilter, limited);
        const double angle = -std::asin(std::clamp(sustained / gravity, -1.0, 1.0));
        s.angle = rateLimit(s.angle, angle, t.maximumRate * dt_);
        const double filtered = run(t.outputFilter, s.outputFilter, s.angle);
        put(r_, w.accelerationFiltered, sustained);
        put(r_, w.angle, angle);
        put(r_, w.rateLimited, s.angle);
        put(r_, w.outputFiltered, filtered);
        put(r_, w.output, apply(t.outputLimit, filtered));
    }

    void angular(const AngularTuning& t, AngularState& s, const words::Angular& w, double rate,
                 bool fresh) {
        put(r_, w.transformed, rate);
        if (!t.enabled) {
            s = AngularState{};
            for (int word :
                 {w.velocityFiltered, w.integrated, w.angleFiltered, w.outputFiltered, w.output})
                put(r_, word, 0.0);
            return;
        }
        const double velocity = inputHighPass(t.velocityFilter, s.velocityFilter, rate, fresh);
        double delta = 0.0;
        const double integrated = integrate(s.toAngle, velocity, dt_, t.bypassIntegration, delta);
        const double angle = run(t.angleFilter, s.angle, delta);
        const double filtered = run(t.outputFilter, s.outputFilter, angle);
        put(r_, w.velocityFiltered, velocity);
        put(r_, w.integrated, integrated);
        put(r_, w.angleFiltered, angle);
        put(r_, w.outputFiltered, filtered);
        put(r_, w.output, apply(t.outputLimit, filtered));
    }

    void absolute(const AbsoluteTuning& t, BiquadState& s, const words::Absolute& w, double angle) {
        put(r_, w.limited, apply(t.input, angle));
        path(t.enabled, t.outputFilter, t.outputLimit, s, {w.outputFiltered, w.output},
             value(w.limited));
    }

    // Output filter and limitation of a switched path; a path that is off outputs 0 and rests.
    void path(bool enabled, const Biquad& filter, const LimitCurve& limit, BiquadState& s,
              const words::Mixer& w, double input) {
        if (!enabled) {
            s = BiquadState{};
            put(r_, w.outputFiltered, 0.0);
            put(r_, w.output, 0.0);
            return;
        }
        const double filtered = run(filter, s, input);
        put(r_, w.outputFiltered, filtered);
        put(r_, w.output, apply(limit, filtered));
    }

    void path(const PathTuning& t, BiquadState& s, const words::Mixer& w, double input) {
        path(t.enabled, t.outputFilter, t.outputLimit, s, w, input);
    }

    void roadHarshness(RoadSideState& s, const words::Road& w, double road, bool fresh) {
        const RoadTuning& t = t_.road;
        const double limited = apply(t.input, road);
        put(r_, w.limited, limited);
        if (!t.enabled) {
            s.highPass = BiquadState{};
            put(r_, w.highPassed, 0.0);
            path(false, t.outputFilter, t.outputLimit, s.outputFilter, {w.outputFiltered, w.output},
                 0.0);
            return;
        }
        put(r_, w.highPassed, inputHighPass(t.highPass, s.highPass, limited, fresh));
        path(true, t.outputFilter, t.outputLimit, s.outputFilter, {w.outputFiltered, w.output},
             value(w.highPassed));
    }

    // The cross-feeds between degrees of freedom, each from the signal its page names.
    void mixer(RoadSideState& left, RoadSideState& right) {
        path(t_.swayToRoll, s_.swayToRoll, words::swayToRoll,
             value(words::lateralTravel.travelFiltered));
        path(t_.yawToRoll, s_.yawToRoll, words::yawToRoll,
             value(words::verticalAngular.angleFiltered));
        path(t_.surgeToPitch, s_.surgeToPitch, words::surgeToPitch,
             value(words::longitudinalTravel.travelFiltered));
        path(t_.heaveToPitch, s_.heaveToPitch, words::heaveToPitch,
             value(words::verticalTravel.travelFiltered));
        const double roadLeft = value(words::roadHarshnessLeft.highPassed);
        const double roadRight = value(words::roadHarshnessRight.highPassed);
        path(t_.roadToSurge, left.toSurge, words::roadToSurgeLeft, roadLeft);
        path(t_.roadToSurge, right.toSurge, words::roadToSurgeRight, roadRight);
        path(t_.roadToPitch, left.toPitch, words::roadToPitchLeft, roadLeft);
        path(t_.roadToPitch, right.toPitch, words::roadToPitchRight, roadRight);
    }

    void sideslip(const SideslipTuning& t, SideslipState& s, const words::Sideslip& w,
                  const Inputs& in) {
        put(r_, w.limited, apply(t.input, in.sideslip));
        if (!t.enabled) {
            s = SideslipState{};
            for (int word : {w.rateLimited, w.highPassed, w.outputFiltered, w.output})
                put(r_, word, 0.0);
            return;
        }
        s.angle = rateLimit(s.angle, value(w.limited), t.maximumRate * dt_);
        put(r_, w.rateLimited, s.angle);
        put(r_, w.highPassed, inputHighPass(t.highPass, s.highPass, s.angle, in.fresh));
        const double filtered = run(t.outputFilter, s.outputFilter, value(w.highPassed));
        put(r_, w.outputFiltered, filtered);
        put(r_, w.output, apply(t.outputLimit, filtered));
    }

    // Understeer: how much less the vehicle turns than its front wheels ask for, both expressed
    // as the steering angle of the turn (the actual one from yaw rate, speed and wheel base).
    void understeer(const Inputs& in) {
        const UndersteerTuning& t = t_.understeer;
        UndersteerState& s = s_.understeer;
        const double speed = std::fabs(in.speed);
        const double fade =
            1.0 - std::exp(-(speed * speed) / (understeerFadeSpeed * understeerFadeSpeed));
        put(r_, words::dampenedFrontWheelAngle, fade * in.frontWheelAngle);
        const double intended =
            run(t.intendedFilter, s.intended, value(words::dampenedFrontWheelAngle));
        const double yawRate = run(t.yawRateFilter, s.yawRate, in.rate[2]);
        const double actual =
            speed < minTurningSpeed ? 0.0 : fade * std::atan(in.wheelbase * yawRate / speed);
        const double actualFiltered = run(t.actualFilter, s.actual, actual);
        s.difference =
            rateLimit(s.difference, intended - actualFiltered, t.differenceMaximumRate * dt_);
        // Only turning less than intended is understeer; turning more is the sideslip's cue.
        const double understeer = s.difference * intended > 0.0 ? s.difference : 0.0;

        put(r_, words::intendedTurningCurve, intended);
        put(r_, words::understeerYawRateFiltered, yawRate);
        put(r_, words::actualTurningCurve, actual);
        put(r_, words::actualTurningCurveFiltered, actualFiltered);
        put(r_, words::turningCurveDifference, intended - actualFiltered);
        put(r_, words::turningCurveDifferenceRateLimited, s.difference);
        put(r_, words::understeerAngle, understeer);
        path(t.toYaw, s.toYaw, words::understeerToYaw, understeer);
        path(t.toRoll, s.toRoll, words::understeerToRoll, understeer);
        const double yaw = t.toYaw.enabled ? value(words::understeerToYaw.output) : 0.0;
        put(r_, words::understeerToSway, -t.pivotOffset * std::sin(yaw));
    }

    double mean(int first, int second) const { return 0.5 * (value(first) + value(second)); }

    // The six sums, in the order the summation graphs show their contributions, then the final
    // limits. The understeer's outputs join the roll, yaw and sway sums.
    void multiplex() {
        using namespace words;
        const double roll = value(lateralTilt.output) + value(lateralAngular.output) +
                            value(absoluteRoll.output) + value(swayToRoll.output) +
                            value(yawToRoll.output) + value(sideslipToRoll.output) +
                            value(understeerToRoll.output);
        const double pitch = value(longitudinalTilt.output) + value(longitudinalAngular.output) +
                             value(verticalTilt.output) + value(absolutePitch.output) +
                             value(heaveToPitch.output) + value(surgeToPitch.output) +
                             mean(roadToPitchLeft.output, roadToPitchRight.output);
        const double yaw = value(verticalAngular.output) + value(sideslipToYaw.output) +
                           value(understeerToYaw.output);
        const double surge = value(longitudinalTravel.output) +
                             mean(roadToSurgeLeft.output, roadToSurgeRight.output);
        const double sway =
            value(lateralTravel.output) + value(sideslipToSway) + value(understeerToSway);
        const double heave = value(verticalTravel.output) +
                             mean(roadHarshnessLeft.output, roadHarshnessRight.output);
        const double sums[6] = {roll, pitch, yaw, sway, heave, surge};
        const LimitCurve* limits[6] = {&t_.roll, &t_.pitch, &t_.yaw,
                                       &t_.sway, &t_.heave, &t_.surge};
        const int before[6] = {summed.roll, summed.pitch, summed.yaw,
                               summed.sway, summed.heave, summed.surge};
        const int after[6] = {platform.roll, platform.pitch, platform.yaw,
                              platform.sway, platform.heave, platform.surge};
        for (int i = 0; i < 6; ++i) {
            put(r_, before[i], sums[i]);
            put(r_, after[i], apply(*limits[i], value(before[i])));
        }
        // The attitude the options G1, T1, T3 and V1 work with leaves out the mixer's cross-feeds
        // from travel: travel depends on that attitude, and feeding it back through them would
        // close a loop (surge -> pitch -> gravity -> surge) that rings.
        const double attitude[3] = {
            apply(t_.roll, roll - value(swayToRoll.output)),
            apply(t_.pitch, pitch - value(surgeToPitch.output) - value(heaveToPitch.output)),
            value(platform.yaw)};
        const Vec3 rate{-(attitude[0] - s_.attitude[0]) / dt_, (attitude[1] - s_.attitude[1]) / dt_,
                        (attitude[2] - s_.attitude[2]) / dt_};
        updateRotation(s_.platform, rate);
        std::copy(attitude, attitude + 3, s_.attitude);
    }

    const Tuning& t_;
    State& s_;
    KEOOutputRecord& r_;
    const double dt_;
    const bool first_;
};

// Every state member is a double; a state beyond this has run away (an integration bypassed on a
// sustained input, say) and starts over from rest rather than carry a non-finite value on.
constexpr double maxStateMagnitude = 1.0e12;

bool isSane(const State& state) {
    static_assert(sizeof(State) % sizeof(double) == 0, "the state holds doubles only");
    constexpr std::size_t count = sizeof(State) / sizeof(double);
    double values[count];
    std::memcpy(values, &state, sizeof values);
    for (double v : values) {
        if (!(std::fabs(v) <= maxStateMagnitude))
            return false;
    }
    return true;
}

} // namespace

Engine::Engine()
    : tuning_(tune(zeroConfig(), KEOParamSet::First, WorkEnvelopeLimits{}, 1000.0)) {}

void Engine::reset() noexcept {
    state_ = State{};
}

void Engine::step(const VehicleInput& input, double dt, KEOOutputRecord& record) noexcept {
    const double nominal = 1.0 / tuning_.stepRate;
    const double stepSeconds = std::isfinite(dt) && dt > 0.0 && dt <= 1.0 ? dt : nominal;
    Step(tuning_, state_, record, stepSeconds).advance(Inputs(input));
    if (!isSane(state_))
        reset();
}

} // namespace engine
