#include "Vestibular.h"

namespace cueing {
namespace {

using Complex = std::complex<double>;

// (n2 s² + n1 s + n0) / (d2 s² + d1 s + d0) by the bilinear transform s = 2 f (1 - 1/z) / (1 +
// 1/z). The models' corners lie far below any step rate a host runs at, so no pre-warping is
// needed.
engine::Biquad bilinear(double n2, double n1, double n0, double d2, double d1, double d0,
                        double stepRate) {
    const double k = 2.0 * stepRate, kk = k * k;
    const double a0 = d2 * kk + d1 * k + d0;
    engine::Biquad b;
    b.b0 = (n2 * kk + n1 * k + n0) / a0;
    b.b1 = (2.0 * n0 - 2.0 * n2 * kk) / a0;
    b.b2 = (n2 * kk - n1 * k + n0) / a0;
    b.a1 = (2.0 * d0 - 2.0 * d2 * kk) / a0;
    b.a2 = (d2 * kk - d1 * k + d0) / a0;
    return b;
}

// (n1 s + n0) / (d1 s + d0) by the same transform: {b0, b1, a1}.
std::array<double, 3> bilinear(double n1, double n0, double d1, double d0, double stepRate) {
    const double k = 2.0 * stepRate, a0 = d1 * k + d0;
    return {(n1 * k + n0) / a0, (n0 - n1 * k) / a0, (d0 - d1 * k) / a0};
}

Complex firstOrderLag(double time, Complex s) {
    return 1.0 / (1.0 + time * s);
}

} // namespace

Complex response(const CanalModel& c, double omega) {
    const Complex s(0.0, omega);
    return c.adaptation * c.longTime * s * s * firstOrderLag(c.adaptation, s) *
           firstOrderLag(c.longTime, s) * firstOrderLag(c.shortTime, s);
}

Complex response(const OtolithModel& o, double omega) {
    const Complex s(0.0, omega);
    return o.gain * (1.0 + o.leadTime * s) * firstOrderLag(o.longTime, s) *
           firstOrderLag(o.shortTime, s);
}

SensationFilter SensationFilter::of(int channel, double stepRate) {
    return isForce(channel) ? of(otolith, stepRate) : of(canals[channel - Roll], stepRate);
}

SensationFilter SensationFilter::of(const CanalModel& c, double stepRate) {
    SensationFilter f;
    const double al = c.adaptation * c.longTime;
    f.m_second = bilinear(al, 0.0, 0.0, al, c.adaptation + c.longTime, 1.0, stepRate);
    const auto lag = bilinear(0.0, 1.0, c.shortTime, 1.0, stepRate);
    f.m_lag = {lag[0], lag[1], lag[2]};
    return f;
}

SensationFilter SensationFilter::of(const OtolithModel& o, double stepRate) {
    SensationFilter f;
    f.m_second = bilinear(0.0, o.gain * o.leadTime, o.gain, o.longTime * o.shortTime,
                          o.longTime + o.shortTime, 1.0, stepRate);
    return f;
}

} // namespace cueing
