#pragma once

#include "RecordObserver.h"
#include "rig/ActuatorMonitor.h"

#include <string>

// keo-sim's report on a rig's actuators (--rig): each step's platform pose (record words
// 147-152) through the rig's inverse kinematics, and per actuator the stroke it used, its peak
// velocity and acceleration beside its limits and the time it stood at an end stop.
class ActuatorWatch : public RecordObserver {
public:
    ActuatorWatch(rig::Rig rig, double stepRate);
    void add(const KEOOutputRecord& record) override;
    rig::ActuatorReport report();
    const rig::Rig& rig() const { return m_monitor.rig(); }

private:
    void watchBlock();

    rig::ActuatorMonitor m_monitor;
    // Poses are gathered into blocks and watched a block at a time, so that the engine's step and
    // the kinematics do not take turns in the cache.
    static constexpr std::size_t blockSteps = 256;
    std::vector<rig::Pose> m_block;
    std::size_t m_blockFill = 0;
};

// The report's text, after the envelope report's; its last line is the actuators' verdict.
std::string actuatorReportText(const rig::ActuatorReport& report, const rig::Rig& rig);
