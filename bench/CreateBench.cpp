// Time from the host's call of Create to the first frame of the main view on screen, with the
// two-cluster example loaded. Run it under a real display (xvfb-run -a) to include rendering.
#include "CreateTiming.h"
#include "LoadedEditor.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void BM_CreateToFirstFrame(benchmark::State& state) {
    const auto script = scratchCopyOfExample("two_clusters.cpp");
    for (auto _ : state) {
        const double ms = createToFirstFrameMs(QString::fromStdString(script.string()));
        if (ms < 0) {
            state.SkipWithError("the example did not load");
            break;
        }
        state.SetIterationTime(ms / 1e3);
    }
    std::filesystem::remove_all(script.parent_path());
}
BENCHMARK(BM_CreateToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// From a click on a tab button to the frame that shows the page.
void BM_SwitchTab(benchmark::State& state) {
    LoadedEditor editor;
    QObject* tabs[] = {editor.item("lateralTabButton"), editor.item("mixerTabButton"),
                       editor.item("understeerTabButton"), editor.item("multiplexerTabButton")};
    std::size_t next = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(tabs[next++ % std::size(tabs)], "clicked");
        editor.waitForFrame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_SwitchTab)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// A parameter-set switch re-announces every property of every model to every bound page.
void BM_SwitchParamSetWithEveryPageBound(benchmark::State& state) {
    LoadedEditor editor;
    QObject* paramSet = editor.manager()->property("paramSetModel").value<QObject*>();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(paramSet, "switchParamSet");
        editor.waitForFrame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_SwitchParamSetWithEveryPageBound)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

} // namespace
