#pragma once

#include "Rig.h"

#include <stdexcept>
#include <string>

// Reads a rig description, a JSON file:
//
//   {
//     "name": "a hexapod",
//     "motion_reference_point_m": [0, 0, 0.92],
//     "limits": {"min_length_m": 0.58, "max_length_m": 0.91, "max_velocity_mps": 0.6,
//                "max_acceleration_mps2": 15},
//     "actuators": [
//       {"base_m": [0.636, -0.135, 0], "platform_m": [0.301, -0.334, 0.62]},
//       ...
//     ]
//   }
//
// Points are in the base's axes (x forward, y left, z up, metres) at the neutral pose. "limits"
// holds what all actuators share; an actuator may give any of its four limits itself. A fault
// throws RigError naming the file and the key ("rig.json: actuators[2].max_length_m: ...").
namespace rig {

class RigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Rig parseRig(const std::string& text, const std::string& fileName);
Rig loadRig(const std::string& path);

} // namespace rig
