// One step of the motion-cueing engine for both clusters, as the host's delivery thread makes it:
// the bundled example configuration with every path switched on, parameter set 1 on cluster 0
// and 2 on cluster 1, along a lively drive. Also counts heap allocations per step: there must be
// none (allocs_probe shows the counter seeing the one allocation it is shown).
//
//   build/bench/engine_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "AllocationCounter.h"
#include "EngineFixture.h"
#include "StepStatistics.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace enginetest;

constexpr int inputsInCycle = 4096;

std::vector<VehicleInput> inputCycle() {
    std::vector<VehicleInput> inputs(inputsInCycle);
    for (int i = 0; i < inputsInCycle; ++i)
        inputs[i] = lively(i * dt);
    return inputs;
}

void BM_StepBothClusters(benchmark::State& state) {
    Config config = exampleConfig();
    enableAll(config);
    auto clusters = std::make_unique<engine::Engine[]>(2);
    clusters[0].configure(config, KEOParamSet::First, envelope, stepRate);
    clusters[1].configure(config, KEOParamSet::Second, envelope, stepRate);
    const std::vector<VehicleInput> inputs = inputCycle();
    KEOOutputRecord records[2]{};

    const long probeBefore = allocationCount.load(std::memory_order_relaxed);
    benchmark::DoNotOptimize(std::make_unique<double[]>(64).get());
    const long probe = allocationCount.load(std::memory_order_relaxed) - probeBefore;

    std::vector<double> microseconds;
    microseconds.reserve(1 << 21);
    long allocations = 0, steps = 0;
    for (auto _ : state) {
        const VehicleInput& input = inputs[std::size_t(steps) % inputsInCycle];
        const long allocationsBefore = allocationCount.load(std::memory_order_relaxed);
        const auto start = std::chrono::steady_clock::now();
        clusters[0].step(input, dt, records[0]);
        clusters[1].step(input, dt, records[1]);
        const auto end = std::chrono::steady_clock::now();
        allocations += allocationCount.load(std::memory_order_relaxed) - allocationsBefore;
        benchmark::DoNotOptimize(records);
        if (microseconds.size() < microseconds.capacity())
            microseconds.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        ++steps;
    }
    state.counters["median_us"] = percentile(microseconds, 0.5);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
    state.counters["allocs_per_step"] = double(allocations) / double(std::max(1L, steps));
    state.counters["allocs_probe"] = double(probe);
}
BENCHMARK(BM_StepBothClusters)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
