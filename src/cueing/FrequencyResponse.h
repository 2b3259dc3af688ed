#pragma once

#include "KEOUI64/WorkEnvelopeLimits.h"
#include "config/Config.h"
#include "cueing/Vestibular.h"
#include "engine/Geometry.h"
#include "engine/Tuning.h"

#include <array>
#include <complex>

// The frequency response of a configuration as the project's engine runs it: for small sines of
// one vehicle input, the platform's specific force or angular rate at the point of sense, gain and
// phase, at the twelve test frequencies 0.1 · 10^(k/5) rad/s (k = 0 … 11, 0.1 to 15.8 rad/s).
// Computed from the tuning's discrete transfer functions (SmallSignal.h), not by running the
// engine: one configuration's whole table takes a few microseconds, so it can follow every edit.
// It holds where no limit acts: inputs small enough that no rate limit turns the tilt at its
// maximum and every limitation stays on its slope at 0.
//
//   const auto table = cueing::frequencyResponse(config, KEOParamSet::First, envelope, 1000.0, {});
//   table.gain(cueing::SurgeToPitch, 5);  // rad/s of pitch per m/s² of surge at 1 rad/s
namespace cueing {

// The responses of the table: each direct degree of freedom and the cross-couplings of tilt and
// rotation (input → output, both Channels).
enum ResponseIndex : int {
    SurgeResponse,
    SwayResponse,
    HeaveResponse,
    RollResponse,
    PitchResponse,
    YawResponse,
    SurgeToPitch,
    SwayToRoll,
    PitchToSurge,
    RollToSway
};
constexpr int responseCount = 10;

struct ResponseKind {
    const char* name;
    int input, output; // Channels
    const char* unit;  // of the gain
};
constexpr std::array<ResponseKind, responseCount> responses{{
    {"surge", Surge, Surge, "1"},
    {"sway", Sway, Sway, "1"},
    {"heave", Heave, Heave, "1"},
    {"roll", Roll, Roll, "1"},
    {"pitch", Pitch, Pitch, "1"},
    {"yaw", Yaw, Yaw, "1"},
    {"surge to pitch", Surge, Pitch, "rad/s per m/s^2"},
    {"sway to roll", Sway, Roll, "rad/s per m/s^2"},
    {"pitch to surge", Pitch, Surge, "m/s^2 per rad/s"},
    {"roll to sway", Roll, Sway, "m/s^2 per rad/s"},
}};

constexpr int testFrequencyCount = 12;
constexpr int oneRadianPerSecond = 5; // the test frequency the fidelity criteria judge
// 0.1 · 10^(k/5) rad/s.
double testFrequency(int k);

struct FrequencyResponse {
    // [response][test frequency]: output per unit input as a complex amplitude.
    std::array<std::array<std::complex<double>, testFrequencyCount>, responseCount> values{};

    double gain(int response, int k) const { return std::abs(values[response][k]); }
    // In degrees, continuous along the frequencies down from its principal value (-180, 180] at
    // the highest, where the washouts have let the cue through: a washout's lead below reads as
    // the lead it is (up to +360° for a fourth-order one), the output filters' lag as lag.
    double phaseDegrees(int response, int k) const;
};

// The point of a direct response on the Sinacori–Schroeder diagram: its gain and phase distortion
// (the phase's magnitude, principal value) at 1 rad/s.
struct FidelityPoint {
    double gain, phaseDistortionDegrees;
};
FidelityPoint fidelityPoint(const FrequencyResponse& table, int response);

// The table of one configuration: the given parameter set tuned for the envelope and step rate
// (Engine::tune), `head` the driver's head from the vehicle's reference point
// (VehicleInput::pointOfSense), which counts where the options say (pointOfSenseFor()).
FrequencyResponse frequencyResponse(const Config& config, KEOParamSet::Enum paramSet,
                                    const WorkEnvelopeLimits& envelope, double stepRate,
                                    const double (&head)[3]);
FrequencyResponse frequencyResponse(const engine::Tuning& tuning, engine::Vec3 head);

// One response at any angular frequency, rad/s.
std::complex<double> responseAt(const engine::Tuning& tuning, int response, double omega,
                                engine::Vec3 head);

} // namespace cueing
