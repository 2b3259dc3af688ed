#pragma once

#include "KEOUI64/WorkEnvelopeLimits.h"
#include "config/Config.h"
#include "cueing/Scores.h"
#include "engine/drive/Drive.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What a tuning is asked to do: the configuration and parameter set to start from, the drives to
// judge it on, the platform it must fit, the values it may change and how much effort to spend.
// Plain values; the drives are shared, immutable and safe to play on several threads at once.
namespace tune {

// One drive to tune on, with the name reports give it ("mix", a file's path).
struct NamedDrive {
    std::string name;
    std::shared_ptr<const engine::drive::Drive> drive;
};

// The weight of each channel's perceived error in the cost, in the order of
// cueing::channelNames (surge, sway, heave, roll, pitch, yaw). 0 leaves a channel out.
struct CostWeights {
    std::array<double, cueing::channelCount> channels{1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
};

// The platform's own limits beyond its envelope, when known: per degree of freedom in the order
// of WorkEnvelopeLimits (roll, pitch, yaw, heave, sway, surge) the fastest it may move (rad/s,
// m/s) and accelerate (rad/s², m/s²).
struct PlatformLimits {
    std::array<std::optional<double>, cueing::dofCount> velocity;
    std::array<std::optional<double>, cueing::dofCount> acceleration;
};

struct Problem {
    Config config{};
    KEOParamSet::Enum paramSet = KEOParamSet::First; // the set judged and tuned
    WorkEnvelopeLimits envelope{};
    double stepRate = 1000.0; // engine steps per second
    std::vector<NamedDrive> drives;
    std::vector<std::string> parameters; // names (tunableParameters()); empty: the defaults
    CostWeights weights;
    PlatformLimits limits;
    unsigned seed = 1;
    // Effort: at most this many evaluations of the configuration on all drives (0: 40 per
    // parameter and 40 more), and a wall-clock stop. The evaluation count decides the result;
    // the clock only ends a search early, and the result says so (Stop::Budget).
    int maxEvaluations = 0;
    double budgetSeconds = 60.0;
    // Worker threads (0: every core). The result does not depend on it.
    int threads = 0;
};

// The names a problem tunes: its own list, or the defaults for its configuration and set.
std::vector<std::string> parametersOf(const Problem& problem);

// The evaluations a problem allows (Problem::maxEvaluations or its default).
int evaluationLimitOf(const Problem& problem);

} // namespace tune
