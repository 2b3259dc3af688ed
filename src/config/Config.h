#pragma once

#include "Blocks.h"

#include <cstring>
#include <type_traits>

// The in-memory record of one whole configuration of the motion-cueing algorithm. Every member is
// a plain value: the record is copied and compared whole, and a record whose bytes are all zero is
// valid. The readers fill it, the writer serialises it, and the editing models point into it.

struct TravelConfig {
    bool enabled;
    bool bypassAccIntegration;
    bool bypassSpeedIntegration;
    FilterConfig accelerationFilter; // always HighPass
    FilterConfig velocityFilter;     // always HighPassDelta
    FilterConfig travelFilter;       // always HighPassDelta
    FilterConfig outputFilter;
    Limitation outputLimit;
};

struct TiltCoordinationConfig {
    bool enabled;
    FloatPair maximumRate;           // rad/s
    FilterConfig accelerationFilter; // always LowPass
    FilterConfig outputFilter;
    Limitation outputLimit;
};

struct AngularVelocityConfig {
    bool enabled;
    bool bypassIntegration;
    FilterConfig velocityFilter; // always HighPass
    FilterConfig angleFilter;    // always HighPassDelta
    FilterConfig outputFilter;
    Limitation outputLimit;
};

// One channel: a linear acceleration together with the angular rate handled alongside it.
struct AxisConfig {
    SignalLimitation accelerationInputLimit;     // m/s²
    SignalLimitation angularRateInputLimit;      // rad/s
    SignalLimitation tiltCoordinationInputLimit; // m/s²
    TravelConfig travel;
    TiltCoordinationConfig tiltCoordination;
    AngularVelocityConfig angularVelocity;
};

struct AbsoluteAngleConfig {
    bool enabled;
    SignalLimitation inputLimit; // rad
    FilterConfig outputFilter;
    Limitation outputLimit;
};

struct MixerPathConfig {
    bool enabled;
    FilterConfig outputFilter;
    Limitation outputLimit;
};

struct MixerConfig {
    MixerPathConfig swayToRoll;
    MixerPathConfig yawToRoll;
    MixerPathConfig surgeToPitch;
    MixerPathConfig heaveToPitch;
    MixerPathConfig roadHarshnessToSurge;
    MixerPathConfig roadHarshnessToPitch;
};

struct SideslipPathConfig {
    bool enabled;
    FloatPair maximumRate;       // deg/s, stored as shown (no radian conversion)
    FilterConfig highpassFilter; // always HighPass
    SignalLimitation inputLimit;
    FilterConfig outputFilter;
    Limitation outputLimit;
};

struct RoadHarshnessConfig {
    bool enabled;
    SignalLimitation inputLimit;
    FilterConfig highpassFilter; // always HighPass
    FilterConfig outputFilter;
    Limitation outputLimit; // m
};

struct EnhancerConfig {
    SideslipPathConfig sideslipToYaw;
    SideslipPathConfig sideslipToRoll;
    FloatPair sideslipPivotLongitudinalOffset; // m
    RoadHarshnessConfig roadHarshness;
};

struct UndersteerConfig {
    FilterConfig intendedTurningCurveFilter; // always LowPass
    FilterConfig actualTurningCurveFilter;   // always LowPass
    FilterConfig yawRateFilter;              // always LowPass
    FloatPair deltaTurningCurveMaximumRate;  // deg/s, stored as shown (no radian conversion)
    MixerPathConfig toYaw;
    MixerPathConfig toRoll;
    FloatPair pivotPointLongitudinalOffset; // m
};

// Final per-degree-of-freedom output limits.
struct MultiplexerConfig {
    Limitation surge;
    Limitation sway;
    Limitation heave;
    Limitation pitch;
    Limitation roll;
    Limitation yaw;
};

struct AlgorithmOptions {
    bool enableCorrection;
    bool removeVerticalComponent;
    bool enableAccMatrix;
    bool enableAccMatrixTranslationBefore;
    bool enableAccMatrixTranslationAfter;
    bool enableVelocityMatrix;
    bool enableVelocityMatrixTranslationBefore;
    bool enableVelocityMatrixTranslationAfter;
    bool highpassUseFreshDataOnly;
};

struct Config {
    AxisConfig lateral;
    AxisConfig longitudinal;
    AxisConfig vertical;
    AbsoluteAngleConfig absolutePitch;
    AbsoluteAngleConfig absoluteRoll;
    MixerConfig mixer;
    EnhancerConfig enhancer;
    UndersteerConfig understeer;
    MultiplexerConfig multiplexer;
    AlgorithmOptions algorithm;
};

static_assert(std::is_trivially_copyable_v<Config>, "Config must stay a plain value");
static_assert(std::is_standard_layout_v<Config>, "Config must stay a plain value");

// The zero record: all floats 0, switches off, filters HighPass, limitations None.
inline Config zeroConfig() {
    Config config;
    std::memset(&config, 0, sizeof config);
    return config;
}

inline void zeroConfig(Config& config) {
    std::memset(&config, 0, sizeof config);
}
