#pragma once

#include <KEOUI64/HostOutputSource.h>
#include <KEOUI64/OutputRecord.h>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// The host's output source while no algorithm runs: once a receiver is set, a thread of its own
// delivers one step of the synthetic drive (see SyntheticDrive.h) per period, one record per
// cluster, stamped with the step's simulated time in microseconds. Simulated time goes on where
// it stopped when a receiver is set again.
//
// setReceiver() and the destructor may be called on any thread but the delivering one (a
// receiver must not replace itself from inside onOutputs). Once setReceiver(nullptr) or the
// destructor returns, no delivery runs or starts.
class SyntheticOutputSource : public HostOutputSource {
public:
    static constexpr int defaultRecordsPerSecond = 500;

    explicit SyntheticOutputSource(int recordsPerSecond = defaultRecordsPerSecond);
    ~SyntheticOutputSource() override;

    SyntheticOutputSource(const SyntheticOutputSource&) = delete;
    SyntheticOutputSource& operator=(const SyntheticOutputSource&) = delete;

    void setReceiver(IKEOOutputDataRetriever* receiver) override;

    int recordsPerSecond() const { return m_recordsPerSecond; }

    // The two records of step `step` (counted from 1) at `recordsPerSecond`.
    static void fillStep(std::uint64_t step, int recordsPerSecond, KEOOutputRecord& first,
                         KEOOutputRecord& second);

private:
    void start(IKEOOutputDataRetriever* receiver);
    void stop();
    void deliverUntilStopped(IKEOOutputDataRetriever* receiver);
    bool waitUntilDueOrStopped(std::chrono::steady_clock::time_point due);

    const int m_recordsPerSecond;
    // Serialises setReceiver() and the destructor; never taken by the delivering thread.
    std::mutex m_controlMutex;
    // Guards m_stopRequested, which wakes the delivering thread early.
    std::mutex m_stopMutex;
    std::condition_variable m_stopSignal;
    bool m_stopRequested = false;
    // The next step to deliver; only the delivering thread touches it while it runs.
    std::uint64_t m_nextStep = 1;
    std::thread m_thread;
};
