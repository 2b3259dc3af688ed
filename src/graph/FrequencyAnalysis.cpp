#include "FrequencyAnalysis.h"

#include <cmath>

namespace JVX {

namespace {
// Bins 0 and 1 are the constant part and the slowest drift; above 31 the bins mirror.
constexpr int FirstPeakBin = 2;
constexpr int LastPeakBin = 31;
constexpr float NoConstantPart = 0.00001f;
} // namespace

FrequencyAnalysis::FrequencyAnalysis(std::uint64_t now)
    : lastTime(now) {
    fft.setWindow(FixedFFT<6>::HannWindow);
}

void FrequencyAnalysis::pushInput(float value) {
    std::uint32_t slot = inputHead;
    if (inputCount < Points) {
        slot = inputHead + inputCount;
        ++inputCount;
    } else {
        inputHead = (inputHead + 1) % Points;
    }
    input[slot] = value;
    input[slot + Points] = value;
}

void FrequencyAnalysis::transformInput() {
    fft.transform(&input[inputHead], coefficients.data());
}

// The frequencies depend on the rate alone, which mostly stays the same from step to step.
void FrequencyAnalysis::updateRate(std::uint64_t now) {
    const float previous = rate;
    rate = now != lastTime ? 1000.0f / static_cast<float>(now - lastTime) : 0.0f;
    lastTime = now;
    if (rate == previous && frequenciesSet)
        return;
    for (int i = 0; i < Points; ++i)
        frequencies[i] = static_cast<float>(i) * rate * 0.015625f;
    frequenciesSet = true;
}

// The best magnitude so far stays in a register: reading it back through the index made every
// step wait for the previous one.
int FrequencyAnalysis::dominantBin() const {
    int best = FirstPeakBin;
    float bestMagnitude = std::fabs(coefficients[FirstPeakBin]);
    for (int i = FirstPeakBin + 1; i <= LastPeakBin; ++i) {
        const float magnitude = std::fabs(coefficients[i]);
        const bool larger = magnitude > bestMagnitude;
        best = larger ? i : best;
        bestMagnitude = larger ? magnitude : bestMagnitude;
    }
    return best;
}

float FrequencyAnalysis::relativeAmplitude(int bin) const {
    if (std::fabs(coefficients[0]) <= NoConstantPart)
        return 0.0f;
    return coefficients[bin] / coefficients[0];
}

} // namespace JVX
