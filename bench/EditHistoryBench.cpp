// Undoing and redoing one step, and opening the Changes and Compare parameter sets panels, each
// from the call to the frame that shows the result, in the editor with the two-cluster example.
// Run under a real display (xvfb-run -a) to include rendering; each should fit one 60 Hz frame.
#include "LoadedEditor.h"
#include "models/ConfigModel.h"
#include "models/EditHistory.h"
#include "script/ConfigManager.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// Edits values on several pages in both parameter sets, as a user tuning would, then goes once
// through undo and redo, so that the first showing of a page is not counted.
void makeEdits(LoadedEditor& editor, int count) {
    QObject* root = editor.managed("configModel");
    const char* sections[] = {"lateralConfigModel", "longitudinalConfigModel",
                              "verticalConfigModel"};
    for (int i = 0; i < count; ++i) {
        QObject* axis = root->property(sections[i % 3]).value<QObject*>();
        QObject* travel = axis->property("travelConfigModel").value<QObject*>();
        QObject* filter = travel->property("outputTravelFilterModel").value<QObject*>();
        filter->setProperty("cutoffFrequency", 1.0 + 0.25 * i);
        QMetaObject::invokeMethod(editor.managed("paramSetModel"), "switchParamSet");
    }
    QObject* history = editor.published("cpp_editHistory");
    QMetaObject::invokeMethod(history, "undo");
    editor.waitForFrame();
    QMetaObject::invokeMethod(history, "redo");
    editor.waitForFrame();
}

// Time of `action` up to the frame that shows it; `prepare` runs untimed before each.
template <class Prepare, class Action>
void timeToFrame(benchmark::State& state, LoadedEditor& editor, Prepare prepare, Action action) {
    for (auto _ : state) {
        prepare();
        editor.waitForFrame();
        QElapsedTimer clock;
        clock.start();
        action();
        editor.waitForFrame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// `untimed` first, then `timed`: an undo after a redo, or a redo after an undo.
void BM_OneStep(benchmark::State& state, const char* untimed, const char* timed) {
    LoadedEditor editor(QSize(1700, 950));
    makeEdits(editor, 12);
    QObject* history = editor.published("cpp_editHistory");
    timeToFrame(
        state, editor, [&] { QMetaObject::invokeMethod(history, untimed); },
        [&] { QMetaObject::invokeMethod(history, timed); });
}
BENCHMARK_CAPTURE(BM_OneStep, Undo, "redo", "undo")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(BM_OneStep, Redo, "undo", "redo")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

void BM_OpenPanel(benchmark::State& state, const char* button) {
    LoadedEditor editor(QSize(1700, 950));
    makeEdits(editor, 12);
    QObject* opener = editor.item(button);
    timeToFrame(
        state, editor, [&] { QMetaObject::invokeMethod(opener, "clicked"); },
        [&] { QMetaObject::invokeMethod(opener, "clicked"); });
}
// Each iteration closes the panel untimed, then times opening it again.
BENCHMARK_CAPTURE(BM_OpenPanel, Changes, "changesButton")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(BM_OpenPanel, CompareParameterSets, "compareSetsButton")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// The history's own share without any view: writing one step back and re-announcing its model.
void BM_UndoRedoWithoutView(benchmark::State& state) {
    const auto script = scratchCopyOfExample("two_clusters.cpp");
    ConfigManager manager(script.u16string(), true);
    manager.load();
    manager.setConfigFromUi(0);
    QObject* filter =
        manager.configModel()->lateralConfigModel()->travelConfigModel()->outputTravelFilterModel();
    filter->setProperty("cutoffFrequency", 3.5);
    EditHistory& history = *manager.editHistory();
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
    std::filesystem::remove_all(script.parent_path());
}
BENCHMARK(BM_UndoRedoWithoutView)->Unit(benchmark::kMicrosecond);

} // namespace
