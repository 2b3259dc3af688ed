// What the cueing assessment costs: keo-sim's simulation of a 10-minute drive at 1000 steps per
// second alone and with --assess's scoring of every record (the share it adds is the ratio of the
// two), the scorer's own cost and heap allocations per record (there must be none), and the
// frequency response of one configuration, tuning included, as the editor recomputes it on an edit.
//
//   build/bench/cueing_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "AllocationCounter.h"
#include "Assessment.h"
#include "SimOptions.h"
#include "Simulation.h"
#include "TenMinuteDrive.h"
#include "cueing/FrequencyResponse.h"
#include "cueing/Scorer.h"
#include "engine/Engine.h"
#include "engine/drive/Manoeuvres.h"
#include "script/ScriptFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

constexpr double stepRate = 1000.0;

Config example(int cluster) {
    ConfigMap configs;
    loadScript((std::filesystem::path(KEO_EXAMPLES_DIR) / "two_clusters.cpp").u16string(), configs);
    return configs.at(cluster);
}

// The simulation keo-sim runs, without (0) and with (1) the assessment's scores.
void BM_SimulateTenMinutes(benchmark::State& state) {
    const Config config = example(0);
    const auto drive = tenMinuteDrive();
    SimOptions options;
    options.assess = state.range(0) != 0;
    for (auto _ : state) {
        const auto assessment = Assessment::forOptions(options, config, defaultEnvelope(0), *drive);
        const EnvelopeReport report = simulate(config, KEOParamSet::First, defaultEnvelope(0),
                                               stepRate, drive, nullptr, {}, {}, assessment.get());
        benchmark::DoNotOptimize(report.steps);
        if (assessment)
            benchmark::DoNotOptimize(assessment->scores().channels[0].errorRms);
    }
    state.counters["steps"] = double(std::uint64_t(drive->duration() * stepRate) + 1);
}
BENCHMARK(BM_SimulateTenMinutes)
    ->ArgName("assess")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The scorer alone on records an engine wrote along the drive: time and allocations per record.
void BM_ScoreRecord(benchmark::State& state) {
    const Config config = example(0);
    engine::Engine engine;
    engine.configure(config, KEOParamSet::First, defaultEnvelope(0), stepRate);
    std::vector<KEOOutputRecord> records(256); // hot in the cache, as a record just written is
    engine::drive::DrivePlayer player(engine::drive::makeManoeuvre("mix"), stepRate, true);
    engine::VehicleInput input;
    for (std::size_t i = 0; i < records.size() && player.next(input); ++i) {
        engine.step(input, 1.0 / stepRate, records[i]);
        records[i].setTimestampUs(std::uint64_t(i) * 1000);
    }
    const double head[3] = {0.0, 0.0, 0.0};
    const auto scorer = std::make_unique<cueing::CueingScorer>(
        cueing::ScorerSettings::of(config, engine.tuning(), stepRate, head));
    long allocations = 0, added = 0;
    std::uint64_t stamp = 0;
    for (auto _ : state) {
        KEOOutputRecord& record = records[std::size_t(added) % records.size()];
        record.setTimestampUs(stamp += 1000);
        const long before = allocationCount.load(std::memory_order_relaxed);
        scorer->add(record);
        allocations += allocationCount.load(std::memory_order_relaxed) - before;
        ++added;
    }
    state.counters["allocs_per_record"] = double(allocations) / double(std::max(1L, added));
}
BENCHMARK(BM_ScoreRecord)->Unit(benchmark::kNanosecond);

// One configuration's whole table (ten responses at twelve frequencies), tuning included.
void BM_FrequencyResponse(benchmark::State& state) {
    const Config config = example(0);
    const double head[3] = {0.0, 0.0, 0.0};
    for (auto _ : state) {
        const cueing::FrequencyResponse table =
            cueing::frequencyResponse(config, KEOParamSet::First, defaultEnvelope(0), 1000.0, head);
        benchmark::DoNotOptimize(table.values[0][0]);
    }
}
BENCHMARK(BM_FrequencyResponse)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
