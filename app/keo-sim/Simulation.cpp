#include "Simulation.h"

#include "engine/Engine.h"
#include "engine/drive/PlayThrough.h"

#include <algorithm>

EnvelopeReport simulate(const Config& config, KEOParamSet::Enum paramSet,
                        const WorkEnvelopeLimits& envelope, double stepRate,
                        std::shared_ptr<const engine::drive::Drive> drive, RecordCsvWriter* writer,
                        const std::function<void(double)>& progress,
                        const PlatformRateLimits& platform, RecordObserver* observer) {
    engine::Engine engine;
    engine.configure(config, paramSet, envelope, stepRate);
    EnvelopeMonitor monitor(blankReport(engine.tuning(), config, envelope, platform), stepRate);
    engine::drive::DrivePlayer player(std::move(drive), stepRate, false);
    const std::uint64_t total = player.stepsPerPass();
    const std::uint64_t progressEvery = std::max<std::uint64_t>(1, total / 200);
    engine::drive::playThrough(
        engine, player, [&](std::uint64_t step, double seconds, const KEOOutputRecord& record) {
            monitor.add(record);
            if (observer)
                observer->add(record);
            if (writer)
                writer->write(seconds, record);
            if (progress && step % progressEvery == 0)
                progress(double(step) / double(total));
            return true;
        });
    return monitor.report();
}
