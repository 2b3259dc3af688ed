#pragma once

#include "PathDescriptions.h"

// The sections of the record below the axes, and what version-0 documents stand for the sections
// they lack (see RecordDescription.h).
namespace configDescription {

// What version-0 documents stand for the sections they lack.

constexpr FloatPair both(float value) {
    return FloatPair{{value, value}};
}

inline constexpr FilterConfig defaultOutputFilter{both(0.5f), both(0.025f), both(1.1f),
                                                  KEOFilterType::LowPass};
inline constexpr Limitation defaultOutputLimit{both(1.0f), KEOLimitationType::Gain, both(100.0f)};
inline constexpr SignalLimitation defaultEnhancerInputLimit{both(1.0f), both(1.0f),
                                                            KEOLimitationType::None};
inline constexpr AbsoluteAngleConfig defaultAbsolutePath{
    false,
    {both(1.5707964f), both(1.0f), KEOLimitationType::Gain},
    {both(13.2f), both(0.66f), both(29.04f), KEOFilterType::LowPass},
    defaultOutputLimit};
inline constexpr MixerPathConfig defaultMixerPath{false, defaultOutputFilter, defaultOutputLimit};
inline constexpr SideslipPathConfig defaultSideslipPath{
    false, both(0.0f), {}, defaultEnhancerInputLimit, defaultOutputFilter, defaultOutputLimit};
inline constexpr MixerConfig defaultMixer{
    defaultMixerPath, defaultMixerPath, defaultMixerPath, defaultMixerPath, {}, {}};
inline constexpr EnhancerConfig defaultEnhancer{
    defaultSideslipPath, defaultSideslipPath, both(0.0f),
    RoadHarshnessConfig{false, defaultEnhancerInputLimit,
                        FilterConfig{both(1.0f), both(0.05f), both(2.2f), KEOFilterType::HighPass},
                        defaultOutputFilter, defaultOutputLimit}};
inline constexpr MultiplexerConfig defaultMultiplexer{defaultOutputLimit, defaultOutputLimit,
                                                      defaultOutputLimit, defaultOutputLimit,
                                                      defaultOutputLimit, defaultOutputLimit};
inline constexpr AlgorithmOptions defaultAlgorithmOptions{true, true,  true,  true, true,
                                                          true, false, false, false};

// The sections below the axes.

template <> struct Described<AbsoluteAngleConfig> {
    using B = AbsoluteAngleConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).pathSwitch(0),
        KEO_MEMBER(B, inputLimit).inputLimitation(1, Unit::Radians, angleValid, angleTuning),
        KEO_MEMBER(B, outputFilter).outputFilter(2, "outputFilterModel"),
        KEO_MEMBER(B, outputLimit).outputLimit(3, "outputLimitModel"),
    };
    static constexpr Block block = describeBlock<B>("AbsoluteAngleConfig", entries);
};

template <> struct Described<MixerPathConfig> {
    using B = MixerPathConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).pathSwitch(0),
        KEO_MEMBER(B, outputFilter).outputFilter(1, "outputFilterModel"),
        KEO_MEMBER(B, outputLimit).outputLimit(2, "outputLimitModel"),
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
            .v1Only("roadHarshnessToSurge", Access::Optional)
            .reading(1, 5)
            .shown("Road harshness to surge", 3)
            .edits("roadHarshnessToSurgeModel"),
        KEO_MEMBER(B, roadHarshnessToPitch)
            .v1Only("roadHarshnessToPitch", Access::Optional)
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
        KEO_MEMBER(B, enabled).pathSwitch(0).reading(1, 0),
        KEO_MEMBER(B, maximumRate)
            .v1Only("maximum_rate", Access::Optional)
            .absentAs(999.0f)
            .reading(2, 0)
            .shown("Maximum rate", 2, "Rate limit")
            .edits("maximumRateModel")
            .in(Unit::DegreesPerSecond, degreeRateValid, degreeRateTuning),
        KEO_MEMBER(B, highpassFilter)
            .v1Only("highpass_filter", Access::Optional)
            .reading(3, 0)
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPass)
            .shown("Highpass filter", 3)
            .edits("highpassFilterModel"),
        KEO_MEMBER(B, inputLimit)
            .inputLimitation(1, Unit::Radians, angleValid, angleTuning)
            .reading(1, 1),
        KEO_MEMBER(B, outputFilter).outputFilter(4, "outputFilterModel").reading(1, 2),
        KEO_MEMBER(B, outputLimit).outputLimit(5, "outputLimitationModel").reading(1, 3),
    };
    static constexpr Block block = describeBlock<B>("SideslipPathConfig", entries);
};

template <> struct Described<RoadHarshnessConfig> {
    using B = RoadHarshnessConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).pathSwitch(0),
        KEO_MEMBER(B, inputLimit).inputLimitation(1, Unit::Metres, roadValid, roadTuning),
        KEO_MEMBER(B, highpassFilter)
            .json("highpass_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPass)
            .shown("Highpass filter", 2)
            .edits("highpassFilterModel"),
        KEO_MEMBER(B, outputFilter).outputFilter(3, "outputFilterModel"),
        KEO_MEMBER(B, outputLimit).outputLimit(4, "outputLimitationModel"),
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
            .filter(FilterForm::NamedCutoffOnly, KEOFilterType::LowPass)
            .shown("Intended turning curve: Lowpass filter", 0)
            .edits("intendedTurningCurveFilterModel"),
        KEO_MEMBER(B, actualTurningCurveFilter)
            .json("actualTurningCurve_filter")
            .reading(1, 1)
            .filter(FilterForm::NamedCutoffOnly, KEOFilterType::LowPass)
            .shown("Actual turning curve: Lowpass filter", 1)
            .edits("actualTurningCurveFilterModel"),
        KEO_MEMBER(B, yawRateFilter)
            .json("yawRate_filter", Access::Optional)
            .formerly("swayAcceleration_filter")
            .reading(1, 6)
            .filter(FilterForm::NamedCutoffOnly, KEOFilterType::LowPass)
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
            .json("g/enableCorrection", Access::Plain)
            .reading(1, 0)
            .shown("G1: Enable G corrections", 6, correction)
            .edits("enableGCorrection"),
        KEO_MEMBER(B, removeVerticalComponent)
            .json("g/removeVerticalComponent", Access::Plain)
            .reading(1, 1)
            .shown("G2: Input linear accelerations do NOT contain gravity component", 7, correction)
            .edits("removeGVerticalComponent"),
        KEO_MEMBER(B, enableAccMatrix)
            .json("transformations/enableAccMatrix", Access::Plain)
            .reading(1, 2)
            .shown("T1: Enable linear accelerations transformations", 0, transformations)
            .edits("enableAccMatrix"),
        KEO_MEMBER(B, enableAccMatrixTranslationBefore)
            .json("transformations/enableAccMatrixTranslationBefore", Access::Plain)
            .olderMayLack()
            .reading(1, 4)
            .shown("T2: Translate acc matrix (by point of sense) before transforming acceleration "
                   "forces",
                   1, transformations)
            .edits("enableAccMatrixTranslationBefore"),
        KEO_MEMBER(B, enableAccMatrixTranslationAfter)
            .json("transformations/enableAccMatrixTranslationAfter", Access::Plain)
            .olderMayLack()
            .reading(1, 5)
            .shown("T3: Translate acc matrix (by point of sense) after transforming acceleration "
                   "forces",
                   2, transformations)
            .edits("enableAccMatrixTranslationAfter"),
        KEO_MEMBER(B, enableVelocityMatrix)
            .json("transformations/enableVelocityMatrix", Access::Plain)
            .reading(1, 3)
            .shown("V1: Enable angular velocity transformation matrix", 3, transformations)
            .edits("enableVelocityMatrix"),
        KEO_MEMBER(B, enableVelocityMatrixTranslationBefore)
            .json("transformations/enableVelocityMatrixTranslationBefore", Access::Plain)
            .olderMayLack()
            .reading(1, 6)
            .shown("V2: Translate angular velocity transformation matrix (by point of sense) "
                   "before transforming velocities",
                   4, transformations)
            .edits("enableVelocityMatrixTranslationBefore"),
        KEO_MEMBER(B, enableVelocityMatrixTranslationAfter)
            .json("transformations/enableVelocityMatrixTranslationAfter", Access::Plain)
            .olderMayLack()
            .reading(1, 7)
            .shown("V3: Translate angular velocity transformation matrix (by point of sense) "
                   "after transforming velocities",
                   5, transformations)
            .edits("enableVelocityMatrixTranslationAfter"),
        KEO_MEMBER(B, highpassUseFreshDataOnly)
            .json("highpassUseFreshDataOnly", Access::Plain)
            .olderMayLack()
            .reading(1, 8)
            .shown("Highpass filters use only fresh data", 8, "Misc.")
            .edits("highpassUseFreshDataOnly"),
    };
    static constexpr Block block = describeBlock<B>("AlgorithmOptions", entries);
};

} // namespace configDescription
