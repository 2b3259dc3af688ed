#include "engine/Filters.h"

#include <cmath>
#include <complex>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

// The discrete filters against their continuous designs (docs/engine.md): gain measured by
// driving each one with a sine and demodulating its settled output, never read off coefficients.
namespace {

constexpr double stepRate = 1000.0;
constexpr double pi = 3.14159265358979323846;
using Filter = std::function<double(double)>;
using Complex = std::complex<double>;

// Low-pass, high-pass, and the delta high-pass fed with the change of a value (a first-order
// high-pass), each at a cutoff.
Filter make(int kind, double cutoff) {
    if (kind == 2) {
        return [c = engine::highPass1Delta(cutoff, stepRate), y = 0.0, x1 = 0.0](double x) mutable {
            return engine::run(c, y, x - std::exchange(x1, x));
        };
    }
    const engine::Biquad c =
        kind == 0 ? engine::lowPass2(cutoff, stepRate) : engine::highPass2(cutoff, stepRate);
    return [c, s = engine::BiquadState{}](double x) mutable {
        return engine::run(c, s, x);
    };
}

// Their continuous designs at s / w, and their documented gains at the cutoff.
Complex design(int kind, Complex s) {
    const Complex designs[] = {1.0 / ((s + 1.0) * (s + 1.0)), s * s / ((s + 1.0) * (s + 1.0)),
                               s / (s + 1.0)};
    return designs[kind];
}
constexpr double gainAtCutoff[] = {0.5, 0.5, 0.70710678};

// Gain of the filter at `frequency`, from whole periods after it has settled.
double measuredGain(Filter filter, double frequency, double cutoff) {
    const double omega = 2.0 * pi * frequency;
    const long period = std::lround(stepRate / frequency);
    const double settle = 12.0 / (2.0 * pi * std::min(frequency, cutoff));
    const long settleSteps = std::lround(settle * stepRate / period + 1) * period;
    const long periods = std::max(1L, 20000L / period);
    Complex sum = 0.0;
    for (long i = 0; i < settleSteps + periods * period; ++i) {
        const double y = filter(std::sin(omega * double(i) / stepRate));
        if (i >= settleSteps)
            sum += y * std::exp(Complex(0.0, -omega * double(i) / stepRate));
    }
    return 2.0 * std::abs(sum) / double(periods * period);
}

} // namespace

// Below a fifth of the step rate every discrete filter stays within 1 % (of its pass-band gain)
// of its continuous design, and at the cutoff it has exactly the documented gain.
TEST(FilterResponse, MatchesContinuousDesignBelowAFifthOfTheStepRate) {
    for (int kind : {0, 1, 2}) {
        for (double cutoff : {0.5, 5.0, 20.0}) {
            SCOPED_TRACE("filter " + std::to_string(kind) + " at " + std::to_string(cutoff));
            EXPECT_NEAR(measuredGain(make(kind, cutoff), cutoff, cutoff), gainAtCutoff[kind],
                        0.005);
            for (double frequency : {cutoff / 8, cutoff / 2, 2 * cutoff, 8 * cutoff, 200.0}) {
                // Whole numbers of steps per period keep the demodulation exact.
                frequency = stepRate / std::round(stepRate / frequency);
                const double continuous = std::abs(design(kind, Complex(0.0, frequency / cutoff)));
                EXPECT_NEAR(measuredGain(make(kind, cutoff), frequency, cutoff), continuous, 0.01)
                    << frequency << " Hz";
            }
        }
    }
}

// Cutoffs outside the discrete range behave as the continuous design's limits, and finitely:
// 0, negative or NaN is w = 0, half the step rate and above is w = infinity.
TEST(FilterResponse, CutoffOutsideTheRangeIsTheLimitOfTheDesign) {
    for (double cutoff : {0.0, -3.0, double(NAN), stepRate / 2, 5 * stepRate}) {
        const bool above = cutoff >= stepRate / 2;
        const double gains[] = {above ? 1.0 : 0.0, above ? 0.0 : 1.0, above ? 0.0 : 1.0};
        for (int kind : {0, 1, 2}) {
            Filter filter = make(kind, cutoff);
            for (int i = 0; i < 1000; ++i) {
                const double x = std::cos(2 * pi * 10.0 * i / stepRate) + 0.5;
                ASSERT_NEAR(filter(x), gains[kind] * x, 1e-12) << cutoff << " kind " << kind;
            }
        }
    }
}
