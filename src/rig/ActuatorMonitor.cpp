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
    , m_span(std::max(1, int(std::lround(accelerationSpanSeconds * stepRate))))
    , m_perSpanSquared(stepRate * stepRate / (double(m_span) * m_span))
    , m_reach(reachOf(m_rig)) {
    const std::size_t count = m_rig.actuators.size();
    m_report.actuators.resize(count);
    m_stepsAtStop.assign(count, 0);
    m_stepsTooFast.assign(count, 0);
    m_stepsTooHard.assign(count, 0);
    m_lengths.assign(std::size_t(2 * m_span + 1), std::vector<double>(count, 0.0));
    m_rounding.assign(m_lengths.size(), 0.0);
}

void ActuatorMonitor::add(const Pose& pose) {
    const std::uint64_t step = m_report.steps;
    const double seconds = double(step) / m_stepRate;
    std::vector<double>& now = m_lengths[m_slot];
    actuatorLengths(m_rig, pose, now);
    m_rounding[m_slot] =
        wordRounding *
        (m_reach * (std::fabs(pose.roll) + std::fabs(pose.pitch) + std::fabs(pose.yaw)) +
         std::fabs(pose.heave) + std::fabs(pose.sway) + std::fabs(pose.surge));
    const std::size_t previous = before(m_slot, 1, m_lengths.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
        const Actuator& actuator = m_rig.actuators[i];
        ActuatorUse& use = m_report.actuators[i];
        const double length = now[i];
        use.shortest = std::min(use.shortest, length);
        use.longest = std::max(use.longest, length);
        m_stepsAtStop[i] += length <= actuator.minLength || length >= actuator.maxLength;
        if (step == 0)
            continue;
        const double velocity = (length - m_lengths[previous][i]) * m_stepRate;
        use.velocity.offer(velocity, seconds - 0.5 / m_stepRate);
        const double rounding = (m_rounding[m_slot] + m_rounding[previous]) * m_stepRate;
        m_stepsTooFast[i] += std::fabs(velocity) > actuator.maxVelocity + rounding;
    }
    if (step >= std::uint64_t(2 * m_span))
        watchAccelerations();
    m_slot = m_slot + 1 == m_lengths.size() ? 0 : m_slot + 1;
    ++m_report.steps;
    m_report.seconds = double(m_report.steps - 1) / m_stepRate;
}

// The accelerations at the step a span before the newest.
void ActuatorMonitor::watchAccelerations() {
    const std::size_t size = m_lengths.size();
    const std::size_t centre = before(m_slot, std::size_t(m_span), size);
    const std::size_t first = before(m_slot, std::size_t(2 * m_span), size);
    const double seconds = double(m_report.steps - std::uint64_t(m_span)) / m_stepRate;
    const double rounding =
        (m_rounding[m_slot] + 2.0 * m_rounding[centre] + m_rounding[first]) * m_perSpanSquared;
    for (std::size_t i = 0; i < m_report.actuators.size(); ++i) {
        const double acceleration =
            (m_lengths[m_slot][i] - 2.0 * m_lengths[centre][i] + m_lengths[first][i]) *
            m_perSpanSquared;
        m_report.actuators[i].acceleration.offer(acceleration, seconds);
        m_stepsTooHard[i] +=
            std::fabs(acceleration) > m_rig.actuators[i].maxAcceleration + rounding;
    }
}

ActuatorReport ActuatorMonitor::report() const {
    ActuatorReport report = m_report;
    // Each step stands for the time up to the next; the drive's last step has none after it.
    const double stepSeconds = 1.0 / m_stepRate;
    const double longest = std::max(report.seconds, stepSeconds);
    const auto seconds = [&](std::uint64_t steps) {
        return std::min(double(steps) * stepSeconds, longest);
    };
    for (std::size_t i = 0; i < report.actuators.size(); ++i) {
        report.actuators[i].secondsAtStop = seconds(m_stepsAtStop[i]);
        report.actuators[i].secondsBeyondVelocity = seconds(m_stepsTooFast[i]);
        report.actuators[i].secondsBeyondAcceleration = seconds(m_stepsTooHard[i]);
    }
    return report;
}

} // namespace rig
