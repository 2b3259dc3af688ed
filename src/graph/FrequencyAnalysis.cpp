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
    if (inputCount < Points) {
        input[(inputHead + inputCount) % Points] = value;
        ++inputCount;
        return;
    }
    input[inputHead] = value;
    inputHead = (inputHead + 1) % Points;
}

void FrequencyAnalysis::transformInput() {
    for (int i = 0; i < Points; ++i)
        m_ordered[i] = input[(inputHead + i) % Points];
    fft.transform(m_ordered.data(), coefficients.data());
}

void FrequencyAnalysis::updateRate(std::uint64_t now) {
    rate = now != lastTime ? 1000.0f / static_cast<float>(now - lastTime) : 0.0f;
    for (int i = 0; i < Points; ++i)
        frequencies[i] = static_cast<float>(i) * rate * 0.015625f;
    lastTime = now;
}

int FrequencyAnalysis::dominantBin() const {
    int best = FirstPeakBin;
    for (int i = FirstPeakBin + 1; i <= LastPeakBin; ++i) {
        if (std::fabs(coefficients[i]) > std::fabs(coefficients[best]))
            best = i;
    }
    return best;
}

float FrequencyAnalysis::relativeAmplitude(int bin) const {
    if (std::fabs(coefficients[0]) <= NoConstantPart)
        return 0.0f;
    return coefficients[bin] / coefficients[0];
}

} // namespace JVX
