// The vestibular models as the scorer runs them, step by step, against the step responses of the
// published continuous models: a sustained rotation is felt fading with the canal's long time
// constant and then turning the other way as adaptation catches up; a sustained specific force
// is felt at first almost whole, in the end at the otolith's gain.
#include "cueing/Vestibular.h"

#include "PlantedMotion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using cueing::CanalModel;

// The canal model's response to a unit step of angular velocity, by partial fractions of
// adaptation · long · s / ((1 + adaptation s)(1 + long s)(1 + short s)).
double canalStepResponse(const CanalModel& c, double t) {
    const double poles[3] = {1.0 / c.adaptation, 1.0 / c.longTime, 1.0 / c.shortTime};
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double p = poles[i], q = poles[(i + 1) % 3], r = poles[(i + 2) % 3];
        sum += -p / ((q - p) * (r - p)) * std::exp(-p * t);
    }
    return sum / c.shortTime;
}

// Where the model's felt rate comes back through zero, by bisection between its peak and the
// adaptation's time constant.
double reversalOf(const CanalModel& c) {
    double low = c.longTime, high = c.adaptation;
    while (high - low > 1e-6) {
        const double middle = 0.5 * (low + high);
        (canalStepResponse(c, middle) > 0.0 ? low : high) = middle;
    }
    return low;
}

constexpr double stepRate = 1000.0;

TEST(Canal, FeltRateOfASustainedRotationFadesWithTheLongTimeConstantThenReverses) {
    constexpr double sustained = 0.5; // rad/s
    const char* names[3] = {"roll", "pitch", "yaw"};
    for (int axis = 0; axis < 3; ++axis) {
        SCOPED_TRACE(names[axis]);
        const CanalModel& canal = cueing::canals[axis];
        cueing::SensationFilter filter = cueing::SensationFilter::of(cueing::Roll + axis, stepRate);
        const double l = canal.longTime;
        double crossing = NAN, previous = 0.0;
        for (int k = 1; k <= int(60.0 * stepRate); ++k) {
            const double t = k / stepRate, felt = filter.step(sustained);
            for (double at : {0.5, l, 2.0 * l, 3.0 * l}) {
                if (std::fabs(t - at) < 0.5 / stepRate) {
                    EXPECT_NEAR(felt, sustained * canalStepResponse(canal, t), 1e-3 * sustained)
                        << "at " << t << " s";
                }
            }
            if (previous > 0.0 && felt <= 0.0)
                crossing = t;
            previous = felt;
        }
        EXPECT_NEAR(crossing, reversalOf(canal), 2.0 / stepRate);
    }
}

TEST(Otolith, SustainedSpecificForceIsFeltAlmostWholeAtFirstThenAtTheModelsGain) {
    cueing::SensationFilter filter = cueing::SensationFilter::of(cueing::Surge, stepRate);
    for (int k = 1; k <= int(60.0 * stepRate); ++k) {
        const double t = k / stepRate, felt = filter.step(1.0);
        for (double at : {0.3, 1.5, 5.0, 20.0, 60.0}) {
            if (std::fabs(t - at) < 0.5 / stepRate) {
                EXPECT_NEAR(felt, otolithStepResponse(t), 1e-3) << "at " << t << " s";
            }
        }
    }
}

} // namespace
