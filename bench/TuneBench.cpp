// What tuning costs and gains. The time of a whole search: 12 values on `mix` at 1000 steps per
// second (target: 60 s wall on the shared 2-core machine), and how it grows with the number of
// drives and of values. The gain: from a deliberately poor tuning of the bundled example (every
// travel and tilt cutoff four times, every tilt rate twice today's) on four manoeuvres, judged on
// them and on two held-out ones, against the bundled tuning.
//
//   build/bench/tune_bench                                   # everything, about 5 minutes
//   build/bench/tune_bench --benchmark_filter=Poor          # the gain alone
#include "PoorTuning.h"
#include "engine/drive/Drive.h"
#include "tune/Tuner.h"

#include <benchmark/benchmark.h>
#include <ctime>

namespace {

const std::atomic<bool> neverCancelled{false};

// The travel and tilt values of the longitudinal and lateral axes, 12 in all, interleaved so that
// the first few already act on every manoeuvre.
const std::vector<std::string> twelveValues{
    "longitudinal.tiltCoordination.maximumRate",
    "longitudinal.travel.accelerationFilter.cutoff",
    "lateral.tiltCoordination.maximumRate",
    "lateral.travel.accelerationFilter.cutoff",
    "longitudinal.tiltCoordination.accelerationFilter.cutoff",
    "lateral.tiltCoordination.accelerationFilter.cutoff",
    "longitudinal.travel.velocityFilter.cutoff",
    "lateral.travel.velocityFilter.cutoff",
    "longitudinal.travel.outputLimit.limitationFactor",
    "lateral.travel.outputLimit.limitationFactor",
    "longitudinal.tiltCoordination.outputLimit.limitationFactor",
    "lateral.tiltCoordination.outputLimit.limitationFactor",
};

const std::vector<std::string> tuningDrives{"braking", "acceleration", "lane-change", "slalom"};
const std::vector<std::string> heldOutDrives{"steady-turn", "bumpy-road"};

tune::Problem problemOn(const std::vector<std::string>& drives, const Config& config) {
    tune::Problem problem;
    problem.config = config;
    problem.envelope = clusterOneEnvelope();
    for (const std::string& name : drives)
        problem.drives.push_back({name, engine::drive::makeManoeuvre(name)});
    problem.budgetSeconds = 3600.0; // measured to the end of the evaluations, never cut short
    return problem;
}

double driveSeconds(const tune::Problem& problem) {
    double seconds = 0.0;
    for (const tune::NamedDrive& drive : problem.drives)
        seconds += drive.drive->duration();
    return seconds;
}

// The search with the processor time all its threads took: on a machine shared with other work
// the wall time says little, the processor time divided by the free cores what it would be.
tune::Result timedTune(const tune::Problem& problem, benchmark::State& state) {
    const std::clock_t start = std::clock();
    tune::Result result = tune::tune(problem, {}, neverCancelled);
    state.counters["cpu_s"] = double(std::clock() - start) / CLOCKS_PER_SEC;
    return result;
}

void report(benchmark::State& state, const tune::Problem& problem, const tune::Result& result) {
    state.counters["evaluations"] = result.evaluations;
    state.counters["wall_s"] = result.seconds;
    state.counters["ms_per_evaluation"] = 1e3 * result.seconds / std::max(1, result.evaluations);
    state.counters["drive_s"] = driveSeconds(problem);
    state.counters["cost_before"] = result.before.cost;
    state.counters["cost_after"] = result.after.cost;
    state.counters["fits_after"] = result.after.feasible();
    state.counters["finished"] = result.stop == tune::Stop::Finished;
}

// 12 values on mix at 1000 steps per second, with the default number of evaluations.
void BM_TuneTwelveOnMix(benchmark::State& state) {
    tune::Problem problem = problemOn({"mix"}, poorlyTuned(bundledExample()));
    problem.parameters = twelveValues;
    for (auto _ : state)
        report(state, problem, timedTune(problem, state));
}
BENCHMARK(BM_TuneTwelveOnMix)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// Growth: the first `drives` tuning drives and the first `values` of the twelve, default effort.
void BM_TuneGrowth(benchmark::State& state) {
    const std::vector<std::string> drives(tuningDrives.begin(),
                                          tuningDrives.begin() + state.range(0));
    tune::Problem problem = problemOn(drives, poorlyTuned(bundledExample()));
    problem.parameters.assign(twelveValues.begin(), twelveValues.begin() + state.range(1));
    for (auto _ : state)
        report(state, problem, timedTune(problem, state));
}
BENCHMARK(BM_TuneGrowth)
    ->ArgNames({"drives", "values"})
    ->Args({1, 3})
    ->Args({1, 6})
    ->Args({1, 12})
    ->Args({2, 6})
    ->Args({4, 6})
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// From the poor tuning with the default values and effort: the tuning drives and the held-out
// ones, before, after and with the bundled tuning, within a platform rated 10 % above what the
// bundled tuning asks of it on each set of drives.
void BM_PoorTuningTunedAndHeldOut(benchmark::State& state) {
    const Config poor = poorlyTuned(bundledExample());
    tune::Problem problem = problemOn(tuningDrives, poor);
    problem.limits = limitsOfBundledTuning(problem);
    tune::Problem heldOut = problemOn(heldOutDrives, poor);
    heldOut.limits = limitsOfBundledTuning(heldOut);
    for (auto _ : state) {
        const tune::Result result = timedTune(problem, state);
        report(state, problem, result);
        state.counters["reduction_pct"] = 100.0 * (1.0 - result.after.cost / result.before.cost);
        state.counters["cost_bundled"] = tune::evaluate(problem, bundledExample()).cost;
        const tune::Evaluation before = tune::evaluate(heldOut, poor);
        const tune::Evaluation after = tune::evaluate(heldOut, result.config);
        state.counters["heldout_before"] = before.cost;
        state.counters["heldout_after"] = after.cost;
        state.counters["heldout_bundled"] = tune::evaluate(heldOut, bundledExample()).cost;
        state.counters["heldout_fits_after"] = after.feasible();
        state.counters["heldout_violation_after"] = after.violation;
    }
}
BENCHMARK(BM_PoorTuningTunedAndHeldOut)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
