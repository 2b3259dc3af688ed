#include "RecentDrive.h"

#include "engine/Words.h"
#include "engine/drive/InputSignals.h"
#include "engine/drive/RecordedDrive.h"

#include <algorithm>

namespace w = engine::words;
namespace drive = engine::drive;

const int RecentDrive::keptWords[wordCount] = {w::longitudinalAcceleration,
                                               w::lateralAcceleration,
                                               w::verticalAcceleration,
                                               w::verticalTiltAcceleration,
                                               w::rollRate,
                                               w::pitchRate,
                                               w::yawRate,
                                               w::pitchAngle,
                                               w::rollAngle,
                                               w::roadLeft,
                                               w::roadRight,
                                               w::sideslip,
                                               w::speed,
                                               w::frontWheelAngle};

namespace {

// The drive's signal of each kept word, in the order of keptWords.
const char* const signalNames[RecentDrive::wordCount] = {"longitudinal_acceleration",
                                                         "lateral_acceleration",
                                                         "vertical_acceleration",
                                                         "vertical_tilt_acceleration",
                                                         "roll_rate",
                                                         "pitch_rate",
                                                         "yaw_rate",
                                                         "pitch_angle",
                                                         "roll_angle",
                                                         "road_left",
                                                         "road_right",
                                                         "sideslip_angle",
                                                         "speed",
                                                         "front_wheel_angle"};
constexpr int verticalAccelerationIndex = 2;

// Where stamps do not advance, records count as this far apart: the editor's usual record rate,
// the one the live scores fall back on too.
constexpr double fallbackStepSeconds = 1e-3;
// A longer gap between records is a pause (the host's drive stopped): the drive goes on from the
// record before it instead of interpolating over it.
constexpr double pauseSeconds = 0.1;
// Keeps a span summed from many steps from losing its first record to rounding.
constexpr double spanAllowance = 1e-9;

RecentDrive::Sample sampleOf(const KEOOutputRecord& record) {
    RecentDrive::Sample sample;
    sample.stampUs = record.timestampUs();
    for (int i = 0; i < RecentDrive::wordCount; ++i)
        sample.values[i] = record.signal(RecentDrive::keptWords[i]);
    return sample;
}

// How far record `i` plays after the one before it.
double stepBefore(const std::vector<RecentDrive::Sample>& samples, std::size_t i) {
    const std::uint64_t later = samples[i].stampUs;
    const std::uint64_t earlier = samples[i - 1].stampUs;
    const double step = later > earlier ? double(later - earlier) * 1e-6 : 0.0;
    return step > 0.0 && step <= pauseSeconds ? step : fallbackStepSeconds;
}

// Each record's time in seconds from the first kept one, strictly increasing.
std::vector<double> timesOf(const std::vector<RecentDrive::Sample>& samples, std::size_t first) {
    std::vector<double> times{0.0};
    for (std::size_t i = first + 1; i < samples.size(); ++i)
        times.push_back(times.back() + stepBefore(samples, i));
    return times;
}

// The first record within the last `maxSeconds`, keeping at least two.
std::size_t firstWithin(const std::vector<RecentDrive::Sample>& samples, double maxSeconds) {
    std::size_t first = samples.size() - 1;
    double span = 0.0;
    while (first > 0) {
        span += stepBefore(samples, first);
        if (span > maxSeconds + spanAllowance)
            break;
        --first;
    }
    return std::min(first, samples.size() - 2);
}

} // namespace

RecentDrive::RecentDrive(std::size_t capacity)
    : m_capacity(std::max<std::size_t>(capacity, 2))
    , m_ring(new Sample[m_capacity])
    , m_side(sideBufferCapacity) {}

void RecentDrive::setCluster(int cluster) {
    m_cluster.store(cluster == 1 ? 1 : 0, std::memory_order_relaxed);
    clear();
}

void RecentDrive::clear() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_next = 0;
    m_count = 0;
    // Read under the lock by the delivery thread, which then drops what waits in its side buffer.
    m_generation.fetch_add(1, std::memory_order_relaxed);
}

void RecentDrive::onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool) {
    const KEOOutputRecord* record = m_cluster.load(std::memory_order_relaxed) == 1 ? second : first;
    if (!record)
        return;
    const Sample sample = sampleOf(*record);
    if (!m_mutex.try_lock()) {
        if (m_sideCount < m_side.size())
            m_side[m_sideCount++] = sample;
        return; // a record beyond the side buffer is lost; the drive interpolates over the gap
    }
    const int generation = m_generation.load(std::memory_order_relaxed);
    if (generation != m_appliedGeneration) {
        m_sideCount = 0; // waited since before a clear
        m_appliedGeneration = generation;
    }
    flushSideBuffer();
    push(sample);
    m_mutex.unlock();
}

void RecentDrive::flushSideBuffer() {
    for (std::size_t i = 0; i < m_sideCount; ++i)
        push(m_side[i]);
    m_sideCount = 0;
}

void RecentDrive::push(const Sample& sample) {
    m_ring[m_next] = sample;
    m_next = (m_next + 1) % m_capacity;
    m_count = std::min(m_count + 1, m_capacity);
}

std::vector<RecentDrive::Sample> RecentDrive::samples() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Sample> copy;
    copy.reserve(m_count);
    const std::size_t oldest = (m_next + m_capacity - m_count) % m_capacity;
    for (std::size_t i = 0; i < m_count; ++i)
        copy.push_back(m_ring[(oldest + i) % m_capacity]);
    return copy;
}

double RecentDrive::seconds() const {
    const std::vector<Sample> kept = samples();
    double seconds = 0.0;
    for (std::size_t i = 1; i < kept.size(); ++i)
        seconds += stepBefore(kept, i);
    return seconds;
}

std::unique_ptr<drive::Drive> recentDriveOf(const std::vector<RecentDrive::Sample>& samples,
                                            bool inputsCarryGravity, double maxSeconds) {
    if (samples.size() < 2)
        return nullptr;
    const std::size_t first = firstWithin(samples, maxSeconds);
    std::vector<drive::RecordedSignal> signals;
    for (int i = 0; i < RecentDrive::wordCount; ++i) {
        drive::RecordedSignal signal{drive::inputSignalNamed(signalNames[i]), {}};
        const double offset =
            i == verticalAccelerationIndex && !inputsCarryGravity ? drive::standardGravity : 0.0;
        for (std::size_t s = first; s < samples.size(); ++s)
            signal.values.push_back(double(samples[s].values[i]) + offset);
        signals.push_back(std::move(signal));
    }
    return drive::makeRecordedDrive(timesOf(samples, first), std::move(signals));
}
