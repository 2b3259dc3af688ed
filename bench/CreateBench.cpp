// Time from the host's call of Create to the first frame of the main view on screen, with the
// two-cluster example loaded. Run it under a real display (xvfb-run -a) to include rendering.
#include "LoadedEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlContext>
#include <QQuickView>
#include <QStandardPaths>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void BM_CreateToFirstFrame(benchmark::State& state) {
    const auto script = scratchCopyOfExample("two_clusters.cpp");
    const WorkEnvelopeLimits envelopes[2] = {{0.4f, 0.4f, 0.45f, 0.2f, 0.25f, 0.25f, 1},
                                             {0.5f, 0.5f, 0.55f, 0.25f, 0.3f, 0.3f, 1}};
    DestructionNotifier notifier;
    JVX::GraphWidgetRepainter repainter;
    for (auto _ : state) {
        QQuickView view;
        view.rootContext()->setContextProperty(QStringLiteral("qt_scale"), 1.0);
        QEventLoop firstFrame;
        QObject::connect(&view, &QQuickWindow::frameSwapped, &firstFrame, &QEventLoop::quit);
        QTimer::singleShot(10000, &firstFrame, &QEventLoop::quit);

        QElapsedTimer clock;
        clock.start();
        const int code = Create(&view, QString::fromStdString(script.string()), false, &notifier,
                                &repainter, nullptr, envelopes);
        firstFrame.exec();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (code != 0)
            state.SkipWithError("the example did not load");
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

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
