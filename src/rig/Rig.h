#pragma once

#include "engine/Geometry.h"

#include <array>
#include <string>
#include <vector>

// A motion platform driven by linear actuators: a hexapod (six actuators between a base and the
// platform, each with a joint at either end) or a simpler rig built the same way with fewer.
// Every point is given in the base's axes (x forward, y left, z up, metres) with the platform at
// its neutral pose, the pose where the engine's six degrees of freedom are all zero.
namespace rig {

using engine::Vec3;

struct Actuator {
    Vec3 base;                               // the joint on the base
    Vec3 platform;                           // the joint on the platform, at the neutral pose
    double minLength = 0.0, maxLength = 0.0; // between the joints, at its end stops, m
    double maxVelocity = 0.0;                // m/s
    double maxAcceleration = 0.0;            // m/s²
};

struct Rig {
    std::string name;
    // The point the platform turns about and whose travel heave, sway and surge are, at the
    // neutral pose.
    Vec3 motionReferencePoint;
    std::vector<Actuator> actuators; // 1 to maxActuators
};

constexpr std::size_t maxActuators = 12;

// The platform's pose in the engine's degrees of freedom: roll, pitch and yaw in radians with the
// senses of the engine's record (roll positive with the left side going down, pitch nose down,
// yaw nose left) about the motion reference point, then heave, sway and surge in metres along the
// base's z, y and x.
struct Pose {
    double roll = 0.0, pitch = 0.0, yaw = 0.0, heave = 0.0, sway = 0.0, surge = 0.0;
};

} // namespace rig
