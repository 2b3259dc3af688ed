#include "Engine.h"

#include <cmath>

namespace engine {
namespace {

constexpr double defaultStepRate = 1000.0;
// The point-of-sense terms differentiate angular rates; above this their derivative is noise.
constexpr double angularAccelerationCutoff = 5.0; // Hz

// Reads one parameter set of a configuration, discretised for one step rate.
class Tuner {
public:
    Tuner(KEOParamSet::Enum paramSet, double stepRate)
        : set_(paramSet == KEOParamSet::Second ? 1 : 0)
        , rate_(stepRate) {}

    double value(const FloatPair& pair) const {
        const double v = pair[set_];
        return std::isfinite(v) ? v : 0.0;
    }
    double rate(const FloatPair& pair) const { return value(pair); }

    // A filter of the configured type: none passes, low-pass, and high-pass for the rest.
    Biquad filter(const FilterConfig& f) const {
        switch (f.type) {
        case KEOFilterType::None:
            return passThrough();
        case KEOFilterType::LowPass:
            return lowPass2(value(f.cutoff), rate_);
        default:
            return highPass2(value(f.cutoff), rate_);
        }
    }
    // Filters whose kind the block fixes, whatever type the record holds.
    Biquad lowPass(const FilterConfig& f) const { return lowPass2(value(f.cutoff), rate_); }
    Biquad highPass(const FilterConfig& f) const { return highPass2(value(f.cutoff), rate_); }
    DeltaHighPass deltaHighPass(const FilterConfig& f) const {
        return highPass1Delta(value(f.cutoff), rate_);
    }

    LimitCurve input(const SignalLimitation& l) const {
        return inputLimit(l.type, l.maxValue[set_], l.limitationFactor[set_]);
    }
    LimitCurve output(const Limitation& l, double envelope) const {
        return outputLimit(l.type, l.maxValueFactor[set_], l.limitationFactor[set_], envelope);
    }

    PathTuning path(const MixerPathConfig& c, double envelope) const {
        return PathTuning{c.enabled, filter(c.outputFilter), output(c.outputLimit, envelope)};
    }

    AxisTuning axis(const AxisConfig& c, double travelEnvelope, double angleEnvelope,
                    double tiltEnvelope) const {
        AxisTuning t;
        t.accelerationInput = input(c.accelerationInputLimit);
        t.angularRateInput = input(c.angularRateInputLimit);
        t.tiltInput = input(c.tiltCoordinationInputLimit);

        const TravelConfig& travel = c.travel;
        t.travel = TravelTuning{travel.enabled,
                                travel.bypassAccIntegration,
                                travel.bypassSpeedIntegration,
                                highPass(travel.accelerationFilter),
                                deltaHighPass(travel.velocityFilter),
                                deltaHighPass(travel.travelFilter),
                                filter(travel.outputFilter),
                                output(travel.outputLimit, travelEnvelope)};

        const TiltCoordinationConfig& tilt = c.tiltCoordination;
        t.tilt = TiltTuning{tilt.enabled, rate(tilt.maximumRate), lowPass(tilt.accelerationFilter),
                            filter(tilt.outputFilter), output(tilt.outputLimit, tiltEnvelope)};

        const AngularVelocityConfig& angular = c.angularVelocity;
        t.angular = AngularTuning{angular.enabled,
                                  angular.bypassIntegration,
                                  highPass(angular.velocityFilter),
                                  deltaHighPass(angular.angleFilter),
                                  filter(angular.outputFilter),
                                  output(angular.outputLimit, angleEnvelope)};
        return t;
    }

    AbsoluteTuning absolute(const AbsoluteAngleConfig& c, double envelope) const {
        return AbsoluteTuning{c.enabled, input(c.inputLimit), filter(c.outputFilter),
                              output(c.outputLimit, envelope)};
    }

    SideslipTuning sideslip(const SideslipPathConfig& c, double envelope) const {
        return SideslipTuning{c.enabled,
                              rate(c.maximumRate),
                              input(c.inputLimit),
                              highPass(c.highpassFilter),
                              filter(c.outputFilter),
                              output(c.outputLimit, envelope)};
    }

    RoadTuning road(const RoadHarshnessConfig& c, double envelope) const {
        return RoadTuning{c.enabled, input(c.inputLimit), highPass(c.highpassFilter),
                          filter(c.outputFilter), output(c.outputLimit, envelope)};
    }

    UndersteerTuning understeer(const UndersteerConfig& c, double yawEnvelope,
                                double rollEnvelope) const {
        return UndersteerTuning{lowPass(c.intendedTurningCurveFilter),
                                lowPass(c.actualTurningCurveFilter),
                                lowPass(c.yawRateFilter),
                                rate(c.deltaTurningCurveMaximumRate),
                                path(c.toYaw, yawEnvelope),
                                path(c.toRoll, rollEnvelope),
                                value(c.pivotPointLongitudinalOffset)};
    }

private:
    int set_;
    double rate_;
};

} // namespace

Tuning Engine::tune(const Config& config, KEOParamSet::Enum paramSet,
                    const WorkEnvelopeLimits& envelope, double stepRateHz) {
    const double stepRate =
        std::isfinite(stepRateHz) && stepRateHz > 0.0 ? stepRateHz : defaultStepRate;
    const Tuner tuner(paramSet, stepRate);
    const double roll = envelope.roll, pitch = envelope.pitch, yaw = envelope.yaw;
    const double sway = envelope.sway, surge = envelope.surge, heave = envelope.heave;

    Tuning t;
    t.stepRate = stepRate;
    // Lateral acceleration tilts in roll, longitudinal in pitch; the vertical channel's tilt is
    // its heave-to-pitch path.
    t.lateral = tuner.axis(config.lateral, sway, roll, roll);
    t.longitudinal = tuner.axis(config.longitudinal, surge, pitch, pitch);
    t.vertical = tuner.axis(config.vertical, heave, yaw, pitch);
    t.absolutePitch = tuner.absolute(config.absolutePitch, pitch);
    t.absoluteRoll = tuner.absolute(config.absoluteRoll, roll);

    const MixerConfig& mixer = config.mixer;
    t.swayToRoll = tuner.path(mixer.swayToRoll, roll);
    t.yawToRoll = tuner.path(mixer.yawToRoll, roll);
    t.surgeToPitch = tuner.path(mixer.surgeToPitch, pitch);
    t.heaveToPitch = tuner.path(mixer.heaveToPitch, pitch);
    t.roadToSurge = tuner.path(mixer.roadHarshnessToSurge, surge);
    t.roadToPitch = tuner.path(mixer.roadHarshnessToPitch, pitch);

    const EnhancerConfig& enhancer = config.enhancer;
    t.road = tuner.road(enhancer.roadHarshness, heave);
    t.sideslipToYaw = tuner.sideslip(enhancer.sideslipToYaw, yaw);
    t.sideslipToRoll = tuner.sideslip(enhancer.sideslipToRoll, roll);
    t.sideslipPivotOffset = tuner.value(enhancer.sideslipPivotLongitudinalOffset);
    t.understeer = tuner.understeer(config.understeer, yaw, roll);

    // The final limits never reach beyond the envelope itself, whatever percentage is set.
    const MultiplexerConfig& m = config.multiplexer;
    const auto final = [&](const Limitation& l, double envelopeValue) {
        LimitCurve limit = tuner.output(l, envelopeValue);
        const float whole = float(std::isfinite(envelopeValue) ? std::fabs(envelopeValue) : 0.0);
        if (limit.maximum > whole)
            limit.maximum = whole;
        return limit;
    };
    t.roll = final(m.roll, roll);
    t.pitch = final(m.pitch, pitch);
    t.yaw = final(m.yaw, yaw);
    t.sway = final(m.sway, sway);
    t.heave = final(m.heave, heave);
    t.surge = final(m.surge, surge);

    t.options = config.algorithm;
    t.angularAccelerationFilter = lowPass2(angularAccelerationCutoff, stepRate);
    return t;
}

void Engine::configure(const Config& config, KEOParamSet::Enum paramSet,
                       const WorkEnvelopeLimits& envelope, double stepRateHz) {
    setTuning(tune(config, paramSet, envelope, stepRateHz));
}

void Engine::setTuning(const Tuning& tuning) noexcept {
    tuning_ = tuning;
}

} // namespace engine
