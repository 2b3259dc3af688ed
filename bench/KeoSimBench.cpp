// keo-sim on a 10-minute drive at 1000 steps per second: the whole program as a user runs it
// (script, telemetry CSV, both written and read, report), the simulation alone and with a rig's
// actuators watched, and the rig's inverse kinematics per step.
#include "ActuatorReport.h"
#include "BenchSupport.h"
#include "SimOptions.h"
#include "Simulation.h"
#include "TenMinuteDrive.h"
#include "engine/drive/Manoeuvres.h"
#include "rig/RigReader.h"
#include "script/ScriptFile.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

constexpr double stepRate = 1000.0;

// The same ten minutes as recorded telemetry: 100 samples per second, every column.
std::filesystem::path writeTelemetry(const std::filesystem::path& folder) {
    const auto drive = tenMinuteDrive();
    const auto path = folder / "ten-minutes.csv";
    std::ofstream out(path);
    out << "time_s,longitudinal_acceleration_mps2,lateral_acceleration_mps2,"
           "vertical_acceleration_mps2,vertical_tilt_acceleration_mps2,roll_rate_radps,"
           "pitch_rate_radps,yaw_rate_radps,pitch_angle_rad,roll_angle_rad,road_left_m,"
           "road_right_m,sideslip_angle_rad,speed_mps,front_wheel_angle_rad\n";
    for (int k = 0; k <= int(tenMinutes * 100); ++k) {
        const double t = k / 100.0;
        const engine::VehicleInput in = drive->at(t);
        out << t << ',' << in.longitudinalAcceleration << ',' << in.lateralAcceleration << ','
            << in.verticalAcceleration << ',' << in.verticalTiltAcceleration << ',' << in.rollRate
            << ',' << in.pitchRate << ',' << in.yawRate << ',' << in.pitchAngle << ','
            << in.rollAngle << ',' << in.roadLeft << ',' << in.roadRight << ',' << in.sideslipAngle
            << ',' << in.speed << ',' << in.frontWheelAngle << '\n';
    }
    return path;
}

double childProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + t.tv_usec * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_KeoSimProgramTenMinuteCsvDrive(benchmark::State& state) {
    const auto script = scratchCopyOfExample("two_clusters.cpp");
    const auto folder = script.parent_path();
    const auto telemetry = writeTelemetry(folder);
    const bool writeCsv = state.range(0) != 0;
    const std::string command =
        std::string(KEO_SIM) + " " + script.string() + " --drive " + telemetry.string() +
        (writeCsv ? " --out " + (folder / "out.csv").string() : "") + " >/dev/null";
    // The machine is shared: the processor time keo-sim itself used says more than the wall time.
    const double before = childProcessorSeconds();
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
            state.SkipWithError("keo-sim failed");
    }
    state.counters["steps"] = tenMinutes * stepRate + 1;
    state.counters["keo_sim_cpu_s"] =
        (childProcessorSeconds() - before) / double(state.iterations());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_KeoSimProgramTenMinuteCsvDrive)
    ->ArgName("out")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The simulation alone, and with the bundled hexapod's actuators watched at every step (--rig):
// the inverse kinematics and the actuator report may add at most 10 % to keo-sim's time.
void BM_SimulateTenMinutes(benchmark::State& state) {
    ConfigMap configs;
    loadScript((std::filesystem::path(KEO_EXAMPLES_DIR) / "two_clusters.cpp").u16string(), configs);
    const auto drive = tenMinuteDrive();
    const bool withRig = state.range(0) != 0;
    const rig::Rig hexapod =
        rig::loadRig((std::filesystem::path(KEO_EXAMPLES_DIR) / "rigs/hexapod.json").string());
    for (auto _ : state) {
        std::optional<ActuatorWatch> actuators;
        if (withRig)
            actuators.emplace(hexapod, stepRate);
        const EnvelopeReport report =
            simulate(configs.at(0), KEOParamSet::First, defaultEnvelope(0), stepRate, drive,
                     nullptr, {}, {}, actuators ? &*actuators : nullptr);
        benchmark::DoNotOptimize(report.steps);
        if (actuators)
            benchmark::DoNotOptimize(actuators->report().steps);
    }
    state.counters["steps"] = double(std::uint64_t(drive->duration() * stepRate) + 1);
}
BENCHMARK(BM_SimulateTenMinutes)
    ->ArgName("rig")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The actuators' lengths alone, per step: the inverse kinematics of the bundled hexapod, along a
// cycle of poses made beforehand.
void BM_ActuatorLengths(benchmark::State& state) {
    const rig::Rig hexapod =
        rig::loadRig((std::filesystem::path(KEO_EXAMPLES_DIR) / "rigs/hexapod.json").string());
    std::vector<rig::Pose> poses(4096);
    for (std::size_t i = 0; i < poses.size(); ++i) {
        const double t = double(i) / stepRate;
        poses[i] = {0.1 * std::sin(t),      0.1 * std::cos(t),  0.05 * std::sin(2 * t),
                    0.02 * std::sin(3 * t), 0.05 * std::cos(t), 0.05 * std::sin(t)};
    }
    std::vector<double> lengths;
    std::size_t i = 0;
    for (auto _ : state) {
        rig::actuatorLengths(hexapod, poses[i], lengths);
        benchmark::DoNotOptimize(lengths.data());
        i = (i + 1) % poses.size();
    }
}
BENCHMARK(BM_ActuatorLengths);

} // namespace

BENCHMARK_MAIN();
