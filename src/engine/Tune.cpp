#include "Engine.h"
#include "config/RecordDescription.h"

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
        : m_set(paramSet == KEOParamSet::Second ? 1 : 0)
        , m_rate(stepRate) {}

    double value(const FloatPair& pair) const {
        const double v = pair[m_set];
        return std::isfinite(v) ? v : 0.0;
    }
    // A rate limit in rad/s, whatever unit the description says the record stores it in; a rate
    // whose stored unit is not a rate does not compile.
    template <configDescription::Unit Stored> RateLimiter rate(const FloatPair& pair) const {
        using configDescription::Unit;
        static_assert(Stored == Unit::RadiansPerSecond || Stored == Unit::DegreesPerSecond,
                      "a rate limit is described as a rate");
        const double v = configDescription::toSI(Stored, pair[m_set]);
        return RateLimiter{std::isfinite(v) ? v : 0.0};
    }

    // A filter of the configured type: none passes, low-pass, and high-pass for the rest.
    Section filter(const FilterConfig& f) const {
        switch (f.type) {
        case KEOFilterType::None:
            return Section(passThrough());
        case KEOFilterType::LowPass:
            return Section(lowPass2(value(f.cutoff), m_rate));
        default:
            return Section(highPass2(value(f.cutoff), m_rate));
        }
    }
    // Filters whose kind the block fixes, whatever type the record holds.
    Section lowPass(const FilterConfig& f) const {
        return Section(lowPass2(value(f.cutoff), m_rate));
    }
    InputHighPass highPass(const FilterConfig& f) const {
        return InputHighPass(highPass2(value(f.cutoff), m_rate));
    }
    Washout washout(const FilterConfig& f) const {
        return Washout(highPass1Delta(value(f.cutoff), m_rate));
    }

    LimitCurve input(const SignalLimitation& l) const {
        return inputLimit(l.type, l.maxValue[m_set], l.limitationFactor[m_set]);
    }
    LimitCurve output(const Limitation& l, double envelope) const {
        return outputLimit(l.type, l.maxValueFactor[m_set], l.limitationFactor[m_set], envelope);
    }
    OutputStage stage(const FilterConfig& f, const Limitation& l, double envelope) const {
        OutputStage s;
        s.filter = filter(f);
        s.limit = output(l, envelope);
        return s;
    }

    MixerPath path(const MixerPathConfig& c, double envelope) const {
        MixerPath p;
        p.enabled = c.enabled;
        p.output = stage(c.outputFilter, c.outputLimit, envelope);
        return p;
    }

    AxisPath axis(const AxisConfig& c, double travelEnvelope, double angleEnvelope,
                  double tiltEnvelope) const {
        AxisPath a;
        a.accelerationInput = input(c.accelerationInputLimit);
        a.angularRateInput = input(c.angularRateInputLimit);

        const TravelConfig& travel = c.travel;
        a.travel.enabled = travel.enabled;
        a.travel.acceleration = highPass(travel.accelerationFilter);
        a.travel.toVelocity.bypass = travel.bypassAccIntegration;
        a.travel.velocity = washout(travel.velocityFilter);
        a.travel.toTravel.bypass = travel.bypassSpeedIntegration;
        a.travel.travel = washout(travel.travelFilter);
        a.travel.output = stage(travel.outputFilter, travel.outputLimit, travelEnvelope);

        const TiltCoordinationConfig& tilt = c.tiltCoordination;
        a.tilt.enabled = tilt.enabled;
        a.tilt.input = input(c.tiltCoordinationInputLimit);
        a.tilt.acceleration = lowPass(tilt.accelerationFilter);
        a.tilt.rate = rate<KEO_STORED_UNIT(TiltCoordinationConfig, maximumRate)>(tilt.maximumRate);
        a.tilt.output = stage(tilt.outputFilter, tilt.outputLimit, tiltEnvelope);

        const AngularVelocityConfig& angular = c.angularVelocity;
        a.angular.enabled = angular.enabled;
        a.angular.velocity = highPass(angular.velocityFilter);
        a.angular.toAngle.bypass = angular.bypassIntegration;
        a.angular.angle = washout(angular.angleFilter);
        a.angular.output = stage(angular.outputFilter, angular.outputLimit, angleEnvelope);
        return a;
    }

    AbsolutePath absolute(const AbsoluteAngleConfig& c, double envelope) const {
        AbsolutePath p;
        p.enabled = c.enabled;
        p.input = input(c.inputLimit);
        p.output = stage(c.outputFilter, c.outputLimit, envelope);
        return p;
    }

    SideslipPath sideslip(const SideslipPathConfig& c, double envelope) const {
        SideslipPath p;
        p.enabled = c.enabled;
        p.input = input(c.inputLimit);
        p.rate = rate<KEO_STORED_UNIT(SideslipPathConfig, maximumRate)>(c.maximumRate);
        p.highPass = highPass(c.highpassFilter);
        p.output = stage(c.outputFilter, c.outputLimit, envelope);
        return p;
    }

    RoadPath road(const RoadHarshnessConfig& c, double envelope) const {
        RoadPath p;
        p.enabled = c.enabled;
        p.input = input(c.inputLimit);
        p.left.highPass = highPass(c.highpassFilter);
        p.left.output = stage(c.outputFilter, c.outputLimit, envelope);
        p.right = p.left;
        return p;
    }

    UndersteerPath understeer(const UndersteerConfig& c, double yawEnvelope,
                              double rollEnvelope) const {
        UndersteerPath p;
        p.intended = lowPass(c.intendedTurningCurveFilter);
        p.actual = lowPass(c.actualTurningCurveFilter);
        p.yawRate = lowPass(c.yawRateFilter);
        p.difference = rate<KEO_STORED_UNIT(UndersteerConfig, deltaTurningCurveMaximumRate)>(
            c.deltaTurningCurveMaximumRate);
        p.toYaw = path(c.toYaw, yawEnvelope);
        p.toRoll = path(c.toRoll, rollEnvelope);
        p.pivotOffset = value(c.pivotPointLongitudinalOffset);
        return p;
    }

private:
    int m_set;
    double m_rate;
};

Rotation rotation(double stepRate) {
    Rotation r;
    for (Section& s : r.smoothing)
        s = Section(lowPass2(angularAccelerationCutoff, stepRate));
    return r;
}

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
    t.roadToSurgeLeft = t.roadToSurgeRight = tuner.path(mixer.roadHarshnessToSurge, surge);
    t.roadToPitchLeft = t.roadToPitchRight = tuner.path(mixer.roadHarshnessToPitch, pitch);

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
    t.vehicle = t.platform = rotation(stepRate);
    return t;
}

void Engine::configure(const Config& config, KEOParamSet::Enum paramSet,
                       const WorkEnvelopeLimits& envelope, double stepRateHz) {
    setTuning(tune(config, paramSet, envelope, stepRateHz));
}

void Engine::setTuning(const Tuning& tuning) noexcept {
    Tuning next = tuning;
    next.keepState(m_tuning);
    m_tuning = next;
}

} // namespace engine
