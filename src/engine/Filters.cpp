#include "Filters.h"

#include <cmath>

namespace engine {
namespace {

constexpr double pi = 3.14159265358979323846;

enum class Band { Below, Within, Above };

// Where a cutoff lies against the discrete design's range (0, Nyquist).
Band bandOf(double cutoffHz, double stepRateHz) {
    if (!(cutoffHz > 0.0) || !std::isfinite(cutoffHz))
        return Band::Below;
    if (cutoffHz >= 0.5 * stepRateHz)
        return Band::Above;
    return Band::Within;
}

// The bilinear transform s = k (1 - 1/z) / (1 + 1/z), with k pre-warped to the cutoff.
double warpedGain(double omega, double stepRateHz) {
    return omega / std::tan(omega / (2.0 * stepRateHz));
}

// Biquad for numerator n0 s^2 + n1 s + n2 over s^2 + 2 zeta w s + w^2.
Biquad bilinear(double n0, double n1, double n2, double omega, double k) {
    const double a0 = k * k + 2.0 * filterDamping * omega * k + omega * omega;
    Biquad c;
    c.b0 = (n0 * k * k + n1 * k + n2) / a0;
    c.b1 = (2.0 * n2 - 2.0 * n0 * k * k) / a0;
    c.b2 = (n0 * k * k - n1 * k + n2) / a0;
    c.a1 = (2.0 * omega * omega - 2.0 * k * k) / a0;
    c.a2 = (k * k - 2.0 * filterDamping * omega * k + omega * omega) / a0;
    return c;
}

constexpr Biquad blocking() {
    Biquad c;
    c.b0 = 0.0;
    return c;
}

} // namespace

Biquad lowPass2(double cutoffHz, double stepRateHz) {
    switch (bandOf(cutoffHz, stepRateHz)) {
    case Band::Below:
        return blocking();
    case Band::Above:
        return passThrough();
    case Band::Within:
        break;
    }
    const double omega = 2.0 * pi * cutoffHz;
    return bilinear(0.0, 0.0, omega * omega, omega, warpedGain(omega, stepRateHz));
}

Biquad highPass2(double cutoffHz, double stepRateHz) {
    switch (bandOf(cutoffHz, stepRateHz)) {
    case Band::Below:
        return passThrough();
    case Band::Above:
        return blocking();
    case Band::Within:
        break;
    }
    const double omega = 2.0 * pi * cutoffHz;
    return bilinear(1.0, 0.0, 0.0, omega, warpedGain(omega, stepRateHz));
}

DeltaHighPass highPass1Delta(double cutoffHz, double stepRateHz) {
    switch (bandOf(cutoffHz, stepRateHz)) {
    case Band::Below:
        return DeltaHighPass{};
    case Band::Above:
        return DeltaHighPass{0.0, 0.0};
    case Band::Within:
        break;
    }
    const double omega = 2.0 * pi * cutoffHz;
    const double k = warpedGain(omega, stepRateHz);
    return DeltaHighPass{(k - omega) / (k + omega), k / (k + omega)};
}

} // namespace engine
