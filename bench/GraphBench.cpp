// Delivery and painting costs of one graph. Global operator new/delete are replaced to count
// allocations, so a step that allocates after its channels exist shows up as allocs/step > 0.
#include "graph/GraphDrawing.h"
#include "graph/GraphSource.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

namespace {
std::atomic<long> allocationCount{0};
} // namespace

void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

// args: series, ring capacity, FFT on
void BM_AddSamples(benchmark::State& state) {
    const auto series = static_cast<std::uint32_t>(state.range(0));
    JVX::GraphSource source;
    source.setMaxOnScreen(static_cast<std::uint32_t>(state.range(1)));
    source.setFftEnabled(state.range(2) != 0);
    std::vector<float> values(series, 0.0f);
    std::uint64_t time = 1;
    for (int i = 0; i < 100; ++i) // channels and spectrum exist from here on
        source.addSamples(series, values.data(), false, time++);
    const long before = allocationCount.load();
    for (auto _ : state) {
        for (std::uint32_t k = 0; k < series; ++k)
            values[k] = std::sin(static_cast<float>(time) * 0.01f * static_cast<float>(k + 1));
        source.addSamples(series, values.data(), false, time++);
    }
    state.counters["allocs/step"] =
        benchmark::Counter(static_cast<double>(allocationCount.load() - before) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_AddSamples)
    ->ArgNames({"series", "ring", "fft"})
    ->Args({2, 200, 0})
    ->Args({2, 200, 1})
    ->Args({7, 4000, 0})
    ->Args({7, 4000, 1});

// args: width, height, reduced
void BM_PaintGraph(benchmark::State& state) {
    JVX::GraphSource source;
    source.setMaxOnScreen(4000);
    std::mt19937 generator(1);
    std::normal_distribution<float> step(0.0f, 1.0f);
    std::vector<float> values(7, 0.0f);
    for (int i = 0; i < 4000; ++i) {
        for (float& value : values)
            value += step(generator);
        source.addSamples(7, values.data(), false, 1000 + i);
    }
    JVX::GraphPaintRequest request;
    request.background = QBrush(Qt::white);
    request.width = static_cast<int>(state.range(0));
    request.height = static_cast<int>(state.range(1));
    request.reduceToPixelColumns = state.range(2) != 0;
    request.hovering = true;
    request.hoverPoint = QPoint(request.width / 3, request.height / 2);
    QImage image(request.width, request.height, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        JVX::paintGraph(source, painter, request);
    }
}
BENCHMARK(BM_PaintGraph)
    ->ArgNames({"w", "h", "reduced"})
    ->Args({400, 200, 1})
    ->Args({1600, 800, 1})
    ->Args({400, 200, 0})
    ->Args({1600, 800, 0})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the detail texts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
