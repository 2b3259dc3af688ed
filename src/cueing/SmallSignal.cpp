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
        : m_tuning(t)
        , m_at(a)
        , m_head(head) {}

    PhasorCue cue(const Input& in) const {
        const AlgorithmOptions& o = m_tuning.options;
        const Vec3C vehicleAlpha =
            smoothedDerivative(m_tuning.vehicle, m_at, rightHanded(in.roll, in.pitch, in.yaw));
        const Vec3C vehicleLever = cross(vehicleAlpha, m_head);
        const bool atHead = o.enableAccMatrix && o.enableAccMatrixTranslationBefore;
        const C longitudinalTilt = tilt(m_tuning.longitudinal.tilt, m_at.zi) *
                                   (in.longitudinal + (atHead ? vehicleLever.x : 0.0));
        const C lateralTilt =
            tilt(m_tuning.lateral.tilt, m_at.zi) * (in.lateral + (atHead ? vehicleLever.y : 0.0));

        const PathResponse rollPath = angular(m_tuning.lateral.angular, m_at);
        const PathResponse pitchPath = angular(m_tuning.longitudinal.angular, m_at);
        const PathResponse yawPath = angular(m_tuning.vertical.angular, m_at);
        const C roll = slope(m_tuning.lateral.angularRateInput) * in.roll * rollPath.output;
        const C pitch = slope(m_tuning.longitudinal.angularRateInput) * in.pitch * pitchPath.output;
        const C yawRate = slope(m_tuning.vertical.angularRateInput) * in.yaw;
        const C yaw = yawRate * yawPath.output;
        const C yawToRoll = mixer(m_tuning.yawToRoll, m_at.zi) * yawRate * yawPath.inner;

        // The attitude the options work with leaves the cross-feeds from travel out.
        const C attitudeRoll = slope(m_tuning.roll) * (lateralTilt + roll + yawToRoll);
        const C attitudePitch = slope(m_tuning.pitch) * (longitudinalTilt + pitch);
        const C attitudeYaw = slope(m_tuning.yaw) * yaw;

        Vec3C v{slope(m_tuning.longitudinal.accelerationInput) * in.longitudinal,
                slope(m_tuning.lateral.accelerationInput) * in.lateral,
                slope(m_tuning.vertical.accelerationInput) * in.vertical};
        if (o.enableCorrection)
            v = v + Vec3C{gravity * attitudePitch * m_at.zi, gravity * attitudeRoll * m_at.zi, 0.0};
        if (o.enableAccMatrix && o.enableAccMatrixTranslationBefore)
            v = v + vehicleLever;
        if (o.enableAccMatrix && o.enableAccMatrixTranslationAfter) {
            const Vec3C platformRate =
                m_at.difference() * rightHanded(attitudeRoll, attitudePitch, attitudeYaw);
            v = v -
                m_at.zi * cross(smoothedDerivative(m_tuning.platform, m_at, platformRate), m_head);
        }

        const PathResponse sway = travel(m_tuning.lateral.travel, m_at);
        const PathResponse surge = travel(m_tuning.longitudinal.travel, m_at);
        const PathResponse heave = travel(m_tuning.vertical.travel, m_at);
        const C swayToRoll = mixer(m_tuning.swayToRoll, m_at.zi) * sway.inner * v.y;
        const C surgeToPitch = mixer(m_tuning.surgeToPitch, m_at.zi) * surge.inner * v.x;
        const C heaveToPitch = mixer(m_tuning.heaveToPitch, m_at.zi) * heave.inner * v.z;

        const C platformRoll = slope(m_tuning.roll) * (lateralTilt + roll + swayToRoll + yawToRoll);
        const C platformPitch =
            slope(m_tuning.pitch) * (longitudinalTilt + pitch + heaveToPitch + surgeToPitch);
        return cueAtPointOfSense(platformRoll, platformPitch, attitudeYaw,
                                 {slope(m_tuning.surge) * surge.output * v.x,
                                  slope(m_tuning.sway) * sway.output * v.y,
                                  slope(m_tuning.heave) * heave.output * v.z});
    }

private:
    // Specific force s² p - g (pitch, roll) + alpha x r and the angle rates, as platformCue().
    PhasorCue cueAtPointOfSense(C roll, C pitch, C yaw, const Vec3C& travel) const {
        const C s = m_at.s;
        Vec3C force{s * s * travel.x - gravity * pitch, s * s * travel.y - gravity * roll,
                    s * s * travel.z};
        const engine::Vec3 r = pointOfSenseFor(m_tuning.options, {m_head.x, m_head.y, m_head.z});
        force = force + cross(s * s * rightHanded(roll, pitch, yaw), r);
        return {force.x, force.y, force.z, s * roll, s * pitch, s * yaw};
    }

    const engine::Tuning& m_tuning;
    At m_at;
    engine::Vec3 m_head;
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
