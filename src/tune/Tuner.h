#pragma once

#include "Evaluation.h"
#include "Parameters.h"
#include "Problem.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Tuning: searches the chosen numbers of one parameter set for the configuration whose platform
// motion the rider perceives closest to the vehicle's on the given drives, within what the
// platform allows (docs/tune.md: cost, constraints, algorithms, determinism).
//
//   tune::Problem problem;                 // config, set, envelope, drives, parameters, ...
//   std::atomic<bool> cancel{false};
//   tune::Result result = tune::tune(problem, [](const tune::Progress& p) { ... }, cancel);
//   // result.config: problem.config with only the chosen members of the chosen set changed
namespace tune {

struct Progress {
    int evaluations = 0;     // done so far, all phases
    int evaluationLimit = 0; // evaluationLimitOf(problem)
    const char* phase = "";  // "global search", "local refinement"
    // The best configuration so far: its cost and how far it is from fitting the platform (0:
    // it fits).
    double bestCost = 0.0;
    double bestViolation = 0.0;

    double fraction() const {
        return evaluationLimit > 0 ? std::min(1.0, double(evaluations) / evaluationLimit) : 1.0;
    }
};

// Called on the thread that called tune(), about ten times a second and once at the end.
using ProgressCallback = std::function<void(const Progress&)>;

enum class Stop {
    Finished,  // the evaluations allowed are used up or the search converged: reproducible
    Budget,    // the wall-clock budget ran out first: the result depends on the machine's speed
    Cancelled, // the cancel flag was set: nothing changed
};

struct ParameterChange {
    std::string name;
    float before = 0.0f;
    float after = 0.0f;
};

struct Result {
    // problem.config with the best values found for the chosen members of problem.paramSet; every
    // other byte is as it was. problem.config itself when cancelled or when nothing found was
    // better than it.
    Config config{};
    Evaluation before; // problem.config on the drives
    Evaluation after;  // config on the drives (a copy of `before` when config is unchanged)
    std::vector<ParameterChange> changes; // the chosen parameters whose value changed
    int evaluations = 0;
    double seconds = 0.0; // wall-clock time spent
    Stop stop = Stop::Finished;
};

// Thrown for a problem that cannot be tuned: no drive, an unknown parameter name (the message
// names it), a parameter given twice.
class ProblemError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Tunes `problem`. Runs the search on Problem::threads worker threads and blocks until it ends;
// `progress` (may be empty) hears how far it is, on the calling thread. Setting `cancel` (from any
// thread) ends it within about 0.1 s, returning problem.config unchanged with Stop::Cancelled.
// The same problem gives the same result, whatever the thread count, unless the budget ran out
// (Stop::Budget). Throws ProblemError for a problem it cannot tune, and passes on what NLopt
// throws for a failure of its own (std::runtime_error, std::bad_alloc).
Result tune(const Problem& problem, const ProgressCallback& progress,
            const std::atomic<bool>& cancel);

} // namespace tune
