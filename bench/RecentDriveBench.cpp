// One delivery into the ring of what was just driven, as the host's delivery thread makes it:
// alone, and while the GUI thread copies the whole ring out over and over (then records wait in
// the side buffer). Also counts the heap allocations of the deliveries alone: there must be none.
//
//   build/bench/recent_drive_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true
#include "AllocationCounter.h"
#include "cueingview/RecentDrive.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cmath>
#include <thread>
#include <vector>

namespace {

constexpr int recordsInCycle = 64;

std::vector<KEOOutputRecord> recordCycle() {
    std::vector<KEOOutputRecord> records(recordsInCycle);
    for (int step = 0; step < recordsInCycle; ++step) {
        records[step].setTimestampUs(std::uint64_t(step + 1) * 1000);
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            records[step].setSignal(word, float(std::sin(0.1 * step + word)));
    }
    return records;
}

void BM_Push(benchmark::State& state) {
    const bool copying = state.range(0) != 0;
    const std::vector<KEOOutputRecord> records = recordCycle();
    RecentDrive recent;
    // A full ring, so that a copy costs what it costs after five minutes of driving.
    for (std::size_t i = 0; i < recent.capacity(); ++i)
        recent.onOutputs(&records[i % recordsInCycle], nullptr, false);
    std::atomic<bool> done{false};
    std::thread gui([&] {
        while (copying && !done.load())
            benchmark::DoNotOptimize(recent.samples().size());
    });
    long deliveries = 0;
    const long allocationsBefore = allocationCount.load(std::memory_order_relaxed);
    for (auto _ : state) {
        const KEOOutputRecord& record = records[std::size_t(deliveries) % recordsInCycle];
        recent.onOutputs(&record, &record, false);
        ++deliveries;
    }
    const long allocations = allocationCount.load(std::memory_order_relaxed) - allocationsBefore;
    done = true;
    gui.join();
    // The counter is the process's: with the GUI copying it counts the copies' vectors too.
    if (!copying)
        state.counters["allocs_per_delivery"] =
            double(allocations) / double(std::max(1L, deliveries));
}
BENCHMARK(BM_Push)->ArgName("gui_copying")->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
