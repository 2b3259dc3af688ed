// The spectrum of a graph picks its dominant bin by magnitude, so a wrong sign or a swapped real
// and imaginary part would silently move the peak: every part is checked against a plain DFT.
#include "graph/FixedFFT.h"

#include <array>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <random>

namespace {

// The size the graphs use.
using FFT = JVX::FixedFFT<6>;
constexpr int n = FFT::Size;

// Real parts of bins 0..N/2 at 0..N/2, imaginary parts of bins 1..N/2-1 at N/2+1..N-1.
void expectMatchesDft(const std::array<float, n>& output, const std::array<double, n>& input) {
    double magnitude = 0.0;
    for (double value : input)
        magnitude += std::fabs(value);
    // Single-precision rounding grows with the stages and the input size.
    const double tolerance = 4.0 * 6 * 1.1920929e-7 * magnitude + 1e-6;
    for (int k = 0; k <= n / 2; ++k) {
        std::complex<double> bin;
        for (int i = 0; i < n; ++i)
            bin += input[i] * std::polar(1.0, -2.0 * M_PI * k * i / n);
        EXPECT_NEAR(output[k], bin.real(), tolerance) << "real part of bin " << k;
        if (k > 0 && k < n / 2)
            EXPECT_NEAR(output[n / 2 + k], bin.imag(), tolerance) << "imaginary part of bin " << k;
    }
}

TEST(FixedFFT, RandomInputsMatchTheDftWithAndWithoutTheHannWindow) {
    std::mt19937 generator(1);
    std::uniform_real_distribution<float> distribution(-10.0f, 10.0f);
    for (const auto window : {FFT::NoWindow, FFT::HannWindow}) {
        FFT fft;
        fft.setWindow(window);
        for (int round = 0; round < 20; ++round) {
            std::array<float, n> data{};
            std::array<double, n> reference{};
            for (int i = 0; i < n; ++i) {
                data[i] = distribution(generator);
                const double hann = (1.0 - std::cos(2.0 * M_PI * i / (n - 1))) * 0.5;
                reference[i] = data[i] * (window == FFT::HannWindow ? hann : 1.0);
                if (window == FFT::HannWindow)
                    EXPECT_FLOAT_EQ(fft.windowCoefficient(i), float(hann));
            }
            // Into another array as the graphs do, and in place on every other round.
            std::array<float, n> output{};
            std::array<float, n>& result = round % 2 ? data : output;
            fft.transform(data.data(), result.data());
            expectMatchesDft(result, reference);
        }
    }
}

} // namespace
