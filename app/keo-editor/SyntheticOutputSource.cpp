#include "SyntheticOutputSource.h"

#include "SyntheticDrive.h"

#include <KEOUI64/IKEOOutputDataRetriever.h>
#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Behind schedule by more than this (a debugger stop, a suspended machine), the source resumes
// at its normal pace instead of catching up in a burst.
constexpr std::chrono::milliseconds maxLag(100);

} // namespace

SyntheticOutputSource::SyntheticOutputSource(int recordsPerSecond)
    : m_recordsPerSecond(std::max(1, recordsPerSecond)) {}

SyntheticOutputSource::~SyntheticOutputSource() {
    const std::lock_guard<std::mutex> lock(m_controlMutex);
    stop();
}

void SyntheticOutputSource::setReceiver(IKEOOutputDataRetriever* receiver) {
    const std::lock_guard<std::mutex> lock(m_controlMutex);
    stop();
    if (receiver)
        start(receiver);
}

void SyntheticOutputSource::fillStep(std::uint64_t step, int recordsPerSecond,
                                     KEOOutputRecord& first, KEOOutputRecord& second) {
    const double seconds = double(step) / recordsPerSecond;
    const std::uint64_t timestampUs = step * 1000000u / std::uint64_t(recordsPerSecond);
    first.setTimestampUs(timestampUs);
    second.setTimestampUs(timestampUs);
    synthetic::fillSignals(seconds, 0, first);
    synthetic::fillSignals(seconds, 1, second);
}

void SyntheticOutputSource::start(IKEOOutputDataRetriever* receiver) {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopRequested = false;
    }
    m_thread = std::thread([this, receiver] { deliverUntilStopped(receiver); });
}

void SyntheticOutputSource::stop() {
    {
        const std::lock_guard<std::mutex> lock(m_stopMutex);
        m_stopRequested = true;
    }
    m_stopSignal.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void SyntheticOutputSource::deliverUntilStopped(IKEOOutputDataRetriever* receiver) {
    const auto period = std::chrono::nanoseconds(1000000000 / m_recordsPerSecond);
    KEOOutputRecord first{};
    KEOOutputRecord second{};
    Clock::time_point due = Clock::now();
    while (waitUntilDueOrStopped(due)) {
        fillStep(m_nextStep++, m_recordsPerSecond, first, second);
        receiver->onOutputs(&first, &second, false);
        due += period;
        const Clock::time_point now = Clock::now();
        if (now - due > maxLag)
            due = now;
    }
}

// False once a stop is requested; a due time in the past returns at once.
bool SyntheticOutputSource::waitUntilDueOrStopped(Clock::time_point due) {
    std::unique_lock<std::mutex> lock(m_stopMutex);
    return !m_stopSignal.wait_until(lock, due, [this] { return m_stopRequested; });
}
