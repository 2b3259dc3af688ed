// Loading and saving the two-cluster example, as the editor does on start and on Ctrl+S.
#include "BenchSupport.h"
#include "script/ScriptFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

const std::filesystem::path twoClusterExample =
    std::filesystem::path(KEO_EXAMPLES_DIR) / "two_clusters.cpp";

void BM_LoadTwoClusterExample(benchmark::State& state) {
    ConfigMap configs;
    for (auto _ : state) {
        const ScriptResult result = loadScript(twoClusterExample.u16string(), configs);
        if (!result.ok())
            state.SkipWithError(result.message);
        benchmark::DoNotOptimize(configs);
    }
}
BENCHMARK(BM_LoadTwoClusterExample)->Unit(benchmark::kMicrosecond);

void BM_SaveTwoClusterExampleIntoCopy(benchmark::State& state) {
    const std::filesystem::path copy = scratchCopyOfExample("two_clusters.cpp");
    ConfigMap configs;
    if (!loadScript(copy.u16string(), configs).ok())
        state.SkipWithError("the example does not load");
    for (auto _ : state) {
        const ScriptResult result = saveScript(copy.u16string(), configs);
        if (!result.ok())
            state.SkipWithError(result.message);
    }
    std::filesystem::remove_all(copy.parent_path());
}
BENCHMARK(BM_SaveTwoClusterExampleIntoCopy)->Unit(benchmark::kMicrosecond);

} // namespace
