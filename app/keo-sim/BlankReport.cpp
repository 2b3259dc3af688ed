#include "BlankReport.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// A hard final limit (clipped gain, or no curve, held at the maximum) puts the platform exactly on
// its single-precision maximum; this allows for the word's rounding of a maximum computed in
// double.
constexpr double onTheLimit = 1.0 - 1e-6;

// The fastest an enabled tilt of the axis may turn; none when no tilt of it is on. A maximum of 0
// or below holds the tilt still.
std::optional<double> tiltRateLimit(std::initializer_list<const engine::TiltPath*> tilts) {
    std::optional<double> limit;
    for (const engine::TiltPath* tilt : tilts)
        if (tilt->enabled)
            limit = std::max(limit.value_or(0.0), std::max(0.0, tilt->rate.maximumRate));
    return limit;
}

} // namespace

// A soft limitation curve approaches its maximum only asymptotically, so "at the limit" is where
// the curve has taken away 90 % of its small-signal gain: a further push of the demand moves the
// platform by a tenth of what it would at rest, and the cue is flattened. For the logistic
// m tanh(x a / m) that is tanh = √0.9, from 94.9 % of the maximum on; for the arc tangent
// (2 m / π) atan(x a) it is x a = 3, from 79.5 % on (95 % would need x a = 12.7, a demand no drive
// reaches); a clipped gain or no curve holds the platform exactly at the maximum.
double atLimitShare(KEOLimitationType::Enum curve) {
    switch (curve) {
    case KEOLimitationType::Logistic:
        return std::sqrt(0.9);
    case KEOLimitationType::Atan:
        return 2.0 / 3.14159265358979323846 * std::atan(3.0);
    default:
        return onTheLimit;
    }
}

EnvelopeReport blankReport(const engine::Tuning& tuning, const Config& config,
                           const WorkEnvelopeLimits& envelope, const PlatformRateLimits& platform) {
    const char* names[6] = {"roll", "pitch", "yaw", "heave", "sway", "surge"};
    const double envelopes[6] = {envelope.roll,  envelope.pitch, envelope.yaw,
                                 envelope.heave, envelope.sway,  envelope.surge};
    const engine::LimitCurve* finals[6] = {&tuning.roll,  &tuning.pitch, &tuning.yaw,
                                           &tuning.heave, &tuning.sway,  &tuning.surge};
    const MultiplexerConfig& m = config.multiplexer;
    const Limitation* curves[6] = {&m.roll, &m.pitch, &m.yaw, &m.heave, &m.sway, &m.surge};
    EnvelopeReport report;
    for (int i = 0; i < 6; ++i) {
        DofUse& dof = report.dofs[i];
        dof.name = names[i];
        dof.angular = i < Heave;
        dof.envelope = envelopes[i];
        dof.limit = finals[i]->maximum;
        dof.atLimitShare = atLimitShare(curves[i]->type);
        dof.velocityLimit = platform.velocity[i];
        dof.accelerationLimit = platform.acceleration[i];
    }
    report.tiltRotations[Roll].name = "roll";
    report.tiltRotations[Roll].rateLimit = tiltRateLimit({&tuning.lateral.tilt});
    report.tiltRotations[Pitch].name = "pitch";
    report.tiltRotations[Pitch].rateLimit =
        tiltRateLimit({&tuning.longitudinal.tilt, &tuning.vertical.tilt});
    return report;
}
