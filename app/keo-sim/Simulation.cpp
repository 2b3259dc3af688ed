#include "Simulation.h"

#include "engine/Engine.h"

#include <cmath>

EnvelopeReport simulate(const Config& config, KEOParamSet::Enum paramSet,
                        const WorkEnvelopeLimits& envelope, double stepRate,
                        std::shared_ptr<const engine::drive::Drive> drive, RecordCsvWriter* writer,
                        const std::function<void(double)>& progress,
                        const PlatformRateLimits& platform, RecordObserver* observer) {
    engine::Engine engine;
    engine.configure(config, paramSet, envelope, stepRate);
    EnvelopeMonitor monitor(blankReport(engine.tuning(), config, envelope, platform), stepRate);
    engine::drive::DrivePlayer player(std::move(drive), stepRate, false);
    const bool removeGravity = config.algorithm.removeVerticalComponent;
    const double stepSeconds = 1.0 / stepRate;
    const std::uint64_t total = player.stepsPerPass();
    const std::uint64_t progressEvery = std::max<std::uint64_t>(1, total / 200);
    KEOOutputRecord record{};
    engine::VehicleInput input;
    for (std::uint64_t step = 0; player.next(input); ++step) {
        if (removeGravity)
            input = engine::drive::withoutGravity(input);
        engine.step(input, stepSeconds, record);
        const double seconds = double(step) / stepRate;
        record.setTimestampUs(std::uint64_t(std::llround(seconds * 1e6)));
        monitor.add(record);
        if (observer)
            observer->add(record);
        if (writer)
            writer->write(seconds, record);
        if (progress && step % progressEvery == 0)
            progress(double(step) / double(total));
    }
    return monitor.report();
}
