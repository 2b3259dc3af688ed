// The Cueing window's repaint: an edit with the window open, from the edit to the frame that shows
// the new frequency response, opening the window, and the live records' refresh with the strips
// of perceived signals full; in the editor with the two-cluster example.
// Run under a real display (xvfb-run -a) to include rendering; each should fit one 60 Hz frame.
#include "KEOUI64/HostOutputSource.h"
#include "LoadedEditor.h"
#include "cueingview/BodeAxes.h"
#include "cueingview/FrequencyResponseModel.h"
#include "cueingview/LiveScores.h"
#include "cueingview/PerceivedStripDrawing.h"
#include "engine/Words.h"
#include "script/ConfigManager.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

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

// Records at 1000 per second with the vehicle surging and swaying at 0.5 Hz and yawing at 0.3 Hz,
// the platform at rest: every strip has a curve to draw.
class SyntheticDrive {
public:
    void deliver(IKEOOutputDataRetriever& receiver, int count) {
        namespace w = engine::words;
        constexpr double pi = 3.14159265358979323846;
        KEOOutputRecord record{};
        for (int i = 0; i < count; ++i, ++m_step) {
            const double t = m_step / 1000.0;
            record.setTimestampUs(std::uint64_t(m_step + 1) * 1000);
            record.setSignal(w::longitudinalAcceleration, float(2.0 * std::sin(pi * t)));
            record.setSignal(w::lateralAcceleration, float(1.5 * std::cos(pi * t)));
            record.setSignal(w::yawRate, float(0.3 * std::sin(0.6 * pi * t)));
            receiver.onOutputs(&record, &record, false);
        }
    }

private:
    std::int64_t m_step = 0;
};

// The host's side of the live records: the editor's receiver, once it has asked for them.
class CapturedReceiver : public HostOutputSource {
public:
    explicit CapturedReceiver(IKEOOutputDataRetriever*& receiver)
        : m_receiver(receiver) {}
    void setReceiver(IKEOOutputDataRetriever* receiver) override { m_receiver = receiver; }

private:
    IKEOOutputDataRetriever*& m_receiver;
};

// Each iteration delivers 100 ms of records untimed, then times the window's refresh of the live
// scores to the frame that shows it: the table and six strips with 20 s of history, at the
// editor's minimum size.
void BM_LiveRefreshWithCueingOpen(benchmark::State& state) {
    IKEOOutputDataRetriever* receiver = nullptr;
    LoadedEditor editor(QSize(1420, 840), new CapturedReceiver(receiver));
    QObject* scores = editor.published("cpp_liveScores");
    QMetaObject::invokeMethod(editor.item("cueingButton"), "clicked");
    if (!receiver) {
        state.SkipWithError("the editor asked for no live records");
        return;
    }
    SyntheticDrive drive;
    for (int i = 0; i < 200; ++i) { // fills the strips' 20 s
        drive.deliver(*receiver, 100);
        QMetaObject::invokeMethod(scores, "refresh");
    }
    editor.waitForFrame();
    for (auto _ : state) {
        drive.deliver(*receiver, 100);
        editor.waitForFrame();
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(scores, "refresh");
        editor.waitForFrame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_LiveRefreshWithCueingOpen)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// The six strips' drawing alone, 20 s of history each, their size at scale `range(0)` / 100.
void BM_PaintPerceivedStrips(benchmark::State& state) {
    LiveScores scores;
    scores.setSettings(cueing::ScorerSettings{});
    SyntheticDrive drive;
    for (int i = 0; i < 200; ++i) {
        drive.deliver(scores, 100);
        scores.refresh();
    }
    const double scale = state.range(0) / 100.0;
    QImage image(QSize(222, 30) * scale, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int channel = 0; channel < cueing::channelCount; ++channel)
            drawPerceivedStrip(painter, QRectF(image.rect()), scores.history(), channel, 20.0,
                               scale);
    }
}
BENCHMARK(BM_PaintPerceivedStrips)
    ->ArgName("scale%")
    ->Arg(100)
    ->Arg(150)
    ->Unit(benchmark::kMillisecond);

void BM_RecomputeBothSets(benchmark::State& state) {
    LoadedResponse loaded;
    for (auto _ : state)
        loaded.model.recompute();
}
BENCHMARK(BM_RecomputeBothSets)->Unit(benchmark::kMicrosecond);

} // namespace
