#include "FrequencyResponse.h"

#include "cueing/SmallSignal.h"
#include "engine/Engine.h"

#include <cmath>

namespace cueing {
namespace {

constexpr double pi = 3.14159265358979323846;

double principalDegrees(std::complex<double> value) {
    return std::arg(value) * 180.0 / pi;
}

// The multiple of 360° that brings `degrees` nearest `reference`.
double nearest(double degrees, double reference) {
    return degrees + 360.0 * std::round((reference - degrees) / 360.0);
}

} // namespace

double testFrequency(int k) {
    return 0.1 * std::pow(10.0, k / 5.0);
}

double FrequencyResponse::phaseDegrees(int response, int k) const {
    const auto& row = values[response];
    double phase = principalDegrees(row[testFrequencyCount - 1]);
    for (int i = testFrequencyCount - 2; i >= k; --i)
        phase = nearest(principalDegrees(row[i]), phase);
    return phase;
}

FidelityPoint fidelityPoint(const FrequencyResponse& table, int response) {
    const std::complex<double> value = table.values[response][oneRadianPerSecond];
    return {std::abs(value), std::fabs(principalDegrees(value))};
}

std::complex<double> responseAt(const engine::Tuning& tuning, int response, double omega,
                                engine::Vec3 head) {
    const ResponseKind& kind = responses[response];
    return smallSignalCue(tuning, kind.input, omega, head)[kind.output];
}

FrequencyResponse frequencyResponse(const engine::Tuning& tuning, engine::Vec3 head) {
    FrequencyResponse table;
    for (int k = 0; k < testFrequencyCount; ++k) {
        const double omega = testFrequency(k);
        std::array<PhasorCue, channelCount> byInput;
        for (int input = 0; input < channelCount; ++input)
            byInput[input] = smallSignalCue(tuning, input, omega, head);
        for (int r = 0; r < responseCount; ++r)
            table.values[r][k] = byInput[responses[r].input][responses[r].output];
    }
    return table;
}

FrequencyResponse frequencyResponse(const Config& config, KEOParamSet::Enum paramSet,
                                    const WorkEnvelopeLimits& envelope, double stepRate,
                                    const double (&head)[3]) {
    return frequencyResponse(engine::Engine::tune(config, paramSet, envelope, stepRate),
                             {head[0], head[1], head[2]});
}

} // namespace cueing
