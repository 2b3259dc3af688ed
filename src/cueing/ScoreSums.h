#pragma once

#include "cueing/Scores.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

// The running sums scores are computed from, for one block of records. Blocks add up, so the scores
// of the whole drive and of a sliding window come from the same sums.
namespace cueing {

// The lags searched for the best fit, each side of zero, in decimated steps of about 40 ms
// (maxDelaySeconds in all).
constexpr int lagsEachSide = 50;
constexpr int lagCount = 2 * lagsEachSide + 1;

// A perceived signal as the rider feels it: the part of it beyond the perception threshold (a dead
// band, continuous, so that a signal hovering at the threshold does not count in jumps).
inline double felt(double perceived, double threshold) {
    const double beyond = std::fabs(perceived) - threshold;
    return beyond > 0.0 ? std::copysign(beyond, perceived) : 0.0;
}

struct ChannelSums {
    double v = 0.0, p = 0.0, vv = 0.0, pp = 0.0, vp = 0.0, ee = 0.0;
    // The same for the signals as felt (felt()).
    double feltVv = 0.0, feltEe = 0.0;
    double vehiclePeak = 0.0; // largest |v|
    Episodes falseCues, missingCues;
    // On the decimated signals: sum of v², and of p(t) · v(t - lag) for lag = i - lagsEachSide.
    double decimatedVv = 0.0;
    std::array<double, lagCount> cross{};

    // One record of perceived vehicle (v) and platform (p) signals, and the channel's threshold.
    void add(double vehicle, double platform, double threshold) {
        v += vehicle;
        p += platform;
        vv += vehicle * vehicle;
        pp += platform * platform;
        vp += vehicle * platform;
        const double error = platform - vehicle;
        ee += error * error;
        vehiclePeak = std::max(vehiclePeak, std::fabs(vehicle));
        const double feltVehicle = felt(vehicle, threshold);
        const double feltPlatform = felt(platform, threshold);
        feltVv += feltVehicle * feltVehicle;
        const double feltError = feltPlatform - feltVehicle;
        feltEe += feltError * feltError;
    }
};

struct TiltSums {
    Episodes felt;
    double peak = 0.0;
};

struct ScoreBlock {
    std::array<ChannelSums, channelCount> channels{};
    std::array<TiltSums, 2> tilts{};
    std::array<DofScores, dofCount> dofs{};
    double seconds = 0.0;
    std::uint64_t records = 0;

    void add(const ScoreBlock& other);
};

// The scores of the records summed in `block`; `lagStepSeconds` is the decimated step.
Scores scoresOf(const ScoreBlock& block, double lagStepSeconds);

} // namespace cueing
