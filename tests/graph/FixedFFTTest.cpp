// The spectrum of a graph picks its dominant bin by magnitude, so a wrong sign or a swapped real
// and imaginary part would silently move the peak: every part is checked against a plain DFT.
#include "graph/FixedFFT.h"

#include <array>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <random>

namespace {

using FFT64 = JVX::FixedFFT<6>;
constexpr int N = FFT64::Size;

std::array<std::complex<double>, N> directDft(const std::array<double, N>& input) {
    std::array<std::complex<double>, N> result{};
    for (int k = 0; k < N; ++k) {
        for (int n = 0; n < N; ++n)
            result[k] += input[n] * std::polar(1.0, -2.0 * M_PI * k * n / N);
    }
    return result;
}

double hann(int i) {
    return (1.0 - std::cos(2.0 * M_PI * i / (N - 1))) * 0.5;
}

// Single-precision rounding of a 6-stage transform grows with the stages and the input size.
double tolerance(const std::array<double, N>& input) {
    double magnitude = 0.0;
    for (double value : input)
        magnitude += std::fabs(value);
    return 4.0 * 6 * 1.1920929e-7 * magnitude;
}

void expectMatchesDft(const std::array<float, N>& output, const std::array<double, N>& reference) {
    const auto expected = directDft(reference);
    const double tol = tolerance(reference);
    for (int k = 0; k <= N / 2; ++k)
        EXPECT_NEAR(output[k], expected[k].real(), tol) << "real part of bin " << k;
    for (int k = 1; k < N / 2; ++k)
        EXPECT_NEAR(output[N / 2 + k], expected[k].imag(), tol) << "imaginary part of bin " << k;
}

std::array<float, N> randomInput(unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<float> distribution(-10.0f, 10.0f);
    std::array<float, N> input{};
    for (float& value : input)
        value = distribution(generator);
    return input;
}

TEST(FixedFFT, RandomInputsMatchDirectDftWithoutWindow) {
    FFT64 fft;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto input = randomInput(seed);
        std::array<float, N> output{};
        fft.transform(input.data(), output.data());
        std::array<double, N> reference{};
        for (int n = 0; n < N; ++n)
            reference[n] = input[n];
        expectMatchesDft(output, reference);
    }
}

TEST(FixedFFT, RandomInputsMatchDirectDftOfHannWindowedInput) {
    FFT64 fft;
    fft.setWindow(FFT64::HannWindow);
    for (unsigned seed = 100; seed < 120; ++seed) {
        const auto input = randomInput(seed);
        std::array<float, N> output{};
        fft.transform(input.data(), output.data());
        std::array<double, N> reference{};
        for (int n = 0; n < N; ++n)
            reference[n] = input[n] * hann(n);
        expectMatchesDft(output, reference);
    }
}

TEST(FixedFFT, TransformsInPlace) {
    FFT64 fft;
    auto data = randomInput(7);
    std::array<double, N> reference{};
    for (int n = 0; n < N; ++n)
        reference[n] = data[n];
    fft.transform(data.data(), data.data());
    expectMatchesDft(data, reference);
}

TEST(FixedFFT, ConstantInputHasOnlyTheSum) {
    FFT64 fft;
    std::array<float, N> input{};
    input.fill(1.0f);
    std::array<float, N> output{};
    fft.transform(input.data(), output.data());
    EXPECT_FLOAT_EQ(output[0], 64.0f);
    for (int k = 1; k < N; ++k)
        EXPECT_NEAR(output[k], 0.0f, 1e-5f) << "output " << k;
}

TEST(FixedFFT, CosineOfBinFiveLandsInBinFive) {
    FFT64 fft;
    std::array<float, N> input{};
    for (int n = 0; n < N; ++n)
        input[n] = static_cast<float>(std::cos(2.0 * M_PI * 5 * n / N));
    std::array<float, N> output{};
    fft.transform(input.data(), output.data());
    EXPECT_NEAR(output[5], 32.0f, 1e-4f);
    EXPECT_NEAR(output[0], 0.0f, 1e-4f);
    for (int k = 1; k < N; ++k) {
        if (k != 5) {
            EXPECT_NEAR(output[k], 0.0f, 1e-4f) << "output " << k;
        }
    }
}

TEST(FixedFFT, HannWindowIsZeroAtBothEndsAndOneInTheMiddle) {
    FFT64 fft;
    EXPECT_EQ(fft.windowType(), FFT64::NoWindow);
    fft.setWindow(FFT64::HannWindow);
    EXPECT_EQ(fft.windowType(), FFT64::HannWindow);
    EXPECT_FLOAT_EQ(fft.windowCoefficient(0), 0.0f);
    EXPECT_NEAR(fft.windowCoefficient(N - 1), 0.0f, 1e-7f);
    for (int i = 0; i < N; ++i)
        EXPECT_FLOAT_EQ(fft.windowCoefficient(i), static_cast<float>(hann(i)));
    // The window sums to (N - 1) / 2, so a constant input of ones gives 31.5.
    std::array<float, N> input{};
    input.fill(1.0f);
    std::array<float, N> output{};
    fft.transform(input.data(), output.data());
    EXPECT_NEAR(output[0], 31.5f, 1e-4f);
}

TEST(FixedFFT, OtherSizesMatchDirectDftToo) {
    JVX::FixedFFT<3> fft;
    const std::array<float, 8> input{1, -2, 3, 0.5f, -1, 4, 2, -3};
    std::array<float, 8> output{};
    fft.transform(input.data(), output.data());
    for (int k = 0; k <= 4; ++k) {
        std::complex<double> expected;
        for (int n = 0; n < 8; ++n)
            expected += double(input[n]) * std::polar(1.0, -2.0 * M_PI * k * n / 8);
        EXPECT_NEAR(output[k], expected.real(), 1e-5);
        if (k > 0 && k < 4) {
            EXPECT_NEAR(output[4 + k], expected.imag(), 1e-5);
        }
    }
}

} // namespace
