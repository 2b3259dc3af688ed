#pragma once

#include "engine/drive/Drive.h"
#include "engine/drive/InputSignals.h"

#include <cmath>
#include <cstdlib>

// A drive that opened must play: every signal a recording may give finite at its start, its end,
// beyond both and in between, as the engine's input check promises for every sample.
inline void checkPlays(const engine::drive::Drive& drive) {
    const double duration = drive.duration();
    if (!(duration > 0.0) || !std::isfinite(duration))
        std::abort();
    for (const double t : {-1.0, 0.0, 0.37 * duration, duration, duration + 1.0}) {
        const engine::VehicleInput in = drive.at(t);
        for (const engine::drive::InputSignal& signal : engine::drive::inputSignals())
            if (!std::isfinite(signal.get(in)))
                std::abort();
    }
}
