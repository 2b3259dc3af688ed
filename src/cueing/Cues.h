#pragma once

#include "config/Config.h"
#include "cueing/Vestibular.h"
#include "engine/Geometry.h"

#include <array>

// The motion the rider's head goes through, on the platform and in the vehicle, in the rider's
// axes (x forward, y left, z up): specific force and angular velocity per channel (see Channel).
namespace cueing {

using Cue = std::array<double, channelCount>;

constexpr double gravity = 9.80665; // m/s²

// The point whose motion is judged, from the platform's motion reference point, m: the driver's
// head `head` when the options move the accelerations there (T1 with T2 or T3, see
// docs/engine.md), else the reference point itself, where the platform's pose is given.
engine::Vec3 pointOfSenseFor(const AlgorithmOptions& options, const double (&head)[3]);

// The platform's pose as the record's final words give it: roll, pitch, yaw (rad, record senses)
// and the travel of its motion reference point in its neutral axes, m.
struct Pose {
    double roll = 0.0, pitch = 0.0, yaw = 0.0, sway = 0.0, heave = 0.0, surge = 0.0;
};

// Three poses of a trajectory and the times between them: `before` and `after` lie `back` and
// `ahead` seconds from `now`.
struct PoseSpan {
    Pose before, now, after;
    double back, ahead;
};

// A pose with its first and second time derivatives.
struct PoseMotion {
    Pose at, rate, acceleration;
};

// The motion at the middle pose by central differences across the span.
PoseMotion motionOf(const PoseSpan& span);

// The platform's cue: specific force R^T (p'' + g) + alpha x r + omega x (omega x r) at the point
// of sense r, heave as the deviation from 1 g, and the body's angular velocity.
Cue platformCue(const PoseMotion& motion, engine::Vec3 pointOfSense);

// The vehicle's cue from its record words: specific force as its accelerometers read it at the
// reference point (words 3-5; `carriesGravity` says whether word 5 holds the 1 g, option G2,
// taken as the single-precision 9.80665 the word holds at rest) and
// its angular rates (words 7-9). `angularAcceleration` (right-handed, rad/s²) moves the force to
// the point of sense; pass zeros where the point of sense is the reference point.
Cue vehicleCue(const std::array<double, 6>& words, bool carriesGravity,
               engine::Vec3 angularAcceleration, engine::Vec3 pointOfSense);

} // namespace cueing
