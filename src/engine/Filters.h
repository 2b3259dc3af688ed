#pragma once

// The discrete filters of the engine, each split into coefficients (computed once per
// configuration) and state (advanced once per step). All are the bilinear transform of a
// continuous design, pre-warped so that the discrete response at the cutoff equals the continuous
// one exactly.
namespace engine {

// Second-order section, y = b0 x + b1 x1 + b2 x2 - a1 y1 - a2 y2. The default passes its input on.
struct Biquad {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
};

struct BiquadState {
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

// First-order high-pass fed with increments of its input rather than the input itself:
// y = pole * y1 + gain * delta. Fed with the increments an integrator produces, it is the
// integrator and the high-pass in one, a leaky integrator that cannot drift.
struct DeltaHighPass {
    double pole = 1.0, gain = 1.0;
};

// The continuous designs, for a cutoff in Hz at a step rate in Hz:
//   lowPass2:  w^2 / (s + w)^2     critically damped, never overshoots
//   highPass2: s^2 / (s + w)^2     its complement in the same sense
//   highPass1: s / (s + w)         for DeltaHighPass
// with w = 2 pi cutoff. A cutoff that is 0, negative or not finite means w = 0: the low-pass
// passes nothing, the high-passes pass everything (the delta high-pass integrates). A cutoff at
// or above half the step rate is the other limit: the low-pass passes everything, the high-passes
// pass nothing.
Biquad lowPass2(double cutoffHz, double stepRateHz);
Biquad highPass2(double cutoffHz, double stepRateHz);
DeltaHighPass highPass1Delta(double cutoffHz, double stepRateHz);
constexpr Biquad passThrough() {
    return Biquad{};
}

// Critical damping for both second-order designs.
constexpr double filterDamping = 1.0;

inline double run(const Biquad& c, BiquadState& s, double x) {
    const double y = c.b0 * x + c.b1 * s.x1 + c.b2 * s.x2 - c.a1 * s.y1 - c.a2 * s.y2;
    s.x2 = s.x1;
    s.x1 = x;
    s.y2 = s.y1;
    s.y1 = y;
    return y;
}

inline double run(const DeltaHighPass& c, double& y, double delta) {
    y = c.pole * y + c.gain * delta;
    return y;
}

// Moves `current` towards `target` by at most `maxStep`; a maxStep that is not positive holds it.
inline double rateLimit(double current, double target, double maxStep) {
    if (!(maxStep > 0.0))
        return current;
    const double step = target - current;
    if (step > maxStep)
        return current + maxStep;
    if (step < -maxStep)
        return current - maxStep;
    return target;
}

} // namespace engine
