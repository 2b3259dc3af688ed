#pragma once

#include "Description.h"

// Every block type of the record, described once (see Description.h for the vocabulary). Each
// table lists its block's members in record order; a member's row says how documents name it
// (version 1, and version 0 where that differs), where and how the editor shows it, and which
// values it may take.
//
// Ranges: `valid` is what the algorithm can take without losing its meaning (cutoffs and limits
// not negative, cutoffs below the Nyquist frequency of keo-editor's default 500 steps/s, tilts
// within the asin domain of g); `tuning` is the part of it a tuner may explore, wide enough for
// every bundled example and every reader fallback.
namespace ConfigDescription {

using A = Access;
using F = FilterForm;
using FT = KEOFilterType;

// clang-format off
constexpr Range cutoffValid{0.0f, 250.0f},        cutoffTuning{0.0f, 30.0f};
constexpr Range factorValid{0.0f, 10.0f},         factorTuning{0.1f, 2.0f};
constexpr Range shareValid{0.0f, 100.0f},         shareTuning{1.0f, 100.0f};
constexpr Range accelerationValid{0.0f, 100.0f},  accelerationTuning{0.5f, 20.0f};
constexpr Range tiltInputValid{0.0f, 9.81f},      tiltInputTuning{0.5f, 9.81f};
constexpr Range angularRateValid{0.0f, 10.0f},    angularRateTuning{0.05f, 3.0f};
constexpr Range angleValid{0.0f, 1.5707964f},     angleTuning{0.01f, 1.5707964f};
constexpr Range roadValid{0.0f, 1.0f},            roadTuning{0.001f, 1.0f};
constexpr Range tiltRateValid{0.0f, 10.0f},       tiltRateTuning{0.0f, 0.2f};
// 999 deg/s is what older documents stand for "no limit" (the version-1 fallback below).
constexpr Range degreeRateValid{0.0f, 999.0f},    degreeRateTuning{0.0f, 10.0f};
constexpr Range offsetValid{-10.0f, 10.0f},       offsetTuning{-3.0f, 3.0f};
// clang-format on

// The three blocks every path is built from; their JSON codecs are in BlockJson.cpp. A filter's
// cutoff range is read where a document has it (else 0.05 and 2.2 times the cutoff) but never
// written; the pages do not show it.

template <> struct Described<FilterConfig> {
    using B = FilterConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, cutoff)
            .json("cutoffFrequency")
            .shown("Cutoff frequency", 0)
            .edits("cutoffFrequency")
            .in(Unit::Hertz, cutoffValid, cutoffTuning),
        KEO_MEMBER(B, cutoffStart)
            .json("cutoffFrequencyStart", A::Optional)
            .readOnly()
            .shown("Freq. range start", 1)
            .edits("cutoffFrequencyStart")
            .in(Unit::Hertz, cutoffValid, cutoffTuning),
        KEO_MEMBER(B, cutoffEnd)
            .json("cutoffFrequencyEnd", A::Optional)
            .readOnly()
            .shown("Freq. range end", 2)
            .edits("cutoffFrequencyEnd")
            .in(Unit::Hertz, cutoffValid, cutoffTuning),
        KEO_MEMBER(B, type).json("name").shown("Type", 3).edits("filterType"),
    };
    static constexpr Block block = describeValueBlock<B>("FilterConfig", entries);
};

template <> struct Described<Limitation> {
    using B = Limitation;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, limitationFactor)
            .json("limitationFactor")
            .shown("Factor", 0)
            .edits("limitationFactor")
            .in(Unit::None, factorValid, factorTuning),
        KEO_MEMBER(B, type).json("limitation").shown("Type", 1).edits("limitationType"),
        KEO_MEMBER(B, maxValueFactor)
            .json("maxValueFactor", A::Optional)
            .absentAs(100.0f)
            .shown("Share of work envelope", 2)
            .edits("maxValueFactor")
            .in(Unit::Percent, shareValid, shareTuning),
    };
    static constexpr Block block = describeValueBlock<B>("Limitation", entries);
};

// The maximum is in the unit of the limited signal, which the placing entry names together with
// the maximum's ranges.
template <> struct Described<SignalLimitation> {
    using B = SignalLimitation;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, maxValue)
            .json("maxValue")
            .shown("Maximum value", 0)
            .edits("maxValue")
            .in(Unit::Signal),
        KEO_MEMBER(B, limitationFactor)
            .json("limitationFactor")
            .shown("Factor", 1)
            .edits("limitationFactor")
            .in(Unit::None, factorValid, factorTuning),
        KEO_MEMBER(B, type).json("limitation").shown("Type", 2).edits("limitationType"),
    };
    static constexpr Block block = describeValueBlock<B>("SignalLimitation", entries);
};

// The paths of an axis. Version 1 reads an axis in three phases: the travel switch, then
// everything in record order, then the bypass switches.

template <> struct Described<TravelConfig> {
    using B = TravelConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").reading(0, 0).shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, bypassAccIntegration)
            .v1Only("bypassAccIntegration", A::IfSet)
            .reading(2, 0)
            .shown("Bypass acceleration integration", 1)
            .edits("bypassAccIntegration"),
        KEO_MEMBER(B, bypassSpeedIntegration)
            .v1Only("bypassSpeedIntegration", A::IfSet)
            .reading(2, 1)
            .shown("Bypass velocity integration", 2)
            .edits("bypassSpeedIntegration"),
        KEO_MEMBER(B, accelerationFilter)
            .json("acceleration_filter")
            .filter(F::CutoffOnly, FT::HighPass)
            .shown("Acceleration filter", 3)
            .edits("accelerationFilterModel"),
        KEO_MEMBER(B, velocityFilter)
            .json("velocity_filter")
            .filter(F::CutoffOnly, FT::HighPassDelta)
            .shown("Velocity filter", 4)
            .edits("velocityFilterModel"),
        KEO_MEMBER(B, travelFilter)
            .json("travel_filter")
            .filter(F::CutoffOnly, FT::HighPassDelta)
            .shown("Travel filter", 5)
            .edits("travelFilterModel"),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .shown("Output filter", 6)
            .edits("outputTravelFilterModel"),
        KEO_MEMBER(B, outputLimit)
            .json("output_limit")
            .shown("Limit", 7)
            .edits("outputTravelLimitationModel"),
    };
    static constexpr Block block = describeBlock<B>("TravelConfig", entries, "Travel path");
};

template <> struct Described<TiltCoordinationConfig> {
    using B = TiltCoordinationConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, maximumRate)
            .json("maximum_rate")
            .shown("Maximum rate", 1, "Angle rate limit")
            .edits("maximumRateModel")
            .in(Unit::RadiansPerSecond, tiltRateValid, tiltRateTuning),
        KEO_MEMBER(B, accelerationFilter)
            .json("acceleration_filter")
            .filter(F::CutoffOnly, FT::LowPass)
            .shown("Acceleration filter", 2)
            .edits("accelerationFilterModel"),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .shown("Output filter", 3)
            .edits("outputFilterModel"),
        KEO_MEMBER(B, outputLimit)
            .json("output_limit")
            .shown("Limit", 4)
            .edits("outputLimitationModel"),
    };
    static constexpr Block block =
        describeBlock<B>("TiltCoordinationConfig", entries, "Tilt coordination path");
};

template <> struct Described<AngularVelocityConfig> {
    using B = AngularVelocityConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, bypassIntegration)
            .v1Only("bypassIntegration", A::IfSet)
            .reading(2, 0)
            .shown("Bypass integration", 1)
            .edits("bypassIntegration"),
        KEO_MEMBER(B, velocityFilter)
            .json("velocity_filter")
            .filter(F::CutoffOnly, FT::HighPass)
            .shown("Angular velocity filter", 2)
            .edits("velocityFilterModel"),
        KEO_MEMBER(B, angleFilter)
            .json("angle_filter")
            .filter(F::CutoffOnly, FT::HighPassDelta)
            .shown("Angle filter", 3)
            .edits("angleFilterModel"),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .shown("Output filter", 4)
            .edits("outputAngleFilterModel"),
        KEO_MEMBER(B, outputLimit)
            .json("output_limit")
            .shown("Limit", 5)
            .edits("outputAngleLimitationModel"),
    };
    static constexpr Block block =
        describeBlock<B>("AngularVelocityConfig", entries, "Angular path");
};

template <> struct Described<AxisConfig> {
    using B = AxisConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, accelerationInputLimit)
            .json("acceleration_input_limit")
            .shown("Acceleration input limitation", 0)
            .edits("accelerationInputLimitModel")
            .in(Unit::MetresPerSecondSquared, accelerationValid, accelerationTuning),
        KEO_MEMBER(B, angularRateInputLimit)
            .json("angularRate_input_limit")
            .shown("Angular rate input limitation", 1)
            .edits("angularRateInputLimitModel")
            .in(Unit::RadiansPerSecond, angularRateValid, angularRateTuning),
        KEO_MEMBER(B, tiltCoordinationInputLimit)
            .json("tiltCoordination_input_limit")
            .shown("Tilt input limitation", 2)
            .edits("tiltCoordinationInputLimitModel")
            .in(Unit::MetresPerSecondSquared, tiltInputValid, tiltInputTuning),
        KEO_MEMBER(B, travel).json("travel").shown("Travel", 3).edits("travelConfigModel"),
        KEO_MEMBER(B, tiltCoordination)
            .json("acceleration_to_angle")
            .shown("Tilt", 4)
            .edits("tiltCoordinationModel"),
        KEO_MEMBER(B, angularVelocity)
            .json("angular_velocity")
            .shown("Angular", 5)
            .edits("angularVelocityModel"),
    };
    static constexpr Block block = describeBlock<B>("AxisConfig", entries, nullptr, true);
};

// What version-0 documents stand for the sections they lack.

constexpr FloatPair both(float value) {
    return FloatPair{{value, value}};
}

constexpr FilterConfig defaultOutputFilter{both(0.5f), both(0.025f), both(1.1f), FT::LowPass};
constexpr Limitation defaultOutputLimit{both(1.0f), KEOLimitationType::Gain, both(100.0f)};
constexpr SignalLimitation defaultEnhancerInputLimit{both(1.0f), both(1.0f),
                                                     KEOLimitationType::None};
constexpr AbsoluteAngleConfig defaultAbsolutePath{
    false,
    {both(1.5707964f), both(1.0f), KEOLimitationType::Gain},
    {both(13.2f), both(0.66f), both(29.04f), FT::LowPass},
    defaultOutputLimit};
constexpr MixerPathConfig defaultMixerPath{false, defaultOutputFilter, defaultOutputLimit};
constexpr SideslipPathConfig defaultSideslipPath{
    false, both(0.0f), {}, defaultEnhancerInputLimit, defaultOutputFilter, defaultOutputLimit};
constexpr MixerConfig defaultMixer{
    defaultMixerPath, defaultMixerPath, defaultMixerPath, defaultMixerPath, {}, {}};
constexpr EnhancerConfig defaultEnhancer{
    defaultSideslipPath, defaultSideslipPath, both(0.0f),
    RoadHarshnessConfig{false, defaultEnhancerInputLimit,
                        FilterConfig{both(1.0f), both(0.05f), both(2.2f), FT::HighPass},
                        defaultOutputFilter, defaultOutputLimit}};
constexpr MultiplexerConfig defaultMultiplexer{defaultOutputLimit, defaultOutputLimit,
                                               defaultOutputLimit, defaultOutputLimit,
                                               defaultOutputLimit, defaultOutputLimit};
constexpr AlgorithmOptions defaultAlgorithmOptions{true, true,  true,  true, true,
                                                   true, false, false, false};

// The sections below the axes.

template <> struct Described<AbsoluteAngleConfig> {
    using B = AbsoluteAngleConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, inputLimit)
            .json("input_limit")
            .shown("Input limitation", 1)
            .edits("inputLimitModel")
            .in(Unit::Radians, angleValid, angleTuning),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .shown("Output filter", 2)
            .edits("outputFilterModel"),
        KEO_MEMBER(B, outputLimit).json("output_limit").shown("Limit", 3).edits("outputLimitModel"),
    };
    static constexpr Block block = describeBlock<B>("AbsoluteAngleConfig", entries);
};

template <> struct Described<MixerPathConfig> {
    using B = MixerPathConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .shown("Output filter", 1)
            .edits("outputFilterModel"),
        KEO_MEMBER(B, outputLimit).json("output_limit").shown("Limit", 2).edits("outputLimitModel"),
    };
    static constexpr Block block = describeBlock<B>("MixerPathConfig", entries);
};

// Read heave, surge, sway and yaw first: the order in which older tools wrote the paths.
template <> struct Described<MixerConfig> {
    using B = MixerConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, swayToRoll)
            .json("swayToRoll")
            .reading(1, 2)
            .shown("Sway to roll", 0)
            .edits("swayToRollModel"),
        KEO_MEMBER(B, yawToRoll)
            .json("yawToRoll")
            .reading(1, 3)
            .shown("Yaw to roll", 2)
            .edits("yawToRollModel"),
        KEO_MEMBER(B, surgeToPitch)
            .json("surgeToPitch")
            .reading(1, 1)
            .shown("Surge to pitch", 1)
            .edits("surgeToPitchModel"),
        KEO_MEMBER(B, heaveToPitch)
            .json("heaveToPitch")
            .reading(1, 0)
            .shown("Heave to pitch", 4)
            .edits("heaveToPitchModel"),
        KEO_MEMBER(B, roadHarshnessToSurge)
            .v1Only("roadHarshnessToSurge", A::Optional)
            .reading(1, 5)
            .shown("Road harshness to surge", 3)
            .edits("roadHarshnessToSurgeModel"),
        KEO_MEMBER(B, roadHarshnessToPitch)
            .v1Only("roadHarshnessToPitch", A::Optional)
            .reading(1, 4)
            .shown("Road harshness to pitch", 5)
            .edits("roadHarshnessToPitchModel"),
    };
    static constexpr Block block = describeBlock<B>("MixerConfig", entries);
};

// The rate limit (stored in deg/s, as shown) came later: version 1 reads it, and the high-pass
// filter, after both paths' other values.
template <> struct Described<SideslipPathConfig> {
    using B = SideslipPathConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").reading(1, 0).shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, maximumRate)
            .v1Only("maximum_rate", A::Optional)
            .absentAs(999.0f)
            .reading(2, 0)
            .shown("Maximum rate", 2, "Rate limit")
            .edits("maximumRateModel")
            .in(Unit::DegreesPerSecond, degreeRateValid, degreeRateTuning),
        KEO_MEMBER(B, highpassFilter)
            .v1Only("highpass_filter", A::Optional)
            .reading(3, 0)
            .filter(F::CutoffOnly, FT::HighPass)
            .shown("Highpass filter", 3)
            .edits("highpassFilterModel"),
        KEO_MEMBER(B, inputLimit)
            .json("input_limit")
            .reading(1, 1)
            .shown("Input limitation", 1)
            .edits("inputLimitModel")
            .in(Unit::Radians, angleValid, angleTuning),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .reading(1, 2)
            .shown("Output filter", 4)
            .edits("outputFilterModel"),
        KEO_MEMBER(B, outputLimit)
            .json("output_limit")
            .reading(1, 3)
            .shown("Limit", 5)
            .edits("outputLimitationModel"),
    };
    static constexpr Block block = describeBlock<B>("SideslipPathConfig", entries);
};

template <> struct Described<RoadHarshnessConfig> {
    using B = RoadHarshnessConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).json("enabled").shown("Path on", 0).edits("enabled"),
        KEO_MEMBER(B, inputLimit)
            .json("input_limit")
            .shown("Input limitation", 1)
            .edits("inputLimitModel")
            .in(Unit::Metres, roadValid, roadTuning),
        KEO_MEMBER(B, highpassFilter)
            .json("highpass_filter")
            .filter(F::CutoffOnly, FT::HighPass)
            .shown("Highpass filter", 2)
            .edits("highpassFilterModel"),
        KEO_MEMBER(B, outputFilter)
            .json("output_filter")
            .shown("Output filter", 3)
            .edits("outputFilterModel"),
        KEO_MEMBER(B, outputLimit)
            .json("output_limit")
            .shown("Limit", 4)
            .edits("outputLimitationModel"),
    };
    static constexpr Block block = describeBlock<B>("RoadHarshnessConfig", entries);
};

template <> struct Described<EnhancerConfig> {
    using B = EnhancerConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, sideslipToYaw)
            .json("sideslip/toYaw")
            .reading(1, 1)
            .shown("Sideslip to yaw", 1)
            .flattened("sideslipToYaw"),
        KEO_MEMBER(B, sideslipToRoll)
            .json("sideslip/toRoll")
            .reading(1, 2)
            .shown("Sideslip to roll", 2)
            .flattened("sideslipToRoll"),
        KEO_MEMBER(B, sideslipPivotLongitudinalOffset)
            .json("sideslip/pivotPoint/longitudinalOffset")
            .reading(1, 3)
            .shown("Forward offset", 3, "Sideslip: Pivot point")
            .edits("sideslipPivotPointLongitudinalModel")
            .in(Unit::Metres, offsetValid, offsetTuning),
        KEO_MEMBER(B, roadHarshness)
            .json("roadHarshness")
            .reading(1, 0)
            .shown("Road harshness", 0)
            .flattened("roadHarshnessToHeave", "roadHarshness"),
    };
    static constexpr Block block = describeBlock<B>("EnhancerConfig", entries, nullptr, true);
};

// The three filters are written with a name but read as low-pass whatever it says. The yaw-rate
// filter is read last, under its older name where only that is present.
template <> struct Described<UndersteerConfig> {
    using B = UndersteerConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, intendedTurningCurveFilter)
            .json("intendedTurningCurve_filter")
            .reading(1, 0)
            .filter(F::NamedCutoffOnly, FT::LowPass)
            .shown("Intended turning curve: Lowpass filter", 0)
            .edits("intendedTurningCurveFilterModel"),
        KEO_MEMBER(B, actualTurningCurveFilter)
            .json("actualTurningCurve_filter")
            .reading(1, 1)
            .filter(F::NamedCutoffOnly, FT::LowPass)
            .shown("Actual turning curve: Lowpass filter", 1)
            .edits("actualTurningCurveFilterModel"),
        KEO_MEMBER(B, yawRateFilter)
            .json("yawRate_filter", A::Optional)
            .formerly("swayAcceleration_filter")
            .reading(1, 6)
            .filter(F::NamedCutoffOnly, FT::LowPass)
            .shown("Yaw rate: Lowpass filter", 2)
            .edits("yawRateFilterModel"),
        KEO_MEMBER(B, deltaTurningCurveMaximumRate)
            .json("deltaTurningCurve/maximum_rate")
            .reading(1, 2)
            .shown("Maximum rate", 3, "Rate limit")
            .edits("deltaTurningCurveMaximumRateModel")
            .in(Unit::DegreesPerSecond, degreeRateValid, degreeRateTuning),
        KEO_MEMBER(B, toYaw)
            .json("toYaw")
            .reading(1, 3)
            .shown("To yaw", 4)
            .flattened("toYaw", nullptr, "toYawOutputLimitationModel"),
        KEO_MEMBER(B, toRoll)
            .json("toRoll")
            .reading(1, 4)
            .shown("To roll", 5)
            .flattened("toRoll", nullptr, "toRollOutputLimitationModel"),
        KEO_MEMBER(B, pivotPointLongitudinalOffset)
            .json("pivotPoint/longitudinalOffset")
            .reading(1, 5)
            .shown("Forward offset", 6, "Pivot point")
            .edits("pivotPointLongitudinalModel")
            .in(Unit::Metres, offsetValid, offsetTuning),
    };
    static constexpr Block block = describeBlock<B>("UndersteerConfig", entries);
};

template <> struct Described<MultiplexerConfig> {
    using B = MultiplexerConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, surge)
            .json("surge/output_limit")
            .shown("Surge: Limit", 0)
            .edits("surgeOutputLimitationModel"),
        KEO_MEMBER(B, sway)
            .json("sway/output_limit")
            .shown("Sway: Limit", 2)
            .edits("swayOutputLimitationModel"),
        KEO_MEMBER(B, heave)
            .json("heave/output_limit")
            .shown("Heave: Limit", 4)
            .edits("heaveOutputLimitationModel"),
        KEO_MEMBER(B, pitch)
            .json("pitch/output_limit")
            .shown("Pitch: Limit", 1)
            .edits("pitchOutputLimitationModel"),
        KEO_MEMBER(B, roll)
            .json("roll/output_limit")
            .shown("Roll: Limit", 3)
            .edits("rollOutputLimitationModel"),
        KEO_MEMBER(B, yaw)
            .json("yaw/output_limit")
            .shown("Yaw: Limit", 5)
            .edits("yawOutputLimitationModel"),
    };
    static constexpr Block block = describeBlock<B>("MultiplexerConfig", entries);
};

// Read without presence tests; version 0 may lack the translation switches and the last one.
template <> struct Described<AlgorithmOptions> {
    using B = AlgorithmOptions;
    static constexpr const char* transformations = "Transformations";
    static constexpr const char* correction = "G correction base on actual top frame's position";
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enableCorrection)
            .json("g/enableCorrection", A::Plain)
            .reading(1, 0)
            .shown("G1: Enable G corrections", 6, correction)
            .edits("enableGCorrection"),
        KEO_MEMBER(B, removeVerticalComponent)
            .json("g/removeVerticalComponent", A::Plain)
            .reading(1, 1)
            .shown("G2: Input linear accelerations do NOT contain gravity component", 7, correction)
            .edits("removeGVerticalComponent"),
        KEO_MEMBER(B, enableAccMatrix)
            .json("transformations/enableAccMatrix", A::Plain)
            .reading(1, 2)
            .shown("T1: Enable linear accelerations transformations", 0, transformations)
            .edits("enableAccMatrix"),
        KEO_MEMBER(B, enableAccMatrixTranslationBefore)
            .json("transformations/enableAccMatrixTranslationBefore", A::Plain)
            .olderMayLack()
            .reading(1, 4)
            .shown("T2: Translate acc matrix (by point of sense) before transforming acceleration "
                   "forces",
                   1, transformations)
            .edits("enableAccMatrixTranslationBefore"),
        KEO_MEMBER(B, enableAccMatrixTranslationAfter)
            .json("transformations/enableAccMatrixTranslationAfter", A::Plain)
            .olderMayLack()
            .reading(1, 5)
            .shown("T3: Translate acc matrix (by point of sense) after transforming acceleration "
                   "forces",
                   2, transformations)
            .edits("enableAccMatrixTranslationAfter"),
        KEO_MEMBER(B, enableVelocityMatrix)
            .json("transformations/enableVelocityMatrix", A::Plain)
            .reading(1, 3)
            .shown("V1: Enable angular velocity transformation matrix", 3, transformations)
            .edits("enableVelocityMatrix"),
        KEO_MEMBER(B, enableVelocityMatrixTranslationBefore)
            .json("transformations/enableVelocityMatrixTranslationBefore", A::Plain)
            .olderMayLack()
            .reading(1, 6)
            .shown("V2: Translate angular velocity transformation matrix (by point of sense) "
                   "before transforming velocities",
                   4, transformations)
            .edits("enableVelocityMatrixTranslationBefore"),
        KEO_MEMBER(B, enableVelocityMatrixTranslationAfter)
            .json("transformations/enableVelocityMatrixTranslationAfter", A::Plain)
            .olderMayLack()
            .reading(1, 7)
            .shown("V3: Translate angular velocity transformation matrix (by point of sense) "
                   "after transforming velocities",
                   5, transformations)
            .edits("enableVelocityMatrixTranslationAfter"),
        KEO_MEMBER(B, highpassUseFreshDataOnly)
            .json("highpassUseFreshDataOnly", A::Plain)
            .olderMayLack()
            .reading(1, 8)
            .shown("Highpass filters use only fresh data", 8, "Misc.")
            .edits("highpassUseFreshDataOnly"),
    };
    static constexpr Block block = describeBlock<B>("AlgorithmOptions", entries);
};

// The whole record. Version 0 has layouts of its own for the axes (read by hand, see
// ConfigReader.cpp) and fallbacks for the sections it may lack.
template <> struct Described<Config> {
    using B = Config;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, lateral)
            .json("lateral_acceleration_and_roll_rate", A::Required)
            .v0("lateral_acceleration_and_roll_rate", A::Legacy)
            .on(Page::Lateral)
            .edits("lateralConfigModel"),
        KEO_MEMBER(B, longitudinal)
            .json("longitudinal_acceleration_and_pitch_rate")
            .v0("longitudinal_acceleration_and_pitch_rate", A::Legacy)
            .on(Page::Longitudinal)
            .edits("longitudinalConfigModel"),
        KEO_MEMBER(B, vertical)
            .json("vertical_acceleration_and_yaw_rate")
            .v0("vertical_acceleration_and_yaw_rate", A::Legacy)
            .on(Page::Vertical)
            .edits("verticalConfigModel"),
        KEO_MEMBER(B, absolutePitch)
            .json("absolute/pitch")
            .v0("absolute/pitch", A::Optional, &defaultAbsolutePath)
            .on(Page::Absolute)
            .shown("Pitch", 0)
            .edits("absolutePitchRollConfigModel")
            .flattened("pitch"),
        KEO_MEMBER(B, absoluteRoll)
            .json("absolute/roll")
            .v0("absolute/roll", A::Optional, &defaultAbsolutePath)
            .on(Page::Absolute)
            .shown("Roll", 1)
            .edits("absolutePitchRollConfigModel")
            .flattened("roll"),
        KEO_MEMBER(B, mixer)
            .json("mixer")
            .v0("mixer", A::Optional, &defaultMixer)
            .on(Page::Mixer)
            .edits("mixerConfigModel"),
        KEO_MEMBER(B, enhancer)
            .json("enhancer")
            .v0("enhancer", A::Optional, &defaultEnhancer)
            .on(Page::Enhancer)
            .edits("enhancerConfigModel"),
        KEO_MEMBER(B, understeer)
            .v1Only("understeer", A::Optional)
            .on(Page::Understeer)
            .edits("understeerConfigModel"),
        KEO_MEMBER(B, multiplexer)
            .json("multiplexer")
            .v0("multiplexer", A::Optional, &defaultMultiplexer)
            .on(Page::Multiplexer)
            .edits("multiplexerConfigModel"),
        KEO_MEMBER(B, algorithm)
            .json("algorithm", A::Plain)
            .v0("algorithm", A::Optional, &defaultAlgorithmOptions)
            .on(Page::Options)
            .flattened(""),
    };
    static constexpr Block block = describeBlock<B>("Config", entries);
};

inline const Block& record() {
    return Described<Config>::block;
}

} // namespace ConfigDescription
