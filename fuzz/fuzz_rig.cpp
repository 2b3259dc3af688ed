// Reading of rig descriptions: a rig is refused with a RigError, or its actuators have finite
// lengths at every pose and the forward solve finds the neutral pose again from its lengths.
#include "rig/ActuatorMonitor.h"
#include "rig/Kinematics.h"
#include "rig/RigReader.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rig::Rig parsed;
    try {
        parsed = rig::parseRig(std::string(reinterpret_cast<const char*>(data), size), "fuzz.json");
    } catch (const rig::RigError&) {
        return 0;
    }
    rig::ActuatorMonitor monitor(parsed, 1000.0);
    for (int step = 0; step < 20; ++step) {
        const double s = step / 20.0;
        const rig::Pose pose{0.3 * s, -0.2 * s, 0.4 * s, 0.1 * s, -0.15 * s, 0.2 * s};
        for (const double length : rig::actuatorLengths(parsed, pose))
            if (!std::isfinite(length))
                std::abort();
        monitor.add(pose);
    }
    const rig::ActuatorReport report = monitor.report();
    for (const rig::ActuatorUse& use : report.actuators)
        if (!std::isfinite(use.shortest) || !std::isfinite(use.velocity.value))
            std::abort();
    if (parsed.actuators.size() == 6) {
        // From nearby, the solve may fail on a singular rig but must not return a wrong pose.
        const rig::Pose near{0.01, 0.0, 0.0, 0.0, 0.0, 0.0};
        const auto solved = rig::solvePose(parsed, rig::actuatorLengths(parsed, {}), near);
        if (solved) {
            const auto lengths = rig::actuatorLengths(parsed, *solved);
            const auto wanted = rig::actuatorLengths(parsed, {});
            for (std::size_t i = 0; i < 6; ++i)
                if (!(std::fabs(lengths[i] - wanted[i]) <= 1e-12))
                    std::abort();
        }
    }
    return 0;
}
