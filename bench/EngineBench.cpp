// One step of the motion-cueing engine for both clusters, as the host's delivery thread makes it:
// the bundled example configuration with every path switched on, parameter set 1 on cluster 0
// and 2 on cluster 1, along a lively drive. Also counts heap allocations per step: there must be
// none (allocs_probe shows the counter seeing the one allocation it is shown).
//
//   build/bench/engine_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "AllocationCounter.h"
#include "config/ConfigReader.h"
#include "engine/Engine.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <fstream>
#include <memory>
#include <vector>

namespace {

constexpr double stepRate = 1000.0;
constexpr int inputsInCycle = 4096;

Config benchConfig() {
    std::ifstream file(std::string(KEO_EXAMPLES_DIR) + "/config_v1.json");
    Config c = zeroConfig();
    readConfig(Json::parse(file), c);
    for (AxisConfig* axis : {&c.lateral, &c.longitudinal, &c.vertical})
        axis->travel.enabled = axis->tiltCoordination.enabled = axis->angularVelocity.enabled =
            true;
    c.absolutePitch.enabled = c.absoluteRoll.enabled = true;
    for (MixerPathConfig* p :
         {&c.mixer.swayToRoll, &c.mixer.yawToRoll, &c.mixer.surgeToPitch, &c.mixer.heaveToPitch,
          &c.mixer.roadHarshnessToSurge, &c.mixer.roadHarshnessToPitch, &c.understeer.toYaw,
          &c.understeer.toRoll})
        p->enabled = true;
    c.enhancer.roadHarshness.enabled = true;
    c.enhancer.sideslipToYaw.enabled = c.enhancer.sideslipToRoll.enabled = true;
    return c;
}

std::vector<engine::VehicleInput> inputCycle() {
    std::vector<engine::VehicleInput> inputs(inputsInCycle);
    for (int i = 0; i < inputsInCycle; ++i) {
        const double t = i / stepRate;
        engine::VehicleInput& in = inputs[i];
        in.longitudinalAcceleration = 4.0 * std::sin(0.7 * t);
        in.lateralAcceleration = 6.0 * std::sin(1.3 * t);
        in.verticalAcceleration = 2.0 * std::sin(9.0 * t);
        in.verticalTiltAcceleration = std::sin(0.4 * t);
        in.rollRate = 0.3 * std::sin(2.1 * t);
        in.pitchRate = 0.2 * std::sin(1.7 * t);
        in.yawRate = 0.5 * std::sin(1.3 * t);
        in.pitchAngle = 0.05 * std::sin(0.7 * t);
        in.rollAngle = 0.08 * std::sin(1.3 * t);
        in.roadLeft = 0.02 * std::sin(40.0 * t);
        in.roadRight = 0.02 * std::sin(37.0 * t);
        in.sideslipAngle = 0.1 * std::sin(1.3 * t);
        in.speed = 25.0;
        in.frontWheelAngle = 0.08 * std::sin(1.3 * t);
        in.pointOfSense[0] = 0.3;
        in.pointOfSense[2] = 0.8;
    }
    return inputs;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0.0;
    const auto at = values.begin() + std::ptrdiff_t(fraction * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

void BM_StepBothClusters(benchmark::State& state) {
    const Config config = benchConfig();
    const WorkEnvelopeLimits envelope{0.3f, 0.35f, 0.5f, 0.2f, 0.4f, 0.45f, 1};
    auto clusters = std::make_unique<engine::Engine[]>(2);
    clusters[0].configure(config, KEOParamSet::First, envelope, stepRate);
    clusters[1].configure(config, KEOParamSet::Second, envelope, stepRate);
    const std::vector<engine::VehicleInput> inputs = inputCycle();
    KEOOutputRecord records[2]{};

    const long probeBefore = allocationCount.load(std::memory_order_relaxed);
    benchmark::DoNotOptimize(std::make_unique<double[]>(64).get());
    const long probe = allocationCount.load(std::memory_order_relaxed) - probeBefore;

    std::vector<double> microseconds;
    microseconds.reserve(1 << 21);
    long allocations = 0, steps = 0;
    for (auto _ : state) {
        const engine::VehicleInput& input = inputs[std::size_t(steps) % inputsInCycle];
        const long allocationsBefore = allocationCount.load(std::memory_order_relaxed);
        const auto start = std::chrono::steady_clock::now();
        clusters[0].step(input, 1.0 / stepRate, records[0]);
        clusters[1].step(input, 1.0 / stepRate, records[1]);
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
