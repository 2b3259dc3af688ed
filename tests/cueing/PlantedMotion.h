#pragma once

#include "KEOUI64/OutputRecord.h"
#include "cueing/Vestibular.h"
#include "engine/Words.h"

#include <array>
#include <cmath>
#include <functional>

// Records of a known motion for the scorer: the vehicle's words and the platform's pose given as
// functions of time, written into the record the way an engine would.

// The otolith model's response to a unit step of specific force, by partial fractions of
// gain (1 + lead s) / (s (1 + long s)(1 + short s)).
inline double otolithStepResponse(double t) {
    if (t <= 0.0)
        return 0.0;
    const cueing::OtolithModel& o = cueing::otolith;
    const double lead = o.leadTime, l = o.longTime, s = o.shortTime;
    return o.gain * (1.0 + (lead - l) / (l - s) * std::exp(-t / l) +
                     (lead - s) / (s - l) * std::exp(-t / s));
}

// What the vehicle does: words 3, 4, 5 (specific force as its accelerometers read it) and 7, 8, 9.
using VehicleWords = std::array<double, 6>;
// The platform: roll, pitch, yaw (rad), sway, heave, surge (m), words 147-152.
using PoseWords = std::array<double, 6>;

inline KEOOutputRecord plantedRecord(double seconds, const VehicleWords& vehicle,
                                     const PoseWords& pose) {
    namespace w = engine::words;
    KEOOutputRecord r{};
    r.setTimestampUs(std::uint64_t(std::llround(seconds * 1e6)));
    const int vehicleWords[6] = {w::longitudinalAcceleration,
                                 w::lateralAcceleration,
                                 w::verticalAcceleration,
                                 w::rollRate,
                                 w::pitchRate,
                                 w::yawRate};
    for (int i = 0; i < 6; ++i) {
        r.setSignal(vehicleWords[i], float(vehicle[i]));
        r.setSignal(w::platform.roll + i, float(pose[i]));
    }
    return r;
}

// Feeds `seconds` of planted records at `rate` to `add`.
template <class Add>
void plant(double seconds, double rate, const std::function<VehicleWords(double)>& vehicle,
           const std::function<PoseWords(double)>& pose, Add&& add) {
    const long steps = std::lround(seconds * rate);
    for (long k = 0; k <= steps; ++k) {
        const double t = double(k) / rate;
        add(plantedRecord(t, vehicle(t), pose(t)));
    }
}
