#include "ActuatorReport.h"

#include "PlatformWords.h"
#include "TextRows.h"

#include <cstdio>

ActuatorWatch::ActuatorWatch(rig::Rig rig, double stepRate)
    : m_monitor(std::move(rig), stepRate)
    , m_block(blockSteps) {}

void ActuatorWatch::add(const KEOOutputRecord& record) {
    m_block[m_blockFill] = {record.signal(platformWords[0]), record.signal(platformWords[1]),
                            record.signal(platformWords[2]), record.signal(platformWords[3]),
                            record.signal(platformWords[4]), record.signal(platformWords[5])};
    if (++m_blockFill == m_block.size())
        watchBlock();
}

void ActuatorWatch::watchBlock() {
    for (std::size_t i = 0; i < m_blockFill; ++i)
        m_monitor.add(m_block[i]);
    m_blockFill = 0;
}

rig::ActuatorReport ActuatorWatch::report() {
    watchBlock();
    return m_monitor.report();
}

namespace {

// "+0.412 m/s    at   12.345 s", 28 characters; a length that never changed has no time.
std::string peakText(const rig::Peak& peak, const char* unit) {
    std::string text;
    if (peak.magnitude() == 0.0)
        append(text, "%7.3f %-6s %13s", 0.0, unit, "");
    else
        append(text, "%+7.3f %-6s at %8.3f s", peak.value, unit, peak.seconds);
    return text;
}

// Where a length lies in the actuator's travel: 0 % at its short stop, 100 % at its long one.
double share(double length, const rig::Actuator& actuator) {
    return 100.0 * (length - actuator.minLength) / (actuator.maxLength - actuator.minLength);
}

void appendFlags(std::string& text, const rig::ActuatorUse& use) {
    if (use.secondsAtStop > 0.0)
        append(text, "  AT A STOP for %.3f s", use.secondsAtStop);
    if (use.secondsBeyondVelocity > 0.0)
        append(text, "  BEYOND ITS VELOCITY for %.3f s", use.secondsBeyondVelocity);
    if (use.secondsBeyondAcceleration > 0.0)
        append(text, "  BEYOND ITS ACCELERATION for %.3f s", use.secondsBeyondAcceleration);
    text += '\n';
}

} // namespace

std::string actuatorReportText(const rig::ActuatorReport& report, const rig::Rig& rig) {
    std::string text;
    append(text, "Actuators of %s, from the platform's position at every step\n",
           rig.name.empty() ? "the rig" : rig.name.c_str());
    text += "(stroke: 0 % at the short end stop, 100 % at the long one)\n";
    append(text, "%-9s %-28s %-28s %-13s %-28s %-13s %s\n", "Actuator", "stroke used",
           "velocity peak", "limit", "acceleration peak", "limit", "at a stop");
    for (std::size_t i = 0; i < report.actuators.size(); ++i) {
        const rig::ActuatorUse& use = report.actuators[i];
        const rig::Actuator& actuator = rig.actuators[i];
        const double from = share(use.shortest, actuator), to = share(use.longest, actuator);
        append(text, "%-9d %5.1f %% to %5.1f %% (%5.1f %%) %s %6.3f %-6s %s %6.3f %-6s %8.3f s",
               int(i) + 1, from, to, to - from, peakText(use.velocity, "m/s").c_str(),
               actuator.maxVelocity, "m/s", peakText(use.acceleration, "m/s^2").c_str(),
               actuator.maxAcceleration, "m/s^2", use.secondsAtStop);
        appendFlags(text, use);
    }
    append(text, "Actuators: %s.\n",
           report.withinLimits() ? "within their stroke and limits"
                                 : "outside (at an end stop or beyond a limit above)");
    return text;
}
