#include "Cues.h"

#include <cmath>

namespace cueing {
namespace {

using engine::Vec3;

// The platform's attitude as right-handed Euler angles (yaw, then pitch, then roll; the record's
// roll is the left side going down, the opposite of a right-handed roll about x).
struct Euler {
    double cr, sr, cp, sp, cy, sy;
    explicit Euler(const Pose& p)
        : cr(std::cos(-p.roll))
        , sr(std::sin(-p.roll))
        , cp(std::cos(p.pitch))
        , sp(std::sin(p.pitch))
        , cy(std::cos(p.yaw))
        , sy(std::sin(p.yaw)) {}

    // Neutral axes to body axes: the inverse of engine::Attitude::toNeutral.
    Vec3 toBody(Vec3 v) const {
        const double x1 = cy * v.x + sy * v.y, y1 = -sy * v.x + cy * v.y;
        const double x2 = cp * x1 - sp * v.z, z2 = sp * x1 + cp * v.z;
        return {x2, cr * y1 + sr * z2, -sr * y1 + cr * z2};
    }
    // Body angular velocity from the rates of the right-handed Euler angles.
    Vec3 bodyRate(double rollRate, double pitchRate, double yawRate) const {
        return {rollRate - yawRate * sp, pitchRate * cr + yawRate * sr * cp,
                -pitchRate * sr + yawRate * cr * cp};
    }
};

} // namespace

Vec3 pointOfSenseFor(const AlgorithmOptions& o, const double (&head)[3]) {
    const bool moved = o.enableAccMatrix &&
                       (o.enableAccMatrixTranslationBefore || o.enableAccMatrixTranslationAfter);
    return moved ? Vec3{head[0], head[1], head[2]} : Vec3{};
}

PoseMotion motionOf(const PoseSpan& s) {
    // Central differences on an uneven grid.
    const double perBack = 1.0 / s.back, perAhead = 1.0 / s.ahead;
    const double perSpan = 1.0 / (s.back + s.ahead);
    PoseMotion m{s.now, {}, {}};
    constexpr double Pose::*members[6] = {&Pose::roll, &Pose::pitch, &Pose::yaw,
                                          &Pose::sway, &Pose::heave, &Pose::surge};
    for (double Pose::*x : members) {
        const double slopeBack = (s.now.*x - s.before.*x) * perBack;
        const double slopeAhead = (s.after.*x - s.now.*x) * perAhead;
        m.rate.*x = (s.after.*x - s.before.*x) * perSpan;
        m.acceleration.*x = 2.0 * (slopeAhead - slopeBack) * perSpan;
    }
    return m;
}

Cue platformCue(const PoseMotion& m, Vec3 r) {
    const Euler attitude(m.at);
    const Pose& d = m.rate;
    const Pose& dd = m.acceleration;
    Vec3 force = attitude.toBody({dd.surge, dd.sway, dd.heave + gravity});
    const Vec3 rate = attitude.bodyRate(-d.roll, d.pitch, d.yaw);
    if (r.x != 0.0 || r.y != 0.0 || r.z != 0.0) {
        // The Euler angles' second derivatives carry the angular acceleration; the products of
        // rates the attitude's own turning adds are left out, as everywhere in the engine.
        const Vec3 alpha = attitude.bodyRate(-dd.roll, dd.pitch, dd.yaw);
        force = force + engine::leverArm(rate, alpha, r);
    }
    return {force.x, force.y, force.z - gravity, -rate.x, rate.y, rate.z};
}

Cue vehicleCue(const std::array<double, 6>& w, bool carriesGravity, Vec3 alpha, Vec3 r) {
    // The word holds 1 g in single precision: at rest it reads exactly that.
    constexpr double gravityWord = double(float(gravity));
    Vec3 force{w[0], w[1], carriesGravity ? w[2] - gravityWord : w[2]};
    if (r.x != 0.0 || r.y != 0.0 || r.z != 0.0)
        force = force + engine::leverArm(engine::rightHanded(w[3], w[4], w[5]), alpha, r);
    return {force.x, force.y, force.z, w[3], w[4], w[5]};
}

} // namespace cueing
