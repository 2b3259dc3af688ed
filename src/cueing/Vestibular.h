#pragma once

#include "engine/Filters.h"

#include <array>
#include <complex>

// What the rider's balance organs make of motion: the published linear models of the otoliths
// (specific force) and the semicircular canals (angular velocity), and the perception thresholds
// applied to their outputs. Every constant is cited in docs/cueing.md. Plain C++, no allocation.
namespace cueing {

// The six channels the cueing is judged on, in this order everywhere in this layer: specific force
// along surge, sway and heave (m/s², heave as the deviation from 1 g), angular velocity in roll,
// pitch and yaw (rad/s, the record's senses: roll left side down, pitch nose down, yaw nose left).
enum Channel : int { Surge, Sway, Heave, Roll, Pitch, Yaw };
constexpr int channelCount = 6;
constexpr bool isForce(int channel) {
    return channel < Roll;
}

// Semicircular canal of one axis: perceived / actual angular velocity =
//   adaptation · longTime · s² / ((1 + adaptation·s)(1 + longTime·s)(1 + shortTime·s)),
// unity in the middle band; a sustained rate is felt fading with the long time constant and then
// turning the other way as the adaptation catches up.
struct CanalModel {
    double longTime, shortTime, adaptation; // s
};

// Otolith of one axis: perceived / actual specific force =
//   gain · (1 + leadTime·s) / ((1 + longTime·s)(1 + shortTime·s)).
// It sees only specific force, so a sustained tilt and the sustained acceleration whose specific
// force it equals feel the same: the reason tilt coordination works.
struct OtolithModel {
    double gain, leadTime, longTime, shortTime; // 1, s, s, s
};

// Reid & Nahon (UTIAS Report 296, 1985), vestibular models and thresholds: canals for roll, pitch
// and yaw, one otolith model for all three axes.
constexpr std::array<CanalModel, 3> canals{{{6.1, 0.1, 30.0}, {5.3, 0.1, 30.0}, {10.2, 0.1, 30.0}}};
constexpr OtolithModel otolith{0.4, 13.2, 5.33, 0.66};

// Perception thresholds on the models' outputs per channel: 0.17, 0.17, 0.28 m/s²; 3.0, 3.6,
// 2.6 deg/s (Reid & Nahon, as above).
constexpr double degree = 3.14159265358979323846 / 180.0;
constexpr std::array<double, channelCount> thresholds{0.17,         0.17,         0.28,
                                                      3.0 * degree, 3.6 * degree, 2.6 * degree};

// The model of a channel at angular frequency omega (rad/s): the continuous transfer functions.
std::complex<double> response(const CanalModel& canal, double omega);
std::complex<double> response(const OtolithModel& otolith, double omega);

// One channel's model run step by step at a fixed rate: the bilinear transform of the continuous
// model, a second-order section and a first-order one. A plain value; step() allocates nothing.
class SensationFilter {
public:
    SensationFilter() = default;
    static SensationFilter of(int channel, double stepRate);
    static SensationFilter of(const CanalModel& canal, double stepRate);
    static SensationFilter of(const OtolithModel& otolith, double stepRate);

    double step(double x) {
        const double u = engine::run(m_second, m_secondState, x);
        const double y = m_lag.b0 * u + m_lag.b1 * m_lagInput - m_lag.a1 * m_lagOutput;
        m_lagInput = u;
        m_lagOutput = y;
        return y;
    }
    void reset() {
        m_secondState = {};
        m_lagInput = m_lagOutput = 0.0;
    }

private:
    struct FirstOrder {
        double b0 = 1.0, b1 = 0.0, a1 = 0.0;
    };
    engine::Biquad m_second;
    engine::BiquadState m_secondState;
    FirstOrder m_lag; // passes its input on where the model has no third pole
    double m_lagInput = 0.0, m_lagOutput = 0.0;
};

} // namespace cueing
