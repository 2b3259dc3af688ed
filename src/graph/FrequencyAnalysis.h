#pragma once

#include "FixedFFT.h"

#include <array>
#include <cstdint>
#include <vector>

namespace JVX {

// The dominant-frequency analysis behind a graph's "FFT" option: the last 64 values of the first
// series, their windowed spectrum and the frequency of every bin.
struct FrequencyAnalysis {
    static constexpr int Points = 64;

    FrequencyAnalysis(std::uint64_t now);

    // Appends a value; once 64 are there, each new value drops the oldest.
    void pushInput(float value);
    bool inputFull() const { return inputCount == Points; }
    // Runs the FFT over the input ring, oldest value first.
    void transformInput();
    // Sets the rate from the time since the last run, the bin frequencies from the rate, and the
    // time of this run.
    void updateRate(std::uint64_t now);
    // The bin in 2..31 with the largest magnitude; the lowest bin wins a tie.
    int dominantBin() const;
    // Coefficient of `bin` relative to the constant part (signed); 0 when there is no constant
    // part to compare with.
    float relativeAmplitude(int bin) const;

    // The input ring, every value stored twice (at i and i + 64), so that the 64 newest values
    // always lie in one straight run from inputHead on and the FFT reads them in place.
    std::array<float, 2 * Points> input{};
    std::uint32_t inputHead = 0;
    std::uint32_t inputCount = 0;
    std::array<float, Points> coefficients{};
    std::array<float, Points> frequencies{};
    std::uint64_t lastTime = 0;
    float rate = 0.0f;
    // False until updateRate() first filled the frequencies.
    bool frequenciesSet = false;
    FixedFFT<6> fft;
    // The step's values with the two spectrum series appended; reused so a step allocates
    // nothing once it has grown.
    std::vector<float> extended;
};

} // namespace JVX
