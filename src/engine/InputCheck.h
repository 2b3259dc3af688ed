#pragma once

#include "engine/VehicleInput.h"

// Checks every sample of what the vehicle does where it enters (the host's step, a recorded
// drive's samples), before anything interpolates or filters it. A value that is not finite, or
// beyond anything a vehicle does, is a fault of the source, not motion: through a short fault
// the last good value holds, so a single bad sample moves nothing; through a long one (a sensor
// that dropped out) the value then fades to rest along half a cosine, so the platform is neither
// held tilted nor jolted back.
namespace engine {

class InputCheck {
public:
    // How long a fault is bridged by the last good value, and how long the fade to rest then takes.
    static constexpr double holdSeconds = 0.1;
    static constexpr double fadeSeconds = 1.0;

    // `in` with every faulty value replaced; `dt` is the time since the previous sample, `rest`
    // what each signal fades to (gravity in the vertical acceleration when the source carries it).
    VehicleInput check(const VehicleInput& in, double dt, const VehicleInput& rest);
    void reset() { *this = InputCheck{}; }

private:
    struct Held {
        double value = 0.0;
        double faultSeconds = 0.0;
        bool seen = false; // a good value came; until then a fault stands at rest
    };
    static constexpr int checkedCount = 17;
    Held m_held[checkedCount];
};

} // namespace engine
