#include "Evaluation.h"

#include "Parameters.h"
#include "cueing/Scorer.h"
#include "engine/Engine.h"
#include "engine/drive/PlayThrough.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tune {

namespace {

// The default effort per chosen value (and once more): enough for CRS2's population to move and
// for COBYLA's first simplex, and small enough that 12 values on the 104 s `mix` at 1000 steps per
// second take under a minute on two cores (docs/tune.md, Measured).
constexpr int evaluationsPerValue = 30;

// Steps between two looks at the cancel flag: about 4 ms of work at 1 µs a step.
constexpr std::uint64_t cancelCheckSteps = 4096;

double excess(double peak, double limit) {
    return limit > 0.0 ? std::max(0.0, peak / limit - 1.0) : 0.0;
}

Violations violationsOf(const cueing::Scores& scores, const Problem& problem) {
    const double envelope[cueing::dofCount] = {problem.envelope.roll, problem.envelope.pitch,
                                               problem.envelope.yaw,  problem.envelope.heave,
                                               problem.envelope.sway, problem.envelope.surge};
    Violations v;
    for (int dof = 0; dof < cueing::dofCount; ++dof) {
        const cueing::DofScores& used = scores.dofs[dof];
        v.secondsAtLimit += used.secondsAtLimit;
        v.beyondEnvelope = std::max(v.beyondEnvelope, excess(used.peakExcursion, envelope[dof]));
        if (const auto& limit = problem.limits.velocity[dof])
            v.beyondVelocity = std::max(v.beyondVelocity, excess(used.peakVelocity, *limit));
        if (const auto& limit = problem.limits.acceleration[dof])
            v.beyondAcceleration =
                std::max(v.beyondAcceleration, excess(used.peakAcceleration, *limit));
    }
    for (const cueing::TiltScores& tilt : scores.tilts)
        v.secondsFeltAsRotation += tilt.feltAsRotation.seconds;
    return v;
}

double channelCost(const cueing::ChannelScores& channel, double seconds) {
    if (!std::isnan(channel.errorRatio))
        return channel.errorRatio;
    return seconds > 0.0 ? std::min(1.0, channel.falseCues.seconds / seconds) : 0.0;
}

cueing::Scores scoresAlong(const Problem& problem, const Config& config,
                           const engine::drive::Drive& drive,
                           const std::shared_ptr<const engine::drive::Drive>& shared,
                           const std::atomic<bool>* cancel, bool& cancelled) {
    const double rate = problem.stepRate;
    auto engine = std::make_unique<engine::Engine>();
    engine->configure(config, problem.paramSet, problem.envelope, rate);
    const engine::VehicleInput start = drive.at(0.0);
    auto scorer = std::make_unique<cueing::CueingScorer>(
        cueing::ScorerSettings::of(config, engine->tuning(), rate, start.pointOfSense));
    engine::drive::DrivePlayer player(shared, rate, false);
    engine::drive::playThrough(
        *engine, player, [&](std::uint64_t step, double, const KEOOutputRecord& record) {
            if (cancel && step % cancelCheckSteps == 0 && cancel->load(std::memory_order_relaxed)) {
                cancelled = true;
                return false;
            }
            scorer->add(record);
            return true;
        });
    return scorer->wholeDrive();
}

} // namespace

double Violations::total(double driveSeconds) const {
    const double seconds = driveSeconds > 0.0 ? driveSeconds : 1.0;
    return (secondsAtLimit + secondsFeltAsRotation) / seconds + beyondEnvelope + beyondVelocity +
           beyondAcceleration;
}

std::vector<std::string> parametersOf(const Problem& problem) {
    return problem.parameters.empty() ? defaultParameters(problem.config, problem.paramSet)
                                      : problem.parameters;
}

int evaluationLimitOf(const Problem& problem) {
    if (problem.maxEvaluations > 0)
        return problem.maxEvaluations;
    return evaluationsPerValue * (int(parametersOf(problem).size()) + 1);
}

DriveEvaluation evaluateDrive(const Problem& problem, const Config& config, const NamedDrive& drive,
                              const std::atomic<bool>* cancel) {
    DriveEvaluation result;
    result.name = drive.name;
    bool cancelled = false;
    result.scores = scoresAlong(problem, config, *drive.drive, drive.drive, cancel, cancelled);
    for (int channel = 0; channel < cueing::channelCount; ++channel) {
        result.channelCosts[channel] =
            channelCost(result.scores.channels[channel], result.scores.seconds);
        result.cost += problem.weights.channels[channel] * result.channelCosts[channel];
    }
    result.violations = violationsOf(result.scores, problem);
    result.violation = result.violations.total(result.scores.seconds);
    result.cancelled = cancelled;
    return result;
}

Evaluation evaluate(const Problem& problem, const Config& config, const std::atomic<bool>* cancel) {
    Evaluation evaluation;
    for (const NamedDrive& drive : problem.drives) {
        evaluation.drives.push_back(evaluateDrive(problem, config, drive, cancel));
        const DriveEvaluation& judged = evaluation.drives.back();
        if (judged.cancelled) {
            evaluation.cancelled = true;
            return evaluation;
        }
        evaluation.cost += judged.cost / double(problem.drives.size());
        evaluation.violation += judged.violation;
    }
    return evaluation;
}

} // namespace tune
