#include "BlankReport.h"

#include "cueing/Scorer.h"

#include <algorithm>
#include <initializer_list>

namespace {

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
        dof.atLimitShare = cueing::pressedShare(curves[i]->type);
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
