#pragma once

#include "Kinematics.h"
#include "Rig.h"
#include "engine/Peak.h"

#include <cmath>
#include <cstdint>
#include <vector>

// What a drive asks of a rig's actuators, measured step by step from the platform's pose: per
// actuator the lengths it went through, its peak velocity and acceleration, and how long it stood
// at an end stop or moved beyond its maximum velocity or acceleration.
namespace rig {

using engine::Peak;

struct ActuatorUse {
    double shortest = INFINITY, longest = -INFINITY; // m
    Peak velocity, acceleration;                     // m/s, m/s²
    double secondsAtStop = 0.0;
    double secondsBeyondVelocity = 0.0, secondsBeyondAcceleration = 0.0;

    bool outside() const {
        return secondsAtStop > 0.0 || secondsBeyondVelocity > 0.0 ||
               secondsBeyondAcceleration > 0.0;
    }
};

struct ActuatorReport {
    std::vector<ActuatorUse> actuators; // in the rig's order
    std::uint64_t steps = 0;
    double seconds = 0.0; // the drive's length

    // No actuator reached an end stop or moved beyond its maximum velocity or acceleration.
    bool withinLimits() const;
};

// Velocities are differences of consecutive steps, accelerations second differences across a
// span of about 5 ms, as keo-sim measures the platform's degrees of freedom; each limit allows for
// the rounding of a pose that arrives in single precision.
class ActuatorMonitor {
public:
    ActuatorMonitor(Rig rig, double stepRate);

    void add(const Pose& pose);
    ActuatorReport report() const;
    const Rig& rig() const { return m_rig; }

private:
    void watchFirst(const double* now);
    void watchMotion(const double* now, const double* previous, double rounding);
    void watchAccelerations();

    // An actuator's limits and what it has done so far.
    struct Track {
        double minLength = 0.0, maxLength = 0.0, maxVelocity = 0.0, maxAcceleration = 0.0;
        double shortest = INFINITY, longest = -INFINITY;
        Peak velocity, acceleration;
        std::uint64_t stepsAtStop = 0, stepsTooFast = 0, stepsTooHard = 0;
    };

    Rig m_rig;
    double m_stepRate, m_stepSeconds;
    int m_span;
    double m_perSpanSquared;
    double m_reach; // the farthest platform joint from the motion reference point, m
    std::uint64_t m_steps = 0;
    std::vector<Track> m_tracks;
    // The last 2 × span + 1 steps' lengths (a row of every actuator's per step), and each step's
    // rounding of a length, in rings whose slot for the newest step is m_slot.
    std::vector<double> m_lengths;
    std::vector<double> m_rounding;
    std::size_t m_slot = 0;
};

} // namespace rig
