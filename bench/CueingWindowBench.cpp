// The Cueing window's repaint: an edit with the window open, from the edit to the frame that shows
// the new frequency response, and opening the window; in the editor with the two-cluster example.
// Run under a real display (xvfb-run -a) to include rendering; each should fit one 60 Hz frame.
#include "LoadedEditor.h"
#include "cueingview/BodeAxes.h"
#include "cueingview/FrequencyResponseModel.h"
#include "script/ConfigManager.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QObject* lateralOutputFilter(LoadedEditor& editor) {
    QObject* lateral =
        editor.managed("configModel")->property("lateralConfigModel").value<QObject*>();
    QObject* travel = lateral->property("travelConfigModel").value<QObject*>();
    return travel->property("outputTravelFilterModel").value<QObject*>();
}

template <class Action>
void timeToFrame(benchmark::State& state, LoadedEditor& editor, Action action) {
    for (auto _ : state) {
        editor.waitForFrame();
        QElapsedTimer clock;
        clock.start();
        action();
        editor.waitForFrame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// Each iteration changes a cutoff of the sway path shown: both tables again and the Bode diagram.
// Argument 0 is the same edit with the window closed, for comparison.
void BM_EditWithCueingOpen(benchmark::State& state) {
    LoadedEditor editor(QSize(1700, 950));
    if (state.range(0) != 0)
        QMetaObject::invokeMethod(editor.item("cueingButton"), "clicked");
    editor.item("cueingPanel")->setProperty("selectedResponse", 1);
    editor.waitForFrame();
    QObject* filter = lateralOutputFilter(editor);
    double cutoff = 2.0;
    timeToFrame(state, editor, [&] {
        cutoff = cutoff < 4.0 ? cutoff + 0.125 : 2.0;
        filter->setProperty("cutoffFrequency", cutoff);
    });
}
BENCHMARK(BM_EditWithCueingOpen)
    ->ArgName("open")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// Each iteration closes the window untimed, then times opening it again.
void BM_OpenCueing(benchmark::State& state) {
    LoadedEditor editor(QSize(1700, 950));
    QObject* opener = editor.item("cueingButton");
    for (auto _ : state) {
        QMetaObject::invokeMethod(opener, "clicked");
        editor.waitForFrame();
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(opener, "clicked");
        editor.waitForFrame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_OpenCueing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// The frequency response of the two-cluster example's cluster 1 in the window's own object.
struct LoadedResponse {
    LoadedResponse()
        : script(scratchCopyOfExample("two_clusters.cpp"))
        , manager(script.u16string(), true) {
        manager.load();
        manager.setConfigFromUi(0);
        model.setEnvelope(benchEnvelopes[0]);
        model.watch(manager.configModel());
    }
    ~LoadedResponse() { std::filesystem::remove_all(script.parent_path()); }
    std::filesystem::path script;
    ConfigManager manager;
    FrequencyResponseModel model;
};

// The Bode diagram's drawing alone, the window's size at scale `range(0)` / 100, and the two
// tables it draws, for the share of each in the frame.
void BM_PaintBode(benchmark::State& state) {
    LoadedResponse loaded;
    const FrequencyResponseModel* model = &loaded.model;
    const double scale = state.range(0) / 100.0;
    QImage image(QSize(744, 380) * scale, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(image.rect(), Qt::white);
        drawBode(painter, QRectF(image.rect()), bodeCurves(*model, 1), scale);
    }
}
BENCHMARK(BM_PaintBode)->ArgName("scale%")->Arg(100)->Arg(150)->Unit(benchmark::kMillisecond);

void BM_RecomputeBothSets(benchmark::State& state) {
    LoadedResponse loaded;
    for (auto _ : state)
        loaded.model.recompute();
}
BENCHMARK(BM_RecomputeBothSets)->Unit(benchmark::kMicrosecond);

} // namespace
