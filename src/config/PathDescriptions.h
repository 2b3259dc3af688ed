#pragma once

#include "Description.h"

// The blocks the paths of an axis are built from, and the axes themselves (see
// RecordDescription.h).
namespace configDescription {

// Ranges: `valid` is what the algorithm can take without losing its meaning (cutoffs, factors
// and maxima not negative, cutoffs below the Nyquist frequency of keo-editor's default 500
// steps/s, tilt inputs within the 9.81 m/s² the configuration manager clamps them to, angles
// within a quarter turn); `tuning` is the part of it a tuner may explore, wide enough for every
// bundled example and every reader fallback (DescriptionTest checks both).
// clang-format off
inline constexpr Range cutoffValid{0.0f, 250.0f},        cutoffTuning{0.0f, 30.0f};
inline constexpr Range factorValid{0.0f, 10.0f},         factorTuning{0.1f, 2.0f};
inline constexpr Range shareValid{0.0f, 100.0f},         shareTuning{1.0f, 100.0f};
inline constexpr Range accelerationValid{0.0f, 100.0f},  accelerationTuning{0.5f, 20.0f};
inline constexpr Range tiltInputValid{0.0f, 9.81f},      tiltInputTuning{0.5f, 9.81f};
inline constexpr Range angularRateValid{0.0f, 10.0f},    angularRateTuning{0.05f, 3.0f};
inline constexpr Range angleValid{0.0f, 1.5707964f},     angleTuning{0.01f, 1.5707964f};
inline constexpr Range roadValid{0.0f, 1.0f},            roadTuning{0.001f, 1.0f};
inline constexpr Range tiltRateValid{0.0f, 10.0f},       tiltRateTuning{0.0f, 0.2f};
// 999 deg/s stands for "no limit": the version-1 reader stores it for a missing sideslip rate.
inline constexpr Range degreeRateValid{0.0f, 999.0f},    degreeRateTuning{0.0f, 10.0f};
inline constexpr Range offsetValid{-10.0f, 10.0f},       offsetTuning{-3.0f, 3.0f};
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
            .json("cutoffFrequencyStart", Access::Optional)
            .readOnly()
            .shown("Freq. range start", 1)
            .edits("cutoffFrequencyStart")
            .in(Unit::Hertz, cutoffValid, cutoffTuning),
        KEO_MEMBER(B, cutoffEnd)
            .json("cutoffFrequencyEnd", Access::Optional)
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
            .json("maxValueFactor", Access::Optional)
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
        KEO_MEMBER(B, enabled).pathSwitch(0).reading(0, 0),
        KEO_MEMBER(B, bypassAccIntegration)
            .v1Only("bypassAccIntegration", Access::IfSet)
            .reading(2, 0)
            .shown("Bypass acceleration integration", 1)
            .edits("bypassAccIntegration"),
        KEO_MEMBER(B, bypassSpeedIntegration)
            .v1Only("bypassSpeedIntegration", Access::IfSet)
            .reading(2, 1)
            .shown("Bypass velocity integration", 2)
            .edits("bypassSpeedIntegration"),
        KEO_MEMBER(B, accelerationFilter)
            .json("acceleration_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPass)
            .shown("Acceleration filter", 3)
            .edits("accelerationFilterModel"),
        KEO_MEMBER(B, velocityFilter)
            .json("velocity_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPassDelta)
            .shown("Velocity filter", 4)
            .edits("velocityFilterModel"),
        KEO_MEMBER(B, travelFilter)
            .json("travel_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPassDelta)
            .shown("Travel filter", 5)
            .edits("travelFilterModel"),
        KEO_MEMBER(B, outputFilter).outputFilter(6, "outputTravelFilterModel"),
        KEO_MEMBER(B, outputLimit).outputLimit(7, "outputTravelLimitationModel"),
    };
    static constexpr Block block = describeBlock<B>("TravelConfig", entries, "Travel path");
};

template <> struct Described<TiltCoordinationConfig> {
    using B = TiltCoordinationConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).pathSwitch(0),
        KEO_MEMBER(B, maximumRate)
            .json("maximum_rate")
            .shown("Maximum rate", 1, "Angle rate limit")
            .edits("maximumRateModel")
            .in(Unit::RadiansPerSecond, tiltRateValid, tiltRateTuning),
        KEO_MEMBER(B, accelerationFilter)
            .json("acceleration_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::LowPass)
            .shown("Acceleration filter", 2)
            .edits("accelerationFilterModel"),
        KEO_MEMBER(B, outputFilter).outputFilter(3, "outputFilterModel"),
        KEO_MEMBER(B, outputLimit).outputLimit(4, "outputLimitationModel"),
    };
    static constexpr Block block =
        describeBlock<B>("TiltCoordinationConfig", entries, "Tilt coordination path");
};

template <> struct Described<AngularVelocityConfig> {
    using B = AngularVelocityConfig;
    static constexpr Entry entries[] = {
        KEO_MEMBER(B, enabled).pathSwitch(0),
        KEO_MEMBER(B, bypassIntegration)
            .v1Only("bypassIntegration", Access::IfSet)
            .reading(2, 0)
            .shown("Bypass integration", 1)
            .edits("bypassIntegration"),
        KEO_MEMBER(B, velocityFilter)
            .json("velocity_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPass)
            .shown("Angular velocity filter", 2)
            .edits("velocityFilterModel"),
        KEO_MEMBER(B, angleFilter)
            .json("angle_filter")
            .filter(FilterForm::CutoffOnly, KEOFilterType::HighPassDelta)
            .shown("Angle filter", 3)
            .edits("angleFilterModel"),
        KEO_MEMBER(B, outputFilter).outputFilter(4, "outputAngleFilterModel"),
        KEO_MEMBER(B, outputLimit).outputLimit(5, "outputAngleLimitationModel"),
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

} // namespace configDescription
