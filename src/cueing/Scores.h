#pragma once

#include "cueing/Vestibular.h"

#include <array>
#include <cstdint>

// What a stretch of driving gave the rider, judged against what the vehicle did: plain values that
// CueingScorer computes from its running sums. Angles are radians, travel metres, times seconds.
// A score that has no meaning for the stretch (a correlation of a channel that never moved) is NaN.
namespace cueing {

// The best fit of the platform's cue to the vehicle's is searched within this lag either way, s.
constexpr double maxDelaySeconds = 2.0;

// Stretches during which a condition held: how many began, and for how long it held in all.
struct Episodes {
    std::uint64_t count = 0;
    double seconds = 0.0;
};

// One channel, on the perceived signals (the vestibular models' outputs) of the vehicle (v) and the
// platform (p).
struct ChannelScores {
    double vehicleRms = 0.0;  // RMS of v
    double platformRms = 0.0; // RMS of p
    double errorRms = 0.0;    // RMS of p - v, the perceived error
    // Against the vehicle's cue, where it rose above the threshold (else NaN: what the platform
    // gives then is a false cue, counted below). The error ratio is the RMS of the perceived
    // error over the RMS of the vehicle's cue, both on the signals as felt: each reduced by the
    // channel's perception threshold, nothing below it, since below it the rider feels nothing
    // (so a tilt too slow to feel costs nothing). 1 for a platform at rest, 0 for one
    // that moves as the vehicle does, below 1 where the motion helps. Pearson's correlation of p
    // and v, and the best fit
    // p(t) ≈ gain · v(t - delay), the lag searched within ±maxDelaySeconds at about 40 ms
    // resolution (refined between the samples): delay > 0 where the platform is late. Where the
    // best fit lies beyond the lags searched, the delay is infinite with its sign, the gain NaN.
    double errorRatio = 0.0;
    double correlation = 0.0;
    double gain = 0.0;
    double delaySeconds = 0.0;
    // False cues: |p| above the threshold while v is below it or of the opposite sign. Missing
    // cues: |v| above the threshold while |p| is below it.
    Episodes falseCues, missingCues;
};

// A tilting axis (roll, pitch): the rotation the rider is not meant to feel as rotation, the tilt
// coordination and the mixer's cross-feeds from travel (record words 56 + 91; 50 + 62 + 95 + 97),
// through the canal model. Felt where its perceived rate is above the axis' threshold.
struct TiltScores {
    Episodes feltAsRotation;
    double peakPerceivedRate = 0.0; // rad/s, magnitude
};

// One degree of freedom of the platform (final words 147-152).
struct DofScores {
    double peakExcursion = 0.0;    // magnitude, rad or m
    double peakVelocity = 0.0;     // magnitude, rad/s or m/s
    double peakAcceleration = 0.0; // magnitude, rad/s² or m/s²
    // At the final limit: from the share of it where the limitation has taken 90 % of its
    // small-signal gain (pressedShare()). A knock is each arrival there; fastestKnock the largest
    // speed of an arrival.
    double secondsAtLimit = 0.0;
    std::uint64_t knocks = 0;
    double fastestKnock = 0.0;
};

// Degrees of freedom in the order of WorkEnvelopeLimits: roll, pitch, yaw, heave, sway, surge.
constexpr int dofCount = 6;
constexpr std::array<const char*, dofCount> dofNames{"roll",  "pitch", "yaw",
                                                     "heave", "sway",  "surge"};
constexpr std::array<const char*, channelCount> channelNames{"surge", "sway",  "heave",
                                                             "roll",  "pitch", "yaw"};

struct Scores {
    std::array<ChannelScores, channelCount> channels{};
    std::array<TiltScores, 2> tilts{}; // roll, pitch
    std::array<DofScores, dofCount> dofs{};
    double seconds = 0.0;      // the stretch judged
    std::uint64_t records = 0; // records judged in it
};

} // namespace cueing
