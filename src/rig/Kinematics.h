#pragma once

#include "Rig.h"

#include <optional>
#include <vector>

// The kinematics of a rig of linear actuators. Inverse: the length of every actuator for a pose
// of the platform, the distance between its joints once the platform has moved there, which
// exists for every pose. Forward: the pose for the lengths of a hexapod's six actuators, found by
// Newton's method from a pose nearby.
namespace rig {

// Where the platform's joints are at `pose`, precomputed once per pose and reused for every joint.
class PlatformMotion {
public:
    explicit PlatformMotion(const Vec3& motionReferencePoint, const Pose& pose)
        : m_reference(motionReferencePoint)
        , m_travel{pose.surge, pose.sway, pose.heave}
        , m_attitude({pose.roll, pose.pitch, pose.yaw}) {}

    // The engine's attitude turns the platform's own axes into the neutral ones: the same
    // rotation that carries a joint from its neutral place about the motion reference point.
    Vec3 moved(const Vec3& jointAtNeutral) const {
        return m_reference + m_travel + m_attitude.toNeutral(jointAtNeutral - m_reference);
    }

private:
    Vec3 m_reference, m_travel;
    engine::Attitude m_attitude;
};

// The actuators' lengths at `pose` into `lengths` (resized to the rig's actuators, or as many as
// the rig has actuators).
void actuatorLengths(const Rig& rig, const Pose& pose, std::vector<double>& lengths);
void actuatorLengths(const Rig& rig, const Pose& pose, double* lengths);
std::vector<double> actuatorLengths(const Rig& rig, const Pose& pose);

// The pose that gives a hexapod's six actuators `lengths`, searched from `start` until every
// length is met within `tolerance` metres; nothing when the rig has not six actuators, or the
// search does not converge (lengths no pose near `start` gives, a singular pose).
std::optional<Pose> solvePose(const Rig& rig, const std::vector<double>& lengths,
                              const Pose& start = {}, double tolerance = 1e-13);

} // namespace rig
