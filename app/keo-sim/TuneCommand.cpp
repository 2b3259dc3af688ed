#include "TuneCommand.h"

#include "ProgressBar.h"
#include "TuneText.h"
#include "engine/drive/ColumnMap.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr int badInput = 2;

int fail(const std::string& message) {
    std::fprintf(stderr, "keo-sim: %s\n", message.c_str());
    return badInput;
}

WidePath widePath(const std::string& path) {
    return std::filesystem::path(path).u16string();
}

std::vector<tune::NamedDrive> openDrives(const SimOptions& options) {
    const auto map = options.mapPath.empty()
                         ? std::nullopt
                         : std::optional(engine::drive::loadColumnMap(options.mapPath));
    const std::vector<std::string> names =
        options.drives.empty() ? std::vector<std::string>{"mix"} : options.drives;
    std::vector<tune::NamedDrive> drives;
    for (const std::string& name : names)
        drives.push_back({name, engine::drive::openDrive(name, map ? &*map : nullptr)});
    return drives;
}

tune::Problem problemOf(const SimOptions& options, const Config& config) {
    tune::Problem problem;
    problem.config = config;
    problem.paramSet = KEOParamSet::Enum(options.intoParamSet.value_or(options.paramSet));
    problem.envelope = options.envelope.value_or(defaultEnvelope(options.cluster));
    problem.stepRate = options.stepRate;
    problem.drives = openDrives(options);
    problem.parameters = options.tuneParameters;
    if (options.weights)
        std::copy(options.weights->begin(), options.weights->end(),
                  problem.weights.channels.begin());
    problem.limits.velocity = options.platform.velocity;
    problem.limits.acceleration = options.platform.acceleration;
    problem.seed = options.seed;
    problem.budgetSeconds = options.budgetSeconds;
    problem.maxEvaluations = options.maxEvaluations;
    return problem;
}

// The script with the tuned configuration: a .cpp keeps every byte outside its sections, so a new
// file starts as a copy of the original.
std::string writeScript(const SimOptions& options, const ConfigMap& configs) {
    const WidePath target = widePath(options.writePath);
    if (scriptKindOf(target) != scriptKindOf(widePath(options.scriptPath)))
        return options.writePath + ": write the same kind of script as " + options.scriptPath +
               " (.cpp or .json)";
    if (scriptKindOf(target) == ScriptKind::Cpp && options.writePath != options.scriptPath) {
        std::string text;
        if (!readTextFile(widePath(options.scriptPath), text) ||
            !writeTextFileAtomically(target, text))
            return options.writePath + ": cannot write the file";
    }
    const ScriptResult saved = saveScript(target, configs);
    return saved.ok() ? std::string() : options.writePath + ": cannot write the file";
}

} // namespace

int runTune(const SimOptions& options, const ConfigMap& configs) {
    if (options.tuneParameters.size() == 1 && options.tuneParameters[0] == "help") {
        std::fputs(parameterListText().c_str(), stdout);
        return 0;
    }
    const auto cluster = configs.find(options.cluster);
    if (cluster == configs.end())
        return fail(options.scriptPath + ": the script has no cluster " +
                    std::to_string(options.cluster + 1));
    for (const std::string& name : options.tuneParameters)
        if (!tune::findParameter(name))
            return fail("no tunable value is named \"" + name +
                        "\"; keo-sim SCRIPT --tune --params help lists them");
    tune::Problem problem;
    try {
        problem = problemOf(options, cluster->second);
    } catch (const std::runtime_error& error) { // DriveError, a column map's error
        return fail(error.what());
    }
    std::printf("%s, cluster %d: tuning %zu values of parameter set %d on %zu drive(s) at %g "
                "steps/s, seed %u, at most %d evaluations and %g s\n",
                options.scriptPath.c_str(), options.cluster + 1, tune::parametersOf(problem).size(),
                problem.paramSet + 1, problem.drives.size(), problem.stepRate, problem.seed,
                tune::evaluationLimitOf(problem), problem.budgetSeconds);
    std::fflush(stdout);
    const std::atomic<bool> cancel{false};
    tune::Result result;
    try {
        ProgressBar bar(true);
        result = tune::tune(
            problem,
            [&bar](const tune::Progress& progress) { bar(progress.fraction(), progress.phase); },
            cancel);
    } catch (const std::exception& error) { // ProblemError; a failure of NLopt's own
        return fail(error.what());
    }
    std::fputs(tuneResultText(problem, result).c_str(), stdout);
    ConfigMap tuned = configs;
    tuned[options.cluster] = result.config;
    const std::string failure = writeScript(options, tuned);
    if (!failure.empty())
        return fail(failure);
    std::printf("\nWrote %s\n", options.writePath.c_str());
    return result.after.feasible() ? 0 : 1;
}
