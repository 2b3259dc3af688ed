#pragma once

#include "Problem.h"
#include "cueing/Scores.h"

#include <atomic>
#include <vector>

// A configuration judged on a problem's drives: what the rider perceives (cost) and what the
// platform had to do (constraints), per drive and in total.
namespace tune {

// How far a drive went past what the platform allows; all 0 on a drive that fits.
struct Violations {
    double secondsAtLimit = 0.0;        // summed over the degrees of freedom
    double beyondEnvelope = 0.0;        // largest excess of a peak excursion, share of the envelope
    double secondsFeltAsRotation = 0.0; // the tilting axes' rotation felt as rotation, both axes
    double beyondVelocity = 0.0;        // largest excess of a peak velocity, share of its limit
    double beyondAcceleration = 0.0;    // largest excess of a peak acceleration, share of its limit

    // One number that is 0 exactly when the drive fits: the times as shares of the drive's
    // length, plus the excesses.
    double total(double driveSeconds) const;
};

struct DriveEvaluation {
    std::string name;
    cueing::Scores scores;
    // Per channel what it adds to the cost before its weight: the perceived-error ratio, or for
    // a channel whose vehicle cue never rose above its threshold (ratio NaN) the share of the
    // drive the platform gave a false cue on it.
    std::array<double, cueing::channelCount> channelCosts{};
    double cost = 0.0; // the weighted sum of channelCosts
    Violations violations;
    double violation = 0.0; // violations.total()
    bool cancelled = false; // stopped before the drive's end; the numbers mean nothing then
};

struct Evaluation {
    std::vector<DriveEvaluation> drives;
    double cost = 0.0;      // mean of the drives' costs
    double violation = 0.0; // sum of the drives' violations
    bool cancelled = false; // stopped before the end; the numbers mean nothing then

    bool feasible() const { return violation <= 0.0; }
};

// Judges parameter set problem.paramSet of `config` on every drive of `problem`, one after the
// other on the calling thread. Returns early, marked cancelled, once `cancel` is set.
Evaluation evaluate(const Problem& problem, const Config& config,
                    const std::atomic<bool>* cancel = nullptr);

// One drive of it.
DriveEvaluation evaluateDrive(const Problem& problem, const Config& config, const NamedDrive& drive,
                              const std::atomic<bool>* cancel = nullptr);

} // namespace tune
