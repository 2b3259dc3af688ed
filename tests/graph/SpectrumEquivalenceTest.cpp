// A graph with its spectrum on shows, at every step, the frequency of the dominant bin of its last
// 64 windowed values and that bin's coefficient relative to the constant term; its bars show the
// coefficients of bins 0..31. All of it is checked here, step after step, against a direct DFT
// written out in double precision, so that a wrong cosine or window, a value taken from the wrong
// end of the input or error carried over from earlier steps would show.
#include "graph/GraphSource.h"

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int Points = 64;
constexpr int ShownBins = 32;
// The clock advances 10 ms per step: a rate of 100 Hz, so bin k lies at k * 100 / 64 Hz.
constexpr float BinWidthHz = 100.0f / Points;

struct DirectSpectrum {
    // The cosine sums (real components) of bins 0..31 of the windowed values.
    std::array<double, ShownBins> bins{};
    // Sum of the magnitudes of the windowed values: the scale of single-precision rounding.
    double magnitude = 0.0;
};

// Hann window whose divisor is 63, so that both ends are 0; `values` are oldest first.
DirectSpectrum directSpectrum(const std::deque<float>& values) {
    DirectSpectrum spectrum;
    for (int n = 0; n < Points; ++n) {
        const double windowed = values[n] * 0.5 * (1.0 - std::cos(2.0 * M_PI * n / (Points - 1)));
        spectrum.magnitude += std::fabs(windowed);
        for (int k = 0; k < ShownBins; ++k)
            spectrum.bins[k] += windowed * std::cos(2.0 * M_PI * k * n / Points);
    }
    return spectrum;
}

// Bins 2..31 by magnitude; the lowest wins a tie.
int dominantBin(const DirectSpectrum& spectrum) {
    int best = 2;
    for (int k = 3; k < ShownBins; ++k)
        if (std::fabs(spectrum.bins[k]) > std::fabs(spectrum.bins[best]))
            best = k;
    return best;
}

float newestValue(const JVX::GraphSource& source, std::uint32_t channel) {
    return source.sample(channel, source.sampleCount() - 1).value;
}

// Feeds `steps` values of `signal` to a graph with its spectrum on and compares what it shows
// after every step from the 64th on with the direct DFT of the last 64 values.
void expectSpectrumMatchesDirectDft(const std::function<float(int)>& signal, int steps) {
    JVX::GraphSource source;
    std::uint64_t clock = 0;
    source.setClock([&clock] { return clock += 10; });
    source.setFftEnabled(true);
    std::deque<float> last;
    int nearTies = 0;
    for (int step = 0; step < steps; ++step) {
        const float value = signal(step);
        source.addSamples(1, &value, false, 1000 + step);
        last.push_back(value);
        if (last.size() > Points)
            last.pop_front();
        if (last.size() < Points)
            continue;
        const DirectSpectrum expected = directSpectrum(last);
        // A few units in the last place of the largest partial sum.
        const double tolerance = 1e-6 * expected.magnitude;

        const JVX::SpectrumSnapshot shown = source.spectrum();
        ASSERT_GE(shown.coefficients.size(), std::size_t(ShownBins));
        for (int k = 0; k < ShownBins; ++k)
            ASSERT_NEAR(shown.coefficients[k], expected.bins[k], tolerance)
                << "bin " << k << " at step " << step;

        const float frequency = newestValue(source, 1);
        const int bin = int(std::lround(frequency / BinWidthHz));
        ASSERT_FLOAT_EQ(frequency, float(bin) * BinWidthHz) << "step " << step;
        ASSERT_GE(bin, 2);
        ASSERT_LT(bin, ShownBins);
        const int expectedBin = dominantBin(expected);
        if (bin != expectedBin) {
            // Only bins whose magnitudes agree to rounding may swap places.
            ASSERT_NEAR(std::fabs(expected.bins[bin]), std::fabs(expected.bins[expectedBin]),
                        2.0 * tolerance)
                << "step " << step;
            ++nearTies;
        }

        // Dividing by the constant term scales its rounding error by the ratio.
        const double ratio = expected.bins[bin] / expected.bins[0];
        ASSERT_NEAR(newestValue(source, 2), ratio,
                    tolerance * (1.0 + std::fabs(ratio)) / std::fabs(expected.bins[0]) + 1e-6)
            << "step " << step;
    }
    EXPECT_LT(nearTies, steps / 100);
}

TEST(SpectrumEquivalence, RandomInputMatchesTheDirectDftAtEveryStep) {
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> distribution(-2.0f, 4.0f);
    expectSpectrumMatchesDirectDft([&](int) { return distribution(generator); }, 3000);
}

// Two tones, one between bins, on a large offset: the peak moves by whole bins as the window
// slides, and the offset makes every coefficient but the constant one small beside the rounding
// of the sums.
TEST(SpectrumEquivalence, SinusoidalInputMatchesTheDirectDftAtEveryStep) {
    const auto signal = [](int n) {
        return float(50.0 + 3.0 * std::sin(2.0 * M_PI * 7.3 * n / Points) +
                     2.0 * std::cos(2.0 * M_PI * (12 + (n / 500) % 15) * n / Points + 1.0));
    };
    expectSpectrumMatchesDirectDft(signal, 3000);
}

} // namespace
