#pragma once

#include "KEOUI64/OutputRecord.h"
#include "KEOUI64/WorkEnvelopeLimits.h"
#include "config/Config.h"
#include "engine/InputCheck.h"
#include "engine/Tuning.h"
#include "engine/VehicleInput.h"

// The motion-cueing algorithm the editor's pages draw, for one cluster. Each step turns what the
// vehicle does into the motion platform's six degrees of freedom and writes every intermediate
// signal into the output record words 2-152, the words the editor's graphs read.
//
// Threads: configure() and tune() allocate nothing either, but they compute every filter
// coefficient and belong off the real-time path; step(), reset() and setTuning() are real-time
// safe (no allocation, no lock, no system call) and must not run concurrently with each other on
// one instance. To change the configuration of a running engine from another thread, build a
// Tuning there with tune(), hand it over (e.g. by a pointer swap) and call setTuning() on the
// stepping thread.
namespace engine {

class Engine {
public:
    // Runs the zero configuration (every path off, all outputs 0) at 1000 steps per second.
    Engine();

    // Every coefficient of one configuration: the given parameter set of `config`, the output
    // limits scaled by the cluster's work envelope, filters discretised for `stepRateHz`.
    // Computed once per configuration, never per step. A non-finite or non-positive rate counts
    // as 1000 steps per second.
    static Tuning tune(const Config& config, KEOParamSet::Enum paramSet,
                       const WorkEnvelopeLimits& envelope, double stepRateHz);

    // tune() and setTuning() in one; keeps the signal state, so an edit takes effect smoothly.
    void configure(const Config& config, KEOParamSet::Enum paramSet,
                   const WorkEnvelopeLimits& envelope, double stepRateHz);

    // Switches to a tuning built beforehand (a plain copy); keeps the signal state.
    void setTuning(const Tuning& tuning) noexcept;
    const Tuning& tuning() const noexcept { return m_tuning; }

    // Back to rest: every filter, integrator, rate limiter and output at zero.
    void reset() noexcept;

    // The host's step of `dt` seconds: fills words 2-152 of `record` (word 2 is the engine's own
    // step; words 0-1, the time stamp, are the caller's). The engine runs on a fixed grid at the
    // configured rate: every filter, integration and rate limit takes the same step, and a host
    // step of another length is resampled onto that grid (the input interpolated between the
    // host's samples), so jitter in dt changes nothing but the instants of the samples. A dt that
    // is not finite, not positive or above 1 s counts as one configured step. Each sample is
    // checked first (see InputCheck); every output stays finite and within its limits.
    void step(const VehicleInput& input, double dt, KEOOutputRecord& record) noexcept;

private:
    VehicleInput restInput() const noexcept;
    void writePlatformAtHostTime(KEOOutputRecord& record) const noexcept;

    Tuning m_tuning;
    InputCheck m_check;
    VehicleInput m_previous; // the host's last sample, checked
    double m_pending = 0.0;  // engine steps due since the last one taken, below 1
    bool m_started = false;  // a host sample came since the last reset
    Signals m_signals{};
    DofSignals m_previousSummed{}; // the six sums one engine step before m_signals
};

} // namespace engine
