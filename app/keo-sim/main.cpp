// keo-sim: runs the motion-cueing engine headless on a cluster's configuration along a drive,
// reports what the platform did against its work envelope and limits (and, given a rig, what its
// actuators did; asked to, what the rider feels) and exits with 0 when the drive stayed within
// them, 1 when it did not and 2 for bad input.
#include "ActuatorReport.h"
#include "Assessment.h"
#include "ProgressBar.h"
#include "ReportText.h"
#include "SimOptions.h"
#include "Simulation.h"
#include "TuneCommand.h"
#include "engine/drive/ColumnMap.h"
#include "rig/RigReader.h"
#include "script/ScriptFile.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

constexpr int badInput = 2;

int fail(const std::string& message) {
    std::fprintf(stderr, "keo-sim: %s\n", message.c_str());
    return badInput;
}

std::string loadFailure(const ScriptResult& result) {
    switch (result.code) {
    case FileNotAccessible:
        return "cannot read the file";
    case SectionNotFound:
    case NoFirstCluster:
        return "no configuration section in the file";
    case SyntaxError:
        return std::string("the configuration is malformed: ") + result.message;
    default:
        return std::string("cannot load the file: ") + result.message;
    }
}

// Drives shorter than this finish before a bar would be worth drawing.
constexpr std::uint64_t stepsWorthABar = 200000;

int run(const SimOptions& options) {
    ConfigMap configs;
    const ScriptResult load =
        loadScript(std::filesystem::path(options.scriptPath).u16string(), configs);
    if (!load.ok())
        return fail(options.scriptPath + ": " + loadFailure(load));
    if (options.tune)
        return runTune(options, configs);
    const auto config = configs.find(options.cluster);
    if (config == configs.end())
        return fail(options.scriptPath + ": the script has no cluster " +
                    std::to_string(options.cluster + 1));

    std::shared_ptr<const engine::drive::Drive> drive;
    std::unique_ptr<ActuatorWatch> actuators;
    try {
        const auto map = options.mapPath.empty()
                             ? std::nullopt
                             : std::optional(engine::drive::loadColumnMap(options.mapPath));
        drive = engine::drive::openDrive(options.drive, map ? &*map : nullptr);
        if (!options.rigPath.empty())
            actuators =
                std::make_unique<ActuatorWatch>(rig::loadRig(options.rigPath), options.stepRate);
    } catch (const std::runtime_error& error) { // DriveError, RigError
        return fail(error.what());
    }
    const WorkEnvelopeLimits envelope = options.envelope.value_or(defaultEnvelope(options.cluster));
    std::printf("%s, cluster %d, parameter set %d, drive %s: %.3f s at %g steps/s\n",
                options.scriptPath.c_str(), options.cluster + 1, options.paramSet + 1,
                options.drive.c_str(), drive->duration(), options.stepRate);
    try {
        std::unique_ptr<RecordCsvWriter> writer;
        if (!options.outPath.empty())
            writer = std::make_unique<RecordCsvWriter>(options.outPath, options.allWords);
        const std::unique_ptr<Assessment> assessment =
            Assessment::forOptions(options, config->second, envelope, *drive);
        RecordObservers observers{assessment.get(), actuators.get()};
        EnvelopeReport report;
        {
            ProgressBar bar(std::uint64_t(drive->duration() * options.stepRate) >= stepsWorthABar);
            report = simulate(
                config->second, KEOParamSet::Enum(options.paramSet), envelope, options.stepRate,
                drive, writer.get(), [&bar](double fraction) { bar(fraction); }, options.platform,
                &observers);
        }
        if (writer)
            writer->finish();
        std::fputs(reportText(report).c_str(), stdout);
        bool within = report.withinEnvelope();
        if (actuators) {
            const rig::ActuatorReport used = actuators->report();
            std::fputs(actuatorReportText(used, actuators->rig()).c_str(), stdout);
            within = within && used.withinLimits();
        }
        if (assessment)
            assessment->finish(report, stdout);
        return within ? 0 : 1;
    } catch (const std::runtime_error& error) {
        return fail(error.what());
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string message;
    bool help = false;
    const auto options =
        parseSimOptions(std::vector<std::string>(argv + 1, argv + argc), message, help);
    if (help) {
        std::fputs(message.c_str(), stdout);
        return 0;
    }
    if (!options) {
        std::fprintf(stderr, "keo-sim: %s\n%s", message.c_str(), simUsage);
        return badInput;
    }
    return run(*options);
}
