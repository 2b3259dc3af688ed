#pragma once

#include "cueing/Vestibular.h"
#include "engine/Geometry.h"
#include "engine/Tuning.h"

#include <array>
#include <complex>

// The engine linearised for small signals: every filter is its discrete transfer function at
// z = e^{jωT} (T the tuning's step), every limitation its slope at 0, a rate limit passes a rate
// below it and a rate limiter held still (maximum 0) passes nothing, -asin(a / g) is -a / g, and
// the products of small signals the transformations and the point-of-sense terms form are 0. What
// remains is linear: the G correction (option G1) feeds the platform's attitude of the step before
// into the travel paths, T2 adds the vehicle's angular acceleration times the lever, T3 removes the
// platform's, and the mixer's cross-feeds from travel join the final sums.
namespace cueing {

using PhasorCue = std::array<std::complex<double>, channelCount>;

// The platform's cue at the point of sense (as platformCue() measures it) per unit sine of one
// vehicle input at `omega` rad/s, as complex amplitudes: `input` is a Channel (the vehicle's
// specific force along surge, sway, heave or its roll, pitch or yaw rate; the other inputs at
// rest, the vehicle standing). `head` is the driver's head from the vehicle's reference point
// (VehicleInput::pointOfSense): the engine's lever for T2 and T3, and the point of sense where
// the options move the accelerations there.
PhasorCue smallSignalCue(const engine::Tuning& tuning, int input, double omega, engine::Vec3 head);

} // namespace cueing
