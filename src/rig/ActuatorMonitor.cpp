#include "ActuatorMonitor.h"

#include <algorithm>

namespace rig {
namespace {

// A pose arrives as single-precision record words, each rounded by up to 2^-24 of its magnitude;
// a length moves by at most its lever (the reach) per radian and by 1 per metre of travel.
constexpr double wordRounding = 0x1p-24;

// The acceleration's span, as keo-sim's envelope report takes it: its rounding is 2^-22 |l| / h²
// (0.002 m/s² for lengths of 0.7 m at any step rate), where a single step at 1000 steps/s would
// carry 0.04 m/s² of rounding noise; a sine up to 10 Hz still reads within 1 %.
constexpr double accelerationSpanSeconds = 0.005;

std::size_t before(std::size_t slot, std::size_t back, std::size_t size) {
    return slot >= back ? slot - back : slot + size - back;
}

double reachOf(const Rig& rig) {
    double reach = 0.0;
    for (const Actuator& a : rig.actuators) {
        const Vec3 d = a.platform - rig.motionReferencePoint;
        reach = std::max(reach, std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z));
    }
    return reach;
}

} // namespace

bool ActuatorReport::withinLimits() const {
    return std::none_of(actuators.begin(), actuators.end(),
                        [](const ActuatorUse& use) { return use.outside(); });
}

ActuatorMonitor::ActuatorMonitor(Rig rig, double stepRate)
    : m_rig(std::move(rig))
    , m_stepRate(stepRate)
    , m_stepSeconds(1.0 / stepRate)
    , m_span(std::max(1, int(std::lround(accelerationSpanSeconds * stepRate))))
    , m_perSpanSquared(stepRate * stepRate / (double(m_span) * m_span))
    , m_reach(reachOf(m_rig)) {
    for (const Actuator& a : m_rig.actuators) {
        Track track;
        track.minLength = a.minLength, track.maxLength = a.maxLength;
        track.maxVelocity = a.maxVelocity, track.maxAcceleration = a.maxAcceleration;
        m_tracks.push_back(track);
    }
    m_rounding.assign(std::size_t(2 * m_span + 1), 0.0);
    m_lengths.assign(m_rounding.size() * m_tracks.size(), 0.0);
}

void ActuatorMonitor::add(const Pose& pose) {
    const std::size_t count = m_tracks.size();
    double* now = &m_lengths[m_slot * count];
    actuatorLengths(m_rig, pose, now);
    m_rounding[m_slot] =
        wordRounding *
        (m_reach * (std::fabs(pose.roll) + std::fabs(pose.pitch) + std::fabs(pose.yaw)) +
         std::fabs(pose.heave) + std::fabs(pose.sway) + std::fabs(pose.surge));
    const std::size_t previous = before(m_slot, 1, m_rounding.size());
    if (m_steps == 0)
        watchFirst(now);
    else
        watchMotion(now, &m_lengths[previous * count],
                    (m_rounding[m_slot] + m_rounding[previous]) * m_stepRate);
    if (m_steps >= std::uint64_t(2 * m_span))
        watchAccelerations();
    m_slot = m_slot + 1 == m_rounding.size() ? 0 : m_slot + 1;
    ++m_steps;
}

void ActuatorMonitor::watchFirst(const double* now) {
    for (std::size_t i = 0; i < m_tracks.size(); ++i) {
        Track& track = m_tracks[i];
        track.shortest = track.longest = now[i];
        track.stepsAtStop += now[i] <= track.minLength || now[i] >= track.maxLength;
    }
}

// Lengths against the stops, and velocities since the step before with their rounding allowed.
void ActuatorMonitor::watchMotion(const double* now, const double* previous, double rounding) {
    // Between this step and the one before, where a velocity belongs.
    const double betweenSteps = (double(m_steps) - 0.5) * m_stepSeconds;
    for (std::size_t i = 0; i < m_tracks.size(); ++i) {
        Track& track = m_tracks[i];
        const double length = now[i];
        track.shortest = std::min(track.shortest, length);
        track.longest = std::max(track.longest, length);
        track.stepsAtStop += length <= track.minLength || length >= track.maxLength;
        const double velocity = (length - previous[i]) * m_stepRate;
        track.velocity.offer(velocity, betweenSteps);
        track.stepsTooFast += std::fabs(velocity) > track.maxVelocity + rounding;
    }
}

// The accelerations at the step a span before the newest.
void ActuatorMonitor::watchAccelerations() {
    const std::size_t size = m_rounding.size(), count = m_tracks.size();
    const std::size_t centre = before(m_slot, std::size_t(m_span), size);
    const std::size_t first = before(m_slot, std::size_t(2 * m_span), size);
    const double* after = &m_lengths[m_slot * count];
    const double* middle = &m_lengths[centre * count];
    const double* earliest = &m_lengths[first * count];
    const double seconds = double(m_steps - std::uint64_t(m_span)) * m_stepSeconds;
    const double rounding =
        (m_rounding[m_slot] + 2.0 * m_rounding[centre] + m_rounding[first]) * m_perSpanSquared;
    for (std::size_t i = 0; i < count; ++i) {
        Track& track = m_tracks[i];
        const double acceleration = (after[i] - 2.0 * middle[i] + earliest[i]) * m_perSpanSquared;
        track.acceleration.offer(acceleration, seconds);
        track.stepsTooHard += std::fabs(acceleration) > track.maxAcceleration + rounding;
    }
}

ActuatorReport ActuatorMonitor::report() const {
    ActuatorReport report;
    report.steps = m_steps;
    report.seconds = m_steps > 0 ? double(m_steps - 1) * m_stepSeconds : 0.0;
    // Each step stands for the time up to the next; the drive's last step has none after it.
    const double longest = std::max(report.seconds, m_stepSeconds);
    const auto seconds = [&](std::uint64_t steps) {
        return std::min(double(steps) * m_stepSeconds, longest);
    };
    for (const Track& track : m_tracks) {
        ActuatorUse use;
        use.shortest = track.shortest;
        use.longest = track.longest;
        use.velocity = track.velocity;
        use.acceleration = track.acceleration;
        use.secondsAtStop = seconds(track.stepsAtStop);
        use.secondsBeyondVelocity = seconds(track.stepsTooFast);
        use.secondsBeyondAcceleration = seconds(track.stepsTooHard);
        report.actuators.push_back(use);
    }
    return report;
}

} // namespace rig
