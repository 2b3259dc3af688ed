// The editor's own costs on top of the file layer: a parameter-set switch re-announces every
// property of every model; a load-select-save cycle is what opening a file and pressing Ctrl+S do.
#include "BenchSupport.h"
#include "models/ConfigModel.h"
#include "models/ParamSetModel.h"
#include "script/ConfigManager.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

const std::filesystem::path twoClusterExample =
    std::filesystem::path(KEO_EXAMPLES_DIR) / "two_clusters.cpp";

void BM_SwitchParamSet(benchmark::State& state) {
    ConfigManager manager(twoClusterExample.u16string(), true);
    manager.load();
    if (!manager.setConfigFromUi(1))
        state.SkipWithError("the example does not load");
    for (auto _ : state)
        manager.paramSetModel()->switchParamSet();
}
BENCHMARK(BM_SwitchParamSet)->Unit(benchmark::kMicrosecond);

void BM_LoadSelectSaveCycle(benchmark::State& state) {
    const std::filesystem::path copy = scratchCopyOfExample("two_clusters.cpp");
    ConfigManager manager(copy.u16string(), true);
    for (auto _ : state) {
        manager.loadFromUi();
        manager.setConfigFromUi(1);
        manager.saveFromUi();
    }
    if (manager.errorCounter() != 0)
        state.SkipWithError("a load or save failed");
    std::filesystem::remove_all(copy.parent_path());
}
BENCHMARK(BM_LoadSelectSaveCycle)->Unit(benchmark::kMicrosecond);

} // namespace
