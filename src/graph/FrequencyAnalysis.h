#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace JVX {

// The dominant-frequency analysis behind a graph's "FFT" option: the last 64 values of the first
// series, the real parts of their Hann-windowed spectrum and the frequency of every bin.
struct FrequencyAnalysis {
    static constexpr int Points = 64;
    // Bins 0..31: the constant term and the bins below the mirror frequency, the ones shown.
    static constexpr int Bins = Points / 2;

    FrequencyAnalysis(std::uint64_t now);

    // Appends a value; once 64 are there, each new value drops the oldest.
    void pushInput(float value);
    bool inputFull() const { return inputCount == Points; }
    // Sets the coefficients from the input ring, oldest value first.
    void transformInput();
    // Sets the rate from the time since the last run, the bin frequencies from the rate, and the
    // time of this run.
    void updateRate(std::uint64_t now);
    // The bin in 2..31 with the largest coefficient by magnitude; the lowest bin wins a tie.
    int dominantBin() const;
    // Coefficient of `bin` relative to the constant term (signed); 0 when there is no constant
    // part to compare with.
    float relativeAmplitude(int bin) const;

    // The input ring, every value stored twice (at i and i + 64), so that the 64 newest values
    // always lie in one straight run from inputHead on and the transform reads them in place.
    std::array<float, 2 * Points> input{};
    std::uint32_t inputHead = 0;
    std::uint32_t inputCount = 0;
    // Real part of the DFT of the windowed input, sum_n w_n x_n cos(2 pi k n / 64), of bins
    // k = 0..31 (bin 0 is the windowed sum); all 0 until the input is full.
    std::array<float, Bins> coefficients{};
    std::array<float, Points> frequencies{};
    std::uint64_t lastTime = 0;
    float rate = 0.0f;
    // False until updateRate() first filled the frequencies.
    bool frequenciesSet = false;
    // The step's values with the two spectrum series appended; reused so a step allocates
    // nothing once it has grown.
    std::vector<float> extended;
};

} // namespace JVX
