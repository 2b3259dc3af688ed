#pragma once

#include "engine/drive/Drive.h"

#include <cmath>
#include <cstdlib>

// A drive that opened must play: every signal finite at its start, its end, beyond both and in
// between, as the engine's input check promises for every sample.
inline void checkPlays(const engine::drive::Drive& drive) {
    const double duration = drive.duration();
    if (!(duration > 0.0) || !std::isfinite(duration))
        std::abort();
    for (const double t : {-1.0, 0.0, 0.37 * duration, duration, duration + 1.0}) {
        const engine::VehicleInput in = drive.at(t);
        const double values[] = {in.longitudinalAcceleration,
                                 in.lateralAcceleration,
                                 in.verticalAcceleration,
                                 in.verticalTiltAcceleration,
                                 in.rollRate,
                                 in.pitchRate,
                                 in.yawRate,
                                 in.pitchAngle,
                                 in.rollAngle,
                                 in.roadLeft,
                                 in.roadRight,
                                 in.sideslipAngle,
                                 in.speed,
                                 in.frontWheelAngle,
                                 in.wheelbase};
        for (const double value : values)
            if (!std::isfinite(value))
                std::abort();
    }
}
