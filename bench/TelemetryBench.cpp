// Reading an hour of iRacing telemetry: a .ibt file of 60 rows per second with 250 variables per
// row (about 1 kB, the size of a car's recording), written once from the layout the iRacing SDK
// documents, then opened as keo-sim and keo-editor open a drive. The processor time is the
// reader's own; the file is in the page cache after the first read.
//
//   build/bench/telemetry_bench
#include "BenchSupport.h"
#include "IbtWriter.h"
#include "engine/drive/Drive.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <fstream>

namespace {

constexpr int rowsPerSecond = 60;
constexpr int oneHour = 3600;
constexpr int fillerVariables = 238; // besides the 12 the built-in map reads

std::vector<ibtfixture::Variable> carVariables() {
    using namespace ibtfixture;
    std::vector<Variable> variables = {
        {"SessionTime", "s", Double},  {"LongAccel", "m/s^2", Float}, {"LatAccel", "m/s^2", Float},
        {"VertAccel", "m/s^2", Float}, {"RollRate", "rad/s", Float},  {"PitchRate", "rad/s", Float},
        {"YawRate", "rad/s", Float},   {"Roll", "rad", Float},        {"Pitch", "rad", Float},
        {"Speed", "m/s", Float},       {"VelocityX", "m/s", Float},   {"VelocityY", "m/s", Float}};
    for (int i = 0; i < fillerVariables; ++i)
        variables.push_back({"Channel" + std::to_string(i), "", i % 5 == 0 ? Int : Float});
    return variables;
}

// Writes the file a block of rows at a time, so that an hour never sits in memory whole.
std::filesystem::path writeOneHour(const std::filesystem::path& folder) {
    const auto path = folder / "one-hour.ibt";
    ibtfixture::Writer header(carVariables());
    std::ofstream out(path, std::ios::binary);
    const int rows = oneHour * rowsPerSecond;
    std::vector<double> values(carVariables().size(), 0.0);
    ibtfixture::Writer block(carVariables());
    // The header first, with the row count of the whole hour; then the rows.
    header.addRow(values);
    std::string headerBytes = header.bytes();
    headerBytes.resize(std::size_t(header.rowsAt));
    ibtfixture::Writer::putInt(headerBytes, 140, rows);
    ibtfixture::Writer::putInt(headerBytes, 48, rows);
    out << headerBytes;
    for (int row = 0; row < rows; ++row) {
        const double t = double(row) / rowsPerSecond;
        values[0] = 1000.0 + t;
        for (std::size_t v = 1; v < 12; ++v)
            values[v] = std::sin(0.3 * t + double(v));
        values[9] = values[10] = 30.0 + 10.0 * std::sin(0.05 * t);
        block.addRow(values);
        if (row % 4096 == 4095 || row == rows - 1) {
            const std::string bytes = block.bytes();
            out << bytes.substr(std::size_t(block.rowsAt));
            block = ibtfixture::Writer(carVariables());
        }
    }
    return path;
}

double processorSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

void BM_OpenOneHourIbt(benchmark::State& state) {
    const auto folder = scratchFolder();
    const std::string path = writeOneHour(folder).string();
    double processor = 0.0;
    for (auto _ : state) {
        const double before = processorSeconds();
        const auto drive = engine::drive::openDrive(path);
        processor += processorSeconds() - before;
        benchmark::DoNotOptimize(drive->duration());
    }
    state.counters["rows"] = double(oneHour * rowsPerSecond);
    state.counters["file_MB"] = double(std::filesystem::file_size(path)) / 1e6;
    state.counters["cpu_s"] = processor / double(state.iterations());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenOneHourIbt)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
