// The monitor on hand-made records of a known platform motion: the peaks it reports are the
// motion's own, with their sign and time, and rounding to single precision adds no peak of its own.
#include "EnvelopeMonitor.h"

#include "BlankReport.h"
#include "PlatformWords.h"
#include "engine/Engine.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr WorkEnvelopeLimits envelope{0.4f, 0.4f, 0.5f, 0.5f, 0.5f, 0.5f, 1};

// Feeds the monitor `seconds` of a motion of one degree of freedom, the others at rest.
EnvelopeReport watch(int dof, double stepRate, double seconds,
                     const std::function<double(double)>& position) {
    const Config config = zeroConfig();
    const engine::Tuning tuning =
        engine::Engine::tune(config, KEOParamSet::First, envelope, stepRate);
    EnvelopeMonitor monitor(blankReport(tuning, config, envelope, {}), stepRate);
    KEOOutputRecord record{};
    const long steps = std::lround(seconds * stepRate);
    for (long step = 0; step <= steps; ++step) {
        record.setSignal(platformWords[dof], float(position(double(step) / stepRate)));
        monitor.add(record);
    }
    return monitor.report();
}

TEST(EnvelopeMonitor, ASineReportsItsAmplitudeRateAndAccelerationWithSignAndTime) {
    struct Case {
        DofIndex dof;
        double amplitude; // rad or m
        double hertz;
        double stepRate;
    };
    const Case cases[] = {
        {Roll, 0.1, 0.5, 1000.0},
        {Heave, 0.05, 2.0, 1000.0},
        {Sway, 0.02, 8.0, 1000.0},
        {Surge, 0.2, 0.3, 20000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dof " << c.dof << ", " << c.hertz << " Hz at "
                                        << c.stepRate << " steps/s");
        // From a tenth of a period to six tenths: the position peaks at +A a quarter period in,
        // the velocity at -A ω half a period in, the acceleration at -A ω² a quarter period in.
        const double period = 1.0 / c.hertz, omega = 2.0 * pi * c.hertz;
        const auto sine = [&](double t) {
            return c.amplitude * std::sin(omega * (t + 0.1 * period));
        };
        const DofUse dof = watch(c.dof, c.stepRate, 0.5 * period, sine).dofs[c.dof];
        const double quarter = 0.15 * period, half = 0.4 * period;
        const double timeTolerance = 0.01 * period;
        EXPECT_NEAR(dof.excursion.value, c.amplitude, 1e-3 * c.amplitude);
        EXPECT_NEAR(dof.excursion.seconds, quarter, timeTolerance);
        EXPECT_NEAR(dof.velocity.value, -c.amplitude * omega, 0.01 * c.amplitude * omega);
        EXPECT_NEAR(dof.velocity.seconds, half, timeTolerance);
        const double acceleration = c.amplitude * omega * omega;
        EXPECT_NEAR(dof.acceleration.value, -acceleration, 0.01 * acceleration);
        EXPECT_NEAR(dof.acceleration.seconds, quarter, timeTolerance);
    }
}

TEST(EnvelopeMonitor, APlatformHeldStillOrGlidingAtAnOffsetShowsNoAcceleration) {
    struct Case {
        const char* name;
        double velocity; // m/s from 0.3 m on
        double stepRate;
    };
    const Case cases[] = {
        {"held still", 0.0, 1000.0},
        {"gliding", 0.05, 1000.0},
        {"gliding, fine steps", 0.05, 20000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DofUse dof = watch(Surge, c.stepRate, 2.0, [&](double t) {
                               return 0.3 + c.velocity * t;
                           }).dofs[Surge];
        EXPECT_NEAR(dof.velocity.magnitude(), c.velocity, 1e-3);
        // Single precision resolves a second difference of 0.4 m across 5 ms to 0.004 m/s².
        EXPECT_LT(dof.acceleration.magnitude(), 0.004);
    }
}

} // namespace
