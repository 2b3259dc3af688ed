// One delivery of the algorithm's outputs to all 114 graphs of the editor, as the host's delivery
// thread makes it: with the spectrum analysis off, then on in every graph. Rings hold 200 samples
// (the default). Also counts the heap allocations a delivery makes once every series exists:
// there must be none.
//
//   build-feed/bench/live_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "AllocationCounter.h"
#include "GraphScene.h"
#include "StepStatistics.h"
#include "graph/GraphSource.h"
#include "graph/QuickGraphView.h"
#include "live/GraphsDataProvider.h"

#include <QApplication>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

constexpr int recordsInCycle = 64;

// A cycle of records whose signals change from step to step, as the algorithm's do.
std::vector<KEOOutputRecord> recordCycle() {
    std::vector<KEOOutputRecord> records(recordsInCycle);
    for (int step = 0; step < recordsInCycle; ++step) {
        records[step].setTimestampUs(std::uint64_t(step + 1) * 2000);
        for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
            records[step].setSignal(word, float(std::sin(0.1 * step + word)));
    }
    return records;
}

// The editor's graphs in a view that is never shown, so nothing paints meanwhile.
struct Feed {
    explicit Feed(bool fft) {
        provider.attachGraphs(scene.view());
        for (std::size_t route = 0; route < routing::graphCount; ++route)
            scene.graph(route)->source()->setFftEnabled(fft);
        // The first steps create the series and the spectrum analysis; later ones only append.
        // The first one's count shows that the counter sees the graphs' allocations.
        const long before = allocationCount.load(std::memory_order_relaxed);
        provider.onOutputs(&records[0], &records[0], false);
        firstDeliveryAllocations = allocationCount.load(std::memory_order_relaxed) - before;
        for (const KEOOutputRecord& record : records)
            provider.onOutputs(&record, &record, false);
    }

    GraphScene scene;
    GraphsDataProvider provider{nullptr};
    std::vector<KEOOutputRecord> records = recordCycle();
    long firstDeliveryAllocations = 0;
};

void BM_Delivery(benchmark::State& state) {
    Feed feed(state.range(0) != 0);
    std::vector<double> microseconds;
    microseconds.reserve(1 << 20);
    long allocations = 0;
    long deliveries = 0;
    for (auto _ : state) {
        const KEOOutputRecord& record = feed.records[std::size_t(deliveries) % recordsInCycle];
        const long allocationsBefore = allocationCount.load(std::memory_order_relaxed);
        const auto start = std::chrono::steady_clock::now();
        feed.provider.onOutputs(&record, &record, false);
        const auto end = std::chrono::steady_clock::now();
        allocations += allocationCount.load(std::memory_order_relaxed) - allocationsBefore;
        if (microseconds.size() < microseconds.capacity())
            microseconds.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        ++deliveries;
    }
    state.counters["median_us"] = percentile(microseconds, 0.5);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
    state.counters["allocs_per_delivery"] = double(allocations) / double(std::max(1L, deliveries));
    state.counters["allocs_first_delivery"] = double(feed.firstDeliveryAllocations);
}
BENCHMARK(BM_Delivery)->ArgName("fft")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

// The graphs live on the GUI thread; deliveries come from a thread of the host's, so the
// benchmarks run on one of their own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::thread deliveryThread([] { benchmark::RunSpecifiedBenchmarks(); });
    deliveryThread.join();
    benchmark::Shutdown();
    return 0;
}
