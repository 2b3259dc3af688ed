#include "engine/Filters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>

// The discrete filters against their continuous designs (docs/engine.md): gain measured by
// driving each one with a sine and demodulating its settled output, never read off coefficients.
namespace {

constexpr double stepRate = 1000.0;
constexpr double pi = 3.14159265358979323846;

using Filter = std::function<double(double)>;
using Design = std::function<std::complex<double>(std::complex<double>)>;

struct Case {
    const char* name;
    std::function<Filter(double cutoff)> make;
    Design continuous; // H(s) for w = 1: evaluated at s / w
    double gainAtCutoff;
};

Filter biquad(const engine::Biquad& c) {
    return [c, s = engine::BiquadState{}](double x) mutable { return engine::run(c, s, x); };
}

// The delta high-pass fed with the change of a value: a plain first-order high-pass.
Filter deltaOfValue(const engine::DeltaHighPass& c) {
    return [c, y = 0.0, previous = 0.0](double x) mutable {
        const double out = engine::run(c, y, x - previous);
        previous = x;
        return out;
    };
}

// Gain of the filter at `frequency`, from whole periods after it has settled.
double measuredGain(Filter filter, double frequency, double cutoff) {
    const double omega = 2.0 * pi * frequency;
    const long period = std::lround(stepRate / frequency);
    const double settle = 12.0 / (2.0 * pi * std::min(frequency, cutoff));
    const long settleSteps = std::lround(settle * stepRate / period + 1) * period;
    const long periods = std::max(1L, 20000L / period);
    std::complex<double> sum = 0.0;
    for (long i = 0; i < settleSteps + periods * period; ++i) {
        const double y = filter(std::sin(omega * double(i) / stepRate));
        if (i >= settleSteps)
            sum += y * std::exp(std::complex<double>(0.0, -omega * double(i) / stepRate));
    }
    return 2.0 * std::abs(sum) / double(periods * period);
}

const Case cases[] = {
    {"low-pass", [](double fc) { return biquad(engine::lowPass2(fc, stepRate)); },
     [](std::complex<double> s) { return 1.0 / ((s + 1.0) * (s + 1.0)); }, 0.5},
    {"high-pass", [](double fc) { return biquad(engine::highPass2(fc, stepRate)); },
     [](std::complex<double> s) { return s * s / ((s + 1.0) * (s + 1.0)); }, 0.5},
    {"delta high-pass", [](double fc) { return deltaOfValue(engine::highPass1Delta(fc, stepRate)); },
     [](std::complex<double> s) { return s / (s + 1.0); }, std::sqrt(0.5)},
};

} // namespace

// Below a fifth of the step rate every discrete filter stays within 1 % (of its pass-band gain)
// of its continuous design, and at the cutoff it has exactly the documented gain.
TEST(FilterResponse, MatchesContinuousDesignBelowAFifthOfTheStepRate) {
    for (const Case& c : cases) {
        for (double cutoff : {0.5, 5.0, 20.0}) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(cutoff) + " Hz");
            EXPECT_NEAR(measuredGain(c.make(cutoff), cutoff, cutoff), c.gainAtCutoff, 0.005);
            // Whole numbers of steps per period keep the demodulation exact.
            for (double frequency : {cutoff / 8, cutoff / 2, 2 * cutoff, 8 * cutoff, 200.0}) {
                frequency = stepRate / std::round(stepRate / frequency);
                const double design =
                    std::abs(c.continuous(std::complex<double>(0.0, frequency / cutoff)));
                EXPECT_NEAR(measuredGain(c.make(cutoff), frequency, cutoff), design, 0.01)
                    << frequency << " Hz";
            }
        }
    }
}

// Cutoffs outside the discrete range behave as the continuous filter's limits, and finitely.
TEST(FilterResponse, CutoffOutsideTheRangeIsTheLimitOfTheDesign) {
    const double nyquist = stepRate / 2;
    struct Limit {
        double cutoff;
        double lowPassGain, highPassGain;
    };
    for (Limit l : {Limit{0.0, 0.0, 1.0}, Limit{-3.0, 0.0, 1.0}, Limit{NAN, 0.0, 1.0},
                    Limit{nyquist, 1.0, 0.0}, Limit{5 * nyquist, 1.0, 0.0}}) {
        SCOPED_TRACE(l.cutoff);
        for (double frequency : {0.0, 10.0, 100.0}) {
            Filter low = biquad(engine::lowPass2(l.cutoff, stepRate));
            Filter high = biquad(engine::highPass2(l.cutoff, stepRate));
            Filter delta = deltaOfValue(engine::highPass1Delta(l.cutoff, stepRate));
            for (int i = 0; i < 1000; ++i) {
                const double x = std::cos(2 * pi * frequency * i / stepRate);
                ASSERT_DOUBLE_EQ(low(x), l.lowPassGain * x);
                ASSERT_DOUBLE_EQ(high(x), l.highPassGain * x);
                ASSERT_NEAR(delta(x), l.highPassGain * x, 1e-12);
            }
        }
    }
}
