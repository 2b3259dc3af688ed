#pragma once

#include "Config.h"

// The unit each rate limit of the record is stored in, declared once. The tilt rate is stored in
// rad/s (the editor converts it to the deg/s it shows); the sideslip and understeer rates are
// stored as the editor shows them, in deg/s, which existing files rely on. Whatever reads a rate
// limit for computation goes through rateInRadiansPerSecond() below, and a rate whose unit is not
// declared here does not compile.

enum class RateUnit { RadiansPerSecond, DegreesPerSecond };

template <auto Member> struct StoredRateUnit; // declared for each rate limit below, never generic

template <> struct StoredRateUnit<&TiltCoordinationConfig::maximumRate> {
    static constexpr RateUnit unit = RateUnit::RadiansPerSecond;
};
template <> struct StoredRateUnit<&SideslipPathConfig::maximumRate> {
    static constexpr RateUnit unit = RateUnit::DegreesPerSecond;
};
template <> struct StoredRateUnit<&UndersteerConfig::deltaTurningCurveMaximumRate> {
    static constexpr RateUnit unit = RateUnit::DegreesPerSecond;
};

constexpr double radiansPerSecond(RateUnit unit, double value) {
    constexpr double degree = 3.14159265358979323846 / 180.0;
    return unit == RateUnit::DegreesPerSecond ? value * degree : value;
}

// The rate limit `Member` of `block` in parameter set `set`, in rad/s.
template <auto Member, class Block> double rateInRadiansPerSecond(const Block& block, int set) {
    return radiansPerSecond(StoredRateUnit<Member>::unit, (block.*Member)[set]);
}
