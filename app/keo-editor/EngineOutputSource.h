#pragma once

#include "HandOver.h"
#include "LatestPlatform.h"

#include <KEOUI64/HostOutputSource.h>
#include <KEOUI64/IKEOConfigurationListener.h>
#include <KEOUI64/OutputRecord.h>
#include <KEOUI64/WorkEnvelopeLimits.h>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <engine/Engine.h>
#include <engine/drive/Drive.h>
#include <memory>
#include <mutex>
#include <thread>

// The host's output source: the motion-cueing engine of each cluster runs the configuration the
// editor holds, edits included, along a drive that loops. Once a receiver is set, a thread of its
// own steps both engines at the step rate (times the speed) and delivers the two records, stamped
// with the simulated time in microseconds, which only ever grows.
//
// The editor tells the configuration on the GUI thread (IKEOConfigurationListener); it is tuned
// there and handed to the delivery thread by a pointer swap, as are a new drive and the player's
// commands: the delivery thread never allocates, locks against the GUI thread or waits but for its
// next step. setReceiver(), the controls and the destructor belong to the GUI thread.
class EngineOutputSource : public HostOutputSource, public IKEOConfigurationListener {
public:
    using Drive = engine::drive::Drive;

    EngineOutputSource(std::shared_ptr<const Drive> drive, int stepsPerSecond,
                       const std::array<WorkEnvelopeLimits, 2>& envelopes);
    ~EngineOutputSource() override;

    EngineOutputSource(const EngineOutputSource&) = delete;
    EngineOutputSource& operator=(const EngineOutputSource&) = delete;

    void setReceiver(IKEOOutputDataRetriever* receiver) override;
    void onConfigurationChanged(std::int32_t cluster, std::int32_t paramSet, const char* json,
                                std::size_t length) override;

    // The player's controls. A new drive starts from its beginning, as does restart(), with both
    // engines back at rest.
    void setDrive(std::shared_ptr<const Drive> drive);
    const Drive& drive() const { return *m_drive; }
    std::shared_ptr<const Drive> sharedDrive() const { return m_drive; }
    void setPlaying(bool playing);
    bool isPlaying() const { return m_playing.load(); }
    void restart();
    // Looping (the default) starts the drive over at its end; otherwise playing stops there.
    void setLooping(bool looping) { m_looping.store(looping); }
    // ×0.25 to ×4 of real time; other values are brought into that range.
    void setSpeed(double factor);
    double speed() const { return m_speed.load(); }

    int stepsPerSecond() const { return m_stepsPerSecond; }
    // Where the drive is, seconds from its start.
    double driveSeconds() const { return m_driveSeconds.load(std::memory_order_relaxed); }
    // How many configurations the engines were told (for the window and tests).
    int configurationsTold() const { return m_configurationsTold; }
    // The cluster the editor edits (the last one told; 0 before any), and its platform's roll,
    // pitch, yaw, heave, sway and surge at the latest step (all 0 before the first).
    int editedCluster() const { return m_editedCluster; }
    LatestPlatform::Dofs platform(int cluster) const { return m_platforms.read(cluster); }

    static constexpr double slowest = 0.25;
    static constexpr double fastest = 4.0;

private:
    void start(IKEOOutputDataRetriever* receiver);
    void stop();
    void deliverUntilStopped(IKEOOutputDataRetriever* receiver);
    bool waitUntilDueOrStopped(std::chrono::steady_clock::time_point due);
    void takeHandOvers();
    void step(IKEOOutputDataRetriever* receiver);
    void publishPlatform(int cluster);

    const int m_stepsPerSecond;
    const std::array<WorkEnvelopeLimits, 2> m_envelopes;
    std::shared_ptr<const Drive> m_drive; // the GUI thread's view of the drive playing

    // From the GUI thread to the delivering one.
    std::array<HandOver<engine::Tuning>, 2> m_tunings;
    HandOver<engine::drive::DrivePlayer> m_players;
    std::atomic<bool> m_playing{true};
    std::atomic<bool> m_looping{true};
    std::atomic<bool> m_restartRequested{false};
    std::atomic<double> m_speed{1.0};
    std::atomic<double> m_driveSeconds{0.0};
    int m_configurationsTold = 0;
    int m_editedCluster = 0;
    LatestPlatform m_platforms; // from the delivering thread to any

    // The delivering thread's own.
    std::array<engine::Engine, 2> m_engines;
    engine::drive::DrivePlayer* m_player = nullptr;
    std::uint64_t m_simulatedSteps = 0;
    std::array<KEOOutputRecord, 2> m_records{};

    std::mutex m_controlMutex; // serialises setReceiver() and the destructor
    std::mutex m_stopMutex;    // guards m_stopRequested, which wakes the delivering thread early
    std::condition_variable m_stopSignal;
    bool m_stopRequested = false;
    std::thread m_thread;
};
