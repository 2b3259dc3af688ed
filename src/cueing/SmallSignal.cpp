#include "SmallSignal.h"

#include "config/LimitationCurves.h"
#include "cueing/Cues.h"

namespace cueing {
namespace {

using C = std::complex<double>;

struct Vec3C {
    C x, y, z;
};

Vec3C operator*(C k, const Vec3C& v) {
    return {k * v.x, k * v.y, k * v.z};
}
Vec3C operator+(const Vec3C& a, const Vec3C& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3C operator-(const Vec3C& a, const Vec3C& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3C cross(const Vec3C& a, engine::Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// Record rates (roll left side down) to right-handed ones.
Vec3C rightHanded(C roll, C pitch, C yaw) {
    return {-roll, pitch, yaw};
}

// Where the transfer functions are evaluated: z^-1 = e^{-jωT}, and s = jω for the derivatives of
// the sampled trajectory.
struct At {
    C zi, s;
    double step;
    C difference() const { return (1.0 - zi) / step; } // a backward difference per second
};

C of(const engine::Biquad& b, C zi) {
    return (b.b0 + zi * (b.b1 + zi * b.b2)) / (1.0 + zi * (b.a1 + zi * b.a2));
}
C of(const engine::Washout& w, C zi) {
    return w.k.gain / (1.0 - w.k.pole * zi);
}
// What the washout behind an integration receives per unit of its input.
C of(const engine::Integrator& i, const At& a) {
    return i.bypass ? 1.0 - a.zi : 0.5 * a.step * (1.0 + a.zi);
}

// The slope of a limitation at 0, as the curves compute it (LimitationCurves.cpp).
double slope(const engine::LimitCurve& l) {
    if (!l.curve || (l.bounded && !(l.maximum > 0.0f)))
        return 0.0;
    const double m = l.maximum, a = l.factor;
    if (l.curve == getLimitationFunction(KEOLimitationType::Logistic))
        return a * m / double(l.maximum + 0.000001f);
    if (l.curve == getLimitationFunction(KEOLimitationType::Atan))
        return a * m * double(0.63661975f);
    if (l.curve == getLimitationFunction(KEOLimitationType::Gain))
        return a;
    return 1.0;
}

C stage(const engine::OutputStage& o, C zi) {
    return of(o.filter.k, zi) * slope(o.limit);
}
C mixer(const engine::MixerPath& m, C zi) {
    return m.enabled ? stage(m.output, zi) : 0.0;
}

struct PathResponse {
    C inner;  // the signal the mixer takes (travel filter, angle filter)
    C output; // after the output stage
};

PathResponse travel(const engine::TravelPath& p, const At& a) {
    if (!p.enabled)
        return {};
    const C inner = of(p.acceleration.section.k, a.zi) * of(p.toVelocity, a) *
                    of(p.velocity, a.zi) * of(p.toTravel, a) * of(p.travel, a.zi);
    return {inner, inner * stage(p.output, a.zi)};
}

PathResponse angular(const engine::AngularPath& p, const At& a) {
    if (!p.enabled)
        return {};
    const C inner = of(p.velocity.section.k, a.zi) * of(p.toAngle, a) * of(p.angle, a.zi);
    return {inner, inner * stage(p.output, a.zi)};
}

// Per unit of the acceleration the tilt senses; a rate limiter held still passes nothing.
C tilt(const engine::TiltPath& p, C zi) {
    if (!p.enabled || !(p.rate.maximumRate > 0.0))
        return 0.0;
    return slope(p.input) * of(p.acceleration.k, zi) * (-1.0 / gravity) * stage(p.output, zi);
}

Vec3C smoothedDerivative(const engine::Rotation& r, const At& a, const Vec3C& rate) {
    return {of(r.smoothing[0].k, a.zi) * a.difference() * rate.x,
            of(r.smoothing[1].k, a.zi) * a.difference() * rate.y,
            of(r.smoothing[2].k, a.zi) * a.difference() * rate.z};
}

struct Input {
    C longitudinal, lateral, vertical, roll, pitch, yaw;
};

class Linearised {
public:
    Linearised(const engine::Tuning& t, const At& a, engine::Vec3 head)
        : t_(t)
        , a_(a)
        , head_(head) {}

    PhasorCue cue(const Input& in) const {
        const AlgorithmOptions& o = t_.options;
        const Vec3C vehicleAlpha =
            smoothedDerivative(t_.vehicle, a_, rightHanded(in.roll, in.pitch, in.yaw));
        const Vec3C vehicleLever = cross(vehicleAlpha, head_);
        const bool atHead = o.enableAccMatrix && o.enableAccMatrixTranslationBefore;
        const C longitudinalTilt =
            tilt(t_.longitudinal.tilt, a_.zi) * (in.longitudinal + (atHead ? vehicleLever.x : 0.0));
        const C lateralTilt =
            tilt(t_.lateral.tilt, a_.zi) * (in.lateral + (atHead ? vehicleLever.y : 0.0));

        const PathResponse rollPath = angular(t_.lateral.angular, a_);
        const PathResponse pitchPath = angular(t_.longitudinal.angular, a_);
        const PathResponse yawPath = angular(t_.vertical.angular, a_);
        const C roll = slope(t_.lateral.angularRateInput) * in.roll * rollPath.output;
        const C pitch = slope(t_.longitudinal.angularRateInput) * in.pitch * pitchPath.output;
        const C yawRate = slope(t_.vertical.angularRateInput) * in.yaw;
        const C yaw = yawRate * yawPath.output;
        const C yawToRoll = mixer(t_.yawToRoll, a_.zi) * yawRate * yawPath.inner;

        // The attitude the options work with leaves the cross-feeds from travel out.
        const C attitudeRoll = slope(t_.roll) * (lateralTilt + roll + yawToRoll);
        const C attitudePitch = slope(t_.pitch) * (longitudinalTilt + pitch);
        const C attitudeYaw = slope(t_.yaw) * yaw;

        Vec3C v{slope(t_.longitudinal.accelerationInput) * in.longitudinal,
                slope(t_.lateral.accelerationInput) * in.lateral,
                slope(t_.vertical.accelerationInput) * in.vertical};
        if (o.enableCorrection)
            v = v + Vec3C{gravity * attitudePitch * a_.zi, gravity * attitudeRoll * a_.zi, 0.0};
        if (o.enableAccMatrix && o.enableAccMatrixTranslationBefore)
            v = v + vehicleLever;
        if (o.enableAccMatrix && o.enableAccMatrixTranslationAfter) {
            const Vec3C platformRate =
                a_.difference() * rightHanded(attitudeRoll, attitudePitch, attitudeYaw);
            v = v - a_.zi * cross(smoothedDerivative(t_.platform, a_, platformRate), head_);
        }

        const PathResponse sway = travel(t_.lateral.travel, a_);
        const PathResponse surge = travel(t_.longitudinal.travel, a_);
        const PathResponse heave = travel(t_.vertical.travel, a_);
        const C swayToRoll = mixer(t_.swayToRoll, a_.zi) * sway.inner * v.y;
        const C surgeToPitch = mixer(t_.surgeToPitch, a_.zi) * surge.inner * v.x;
        const C heaveToPitch = mixer(t_.heaveToPitch, a_.zi) * heave.inner * v.z;

        const C platformRoll = slope(t_.roll) * (lateralTilt + roll + swayToRoll + yawToRoll);
        const C platformPitch =
            slope(t_.pitch) * (longitudinalTilt + pitch + heaveToPitch + surgeToPitch);
        return cueAtPointOfSense(platformRoll, platformPitch, attitudeYaw,
                                 {slope(t_.surge) * surge.output * v.x,
                                  slope(t_.sway) * sway.output * v.y,
                                  slope(t_.heave) * heave.output * v.z});
    }

private:
    // Specific force s² p - g (pitch, roll) + alpha x r and the angle rates, as platformCue().
    PhasorCue cueAtPointOfSense(C roll, C pitch, C yaw, const Vec3C& travel) const {
        const C s = a_.s;
        Vec3C force{s * s * travel.x - gravity * pitch, s * s * travel.y - gravity * roll,
                    s * s * travel.z};
        const engine::Vec3 r = pointOfSenseFor(t_.options, {head_.x, head_.y, head_.z});
        force = force + cross(s * s * rightHanded(roll, pitch, yaw), r);
        return {force.x, force.y, force.z, s * roll, s * pitch, s * yaw};
    }

    const engine::Tuning& t_;
    At a_;
    engine::Vec3 head_;
};

} // namespace

PhasorCue smallSignalCue(const engine::Tuning& tuning, int input, double omega, engine::Vec3 head) {
    const double step = 1.0 / tuning.stepRate;
    const At at{std::polar(1.0, -omega * step), C(0.0, omega), step};
    Input in{};
    C* const inputs[channelCount] = {&in.longitudinal, &in.lateral, &in.vertical,
                                     &in.roll,         &in.pitch,   &in.yaw};
    if (input >= 0 && input < channelCount)
        *inputs[input] = 1.0;
    return Linearised(tuning, at, head).cue(in);
}

} // namespace cueing
