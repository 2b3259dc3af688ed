#include "EngineOutputSource.h"

#include <KEOUI64/IKEOOutputDataRetriever.h>
#include <algorithm>
#include <cmath>
#include <config/ConfigReader.h>
#include <cstdio>
#include <engine/Words.h>

namespace {

using Clock = std::chrono::steady_clock;

// Behind schedule by more than this (a debugger stop, a suspended machine), the source resumes
// at its normal pace instead of catching up in a burst.
constexpr std::chrono::milliseconds maxLag(100);
// While paused the thread only looks for commands, this often.
constexpr std::chrono::milliseconds pausedPoll(20);

} // namespace

EngineOutputSource::EngineOutputSource(std::shared_ptr<const Drive> drive, int stepsPerSecond,
                                       const std::array<WorkEnvelopeLimits, 2>& envelopes)
    : m_stepsPerSecond(std::max(1, stepsPerSecond))
    , m_envelopes(envelopes) {
    setDrive(std::move(drive));
}

EngineOutputSource::~EngineOutputSource() {
    const std::lock_guard<std::mutex> lock(m_controlMutex);
    stop();
}

void EngineOutputSource::setReceiver(IKEOOutputDataRetriever* receiver) {
    const std::lock_guard<std::mutex> lock(m_controlMutex);
    stop();
    if (receiver)
        start(receiver);
}

void EngineOutputSource::onConfigurationChanged(std::int32_t cluster, std::int32_t paramSet,
                                                const char* json, std::size_t length) {
    if (cluster != 0 && cluster != 1)
        return;
    Config config{};
    try {
        readConfig(Json::parse(json, json + length), config);
    } catch (const std::exception& error) {
        // The editor writes what it reads; should that ever fail, the engine keeps the last one.
        std::fprintf(stderr, "keo-editor: the edited configuration cannot be run: %s\n",
                     error.what());
        return;
    }
    const auto set = paramSet == 1 ? KEOParamSet::Second : KEOParamSet::First;
    m_tunings[cluster].send(
        engine::Engine::tune(config, set, m_envelopes[cluster], m_stepsPerSecond));
    ++m_configurationsTold;
    m_editedCluster = cluster;
}

void EngineOutputSource::setDrive(std::shared_ptr<const Drive> drive) {
    m_drive = drive;
    m_players.send(engine::drive::DrivePlayer(std::move(drive), m_stepsPerSecond, true));
}

void EngineOutputSource::setPlaying(bool playing) {
    m_playing.store(playing);
}

void EngineOutputSource::restart() {
    m_restartRequested.store(true);
}

void EngineOutputSource::setSpeed(double factor) {
    m_speed.store(std::clamp(std::isfinite(factor) ? factor : 1.0, slowest, fastest));
}

void EngineOutputSource::start(IKEOOutputDataRetriever* receiver) {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopRequested = false;
    }
    m_thread = std::thread([this, receiver] { deliverUntilStopped(receiver); });
}

void EngineOutputSource::stop() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopRequested = true;
    }
    m_stopSignal.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void EngineOutputSource::deliverUntilStopped(IKEOOutputDataRetriever* receiver) {
    const double periodNs = 1e9 / m_stepsPerSecond;
    Clock::time_point due = Clock::now();
    while (waitUntilDueOrStopped(due)) {
        takeHandOvers();
        if (!m_looping.load() && m_player && m_player->stepsDone() >= m_player->stepsPerPass())
            m_playing.store(false);
        if (!m_playing.load() || !m_player) {
            due = Clock::now() + pausedPoll;
            continue;
        }
        step(receiver);
        due += std::chrono::nanoseconds(std::int64_t(periodNs / m_speed.load()));
        const Clock::time_point now = Clock::now();
        if (now - due > maxLag)
            due = now;
    }
}

// A new drive or a restart starts over with both engines at rest; a new tuning keeps their state,
// so an edit changes what follows without a jolt of its own.
void EngineOutputSource::takeHandOvers() {
    for (std::size_t cluster = 0; cluster < m_engines.size(); ++cluster)
        if (const engine::Tuning* tuning = m_tunings[cluster].receive())
            m_engines[cluster].setTuning(*tuning);
    bool restart = m_restartRequested.exchange(false);
    if (engine::drive::DrivePlayer* player = m_players.receive()) {
        m_player = player;
        restart = true;
    }
    if (restart && m_player) {
        m_player->restart();
        for (engine::Engine& engine : m_engines)
            engine.reset();
    }
}

void EngineOutputSource::step(IKEOOutputDataRetriever* receiver) {
    engine::VehicleInput input;
    const double driveSeconds =
        double(m_player->stepsDone() % m_player->stepsPerPass()) / m_player->stepRateHz();
    m_player->next(input);
    m_driveSeconds.store(driveSeconds, std::memory_order_relaxed);
    const double dt = 1.0 / m_stepsPerSecond;
    const std::uint64_t timestampUs = m_simulatedSteps * 1000000u / std::uint64_t(m_stepsPerSecond);
    ++m_simulatedSteps;
    for (std::size_t cluster = 0; cluster < m_engines.size(); ++cluster) {
        engine::Engine& engine = m_engines[cluster];
        // The drives read as an accelerometer does; a configuration whose inputs carry no gravity
        // gets it taken out.
        const bool withoutGravity = engine.tuning().options.removeVerticalComponent;
        engine.step(withoutGravity ? engine::drive::withoutGravity(input) : input, dt,
                    m_records[cluster]);
        m_records[cluster].setTimestampUs(timestampUs);
        publishPlatform(int(cluster));
    }
    receiver->onOutputs(&m_records[0], &m_records[1], false);
}

void EngineOutputSource::publishPlatform(int cluster) {
    const KEOOutputRecord& record = m_records[std::size_t(cluster)];
    const engine::words::Dof p = engine::words::platform;
    m_platforms.publish(cluster,
                        {record.signal(p.roll), record.signal(p.pitch), record.signal(p.yaw),
                         record.signal(p.heave), record.signal(p.sway), record.signal(p.surge)});
}

// False once a stop is requested; a due time in the past returns at once.
bool EngineOutputSource::waitUntilDueOrStopped(Clock::time_point due) {
    std::unique_lock<std::mutex> lock(m_stopMutex);
    return !m_stopSignal.wait_until(lock, due, [this] { return m_stopRequested; });
}
