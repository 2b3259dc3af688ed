#include "ConfigReader.h"

#include "BlockJson.h"
#include "JsonAccess.h"

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

using JsonAccess::has;
using JsonAccess::plain;
using JsonAccess::readRequiredSwitch;
using JsonAccess::readSwitch;
using JsonAccess::required;

namespace {

// Values stored by the version-0 reader for sections older documents may lack.

FilterConfig defaultOutputFilter() {
    return {FloatPair::both(0.5f), FloatPair::both(0.025f), FloatPair::both(1.1f),
            KEOFilterType::LowPass};
}

Limitation defaultOutputLimit() {
    return {FloatPair::both(1.0f), KEOLimitationType::Gain, FloatPair::both(100.0f)};
}

AbsoluteAngleConfig defaultAbsolutePath() {
    AbsoluteAngleConfig path{};
    path.inputLimit = {FloatPair::both(1.5707964f), FloatPair::both(1.0f), KEOLimitationType::Gain};
    path.outputFilter = {FloatPair::both(13.2f), FloatPair::both(0.66f), FloatPair::both(29.04f),
                         KEOFilterType::LowPass};
    path.outputLimit = defaultOutputLimit();
    return path;
}

MixerPathConfig defaultMixerPath() {
    return {false, defaultOutputFilter(), defaultOutputLimit()};
}

SignalLimitation defaultEnhancerInputLimit() {
    return {FloatPair::both(1.0f), FloatPair::both(1.0f), KEOLimitationType::None};
}

RoadHarshnessConfig defaultRoadHarshness() {
    RoadHarshnessConfig roadHarshness{};
    roadHarshness.inputLimit = defaultEnhancerInputLimit();
    roadHarshness.highpassFilter = {FloatPair::both(1.0f), FloatPair::both(0.05f),
                                    FloatPair::both(2.2f), KEOFilterType::HighPass};
    roadHarshness.outputFilter = defaultOutputFilter();
    roadHarshness.outputLimit = defaultOutputLimit();
    return roadHarshness;
}

SideslipPathConfig defaultSideslipPath() {
    SideslipPathConfig path{};
    path.inputLimit = defaultEnhancerInputLimit();
    path.outputFilter = defaultOutputFilter();
    path.outputLimit = defaultOutputLimit();
    return path;
}

AlgorithmOptions defaultAlgorithmOptions() {
    AlgorithmOptions options{};
    options.enableCorrection = true;
    options.removeVerticalComponent = true;
    options.enableAccMatrix = true;
    options.enableAccMatrixTranslationBefore = true;
    options.enableAccMatrixTranslationAfter = true;
    options.enableVelocityMatrix = true;
    return options;
}

// Reading steps common to both versions.

void readOutput(const Json& path, FilterConfig& filter, Limitation& limit) {
    filter = readFilterConfig(required(path, "output_filter"));
    limit = readLimitation(required(path, "output_limit"));
}

// Older documents keep a path's output filter and limit in a single object.
void readCombinedOutput(const Json& object, FilterConfig& filter, Limitation& limit) {
    filter = readFilterConfig(object);
    limit = readLimitation(object);
}

FilterConfig readCutoffOnly(const Json& parent, const char* key, KEOFilterType::Enum type) {
    return readCutoffOnlyFilter(required(parent, key), type);
}

SignalLimitation readInputLimit(const Json& parent, const char* key) {
    return readSignalLimitation(required(parent, key));
}

FloatPair readPair(const Json& parent, const char* key) {
    return readFloatPair(required(parent, key));
}

void readTravelFilters(const Json& travel, TravelConfig& config) {
    config.accelerationFilter =
        readCutoffOnly(travel, "acceleration_filter", KEOFilterType::HighPass);
    config.velocityFilter = readCutoffOnly(travel, "velocity_filter", KEOFilterType::HighPassDelta);
    config.travelFilter = readCutoffOnly(travel, "travel_filter", KEOFilterType::HighPassDelta);
}

void readTiltCoordinationHead(const Json& tilt, TiltCoordinationConfig& config) {
    config.enabled = readRequiredSwitch(tilt, "enabled");
    config.maximumRate = readPair(tilt, "maximum_rate");
    config.accelerationFilter = readCutoffOnly(tilt, "acceleration_filter", KEOFilterType::LowPass);
}

void readAngularVelocityHead(const Json& angular, AngularVelocityConfig& config) {
    config.enabled = readRequiredSwitch(angular, "enabled");
    config.velocityFilter = readCutoffOnly(angular, "velocity_filter", KEOFilterType::HighPass);
    config.angleFilter = readCutoffOnly(angular, "angle_filter", KEOFilterType::HighPassDelta);
}

void readAbsolutePath(const Json& path, AbsoluteAngleConfig& config) {
    config.enabled = readRequiredSwitch(path, "enabled");
    config.inputLimit = readInputLimit(path, "input_limit");
    readOutput(path, config.outputFilter, config.outputLimit);
}

void readAbsolutePaths(const Json& absolute, Config& config) {
    readAbsolutePath(required(absolute, "pitch"), config.absolutePitch);
    readAbsolutePath(required(absolute, "roll"), config.absoluteRoll);
}

void readMixerPath(const Json& path, MixerPathConfig& config) {
    config.enabled = readRequiredSwitch(path, "enabled");
    readOutput(path, config.outputFilter, config.outputLimit);
}

void readCrossFeedPaths(const Json& mixer, MixerConfig& config) {
    readMixerPath(required(mixer, "heaveToPitch"), config.heaveToPitch);
    readMixerPath(required(mixer, "surgeToPitch"), config.surgeToPitch);
    readMixerPath(required(mixer, "swayToRoll"), config.swayToRoll);
    readMixerPath(required(mixer, "yawToRoll"), config.yawToRoll);
}

void readRoadHarshness(const Json& roadHarshness, RoadHarshnessConfig& config) {
    config.enabled = readRequiredSwitch(roadHarshness, "enabled");
    config.inputLimit = readInputLimit(roadHarshness, "input_limit");
    config.highpassFilter =
        readCutoffOnly(roadHarshness, "highpass_filter", KEOFilterType::HighPass);
    readOutput(roadHarshness, config.outputFilter, config.outputLimit);
}

// The parts of a sideslip path present in both versions.
void readSideslipPath(const Json& path, SideslipPathConfig& config) {
    config.enabled = readRequiredSwitch(path, "enabled");
    config.inputLimit = readInputLimit(path, "input_limit");
    readOutput(path, config.outputFilter, config.outputLimit);
}

// Returns the "sideslip" object so the caller can read the parts only one version has.
const Json& readEnhancerCommon(const Json& enhancer, EnhancerConfig& config) {
    readRoadHarshness(required(enhancer, "roadHarshness"), config.roadHarshness);
    const Json& sideslip = required(enhancer, "sideslip");
    readSideslipPath(required(sideslip, "toYaw"), config.sideslipToYaw);
    readSideslipPath(required(sideslip, "toRoll"), config.sideslipToRoll);
    config.sideslipPivotLongitudinalOffset =
        readPair(required(sideslip, "pivotPoint"), "longitudinalOffset");
    return sideslip;
}

void readMultiplexer(const Json& multiplexer, MultiplexerConfig& config) {
    const auto limit = [&multiplexer](const char* dof) {
        return readLimitation(required(required(multiplexer, dof), "output_limit"));
    };
    config.surge = limit("surge");
    config.sway = limit("sway");
    config.heave = limit("heave");
    config.pitch = limit("pitch");
    config.roll = limit("roll");
    config.yaw = limit("yaw");
}

bool readPlainSwitch(const Json& parent, const char* key) {
    return readSwitch(plain(parent, key));
}

// Version 1.

void readAxisV1(const Json& axis, AxisConfig& config) {
    const Json& travel = required(axis, "travel");
    config.travel.enabled = readRequiredSwitch(travel, "enabled");
    config.accelerationInputLimit = readInputLimit(axis, "acceleration_input_limit");
    config.angularRateInputLimit = readInputLimit(axis, "angularRate_input_limit");
    config.tiltCoordinationInputLimit = readInputLimit(axis, "tiltCoordination_input_limit");
    readTravelFilters(travel, config.travel);
    readOutput(travel, config.travel.outputFilter, config.travel.outputLimit);

    const Json& tilt = required(axis, "acceleration_to_angle");
    readTiltCoordinationHead(tilt, config.tiltCoordination);
    readOutput(tilt, config.tiltCoordination.outputFilter, config.tiltCoordination.outputLimit);

    const Json& angular = required(axis, "angular_velocity");
    readAngularVelocityHead(angular, config.angularVelocity);
    readOutput(angular, config.angularVelocity.outputFilter, config.angularVelocity.outputLimit);

    readAxisBypassFlags(axis, config);
}

void readOptionalMixerPath(const Json& mixer, const char* key, MixerPathConfig& config) {
    if (has(mixer, key)) {
        readMixerPath(required(mixer, key), config);
    }
}

void readSideslipExtrasV1(const Json& sideslip, EnhancerConfig& config) {
    const Json& toYaw = required(sideslip, "toYaw");
    const Json& toRoll = required(sideslip, "toRoll");
    const auto rate = [](const Json& path) {
        return has(path, "maximum_rate") ? readPair(path, "maximum_rate") : FloatPair::both(999.0f);
    };
    config.sideslipToYaw.maximumRate = rate(toYaw);
    config.sideslipToRoll.maximumRate = rate(toRoll);
    if (has(toYaw, "highpass_filter")) {
        config.sideslipToYaw.highpassFilter =
            readCutoffOnly(toYaw, "highpass_filter", KEOFilterType::HighPass);
    }
    if (has(toRoll, "highpass_filter")) {
        config.sideslipToRoll.highpassFilter =
            readCutoffOnly(toRoll, "highpass_filter", KEOFilterType::HighPass);
    }
}

void readUndersteer(const Json& understeer, UndersteerConfig& config) {
    config.intendedTurningCurveFilter =
        readCutoffOnly(understeer, "intendedTurningCurve_filter", KEOFilterType::LowPass);
    config.actualTurningCurveFilter =
        readCutoffOnly(understeer, "actualTurningCurve_filter", KEOFilterType::LowPass);
    config.deltaTurningCurveMaximumRate =
        readPair(required(understeer, "deltaTurningCurve"), "maximum_rate");
    readMixerPath(required(understeer, "toYaw"), config.toYaw);
    readMixerPath(required(understeer, "toRoll"), config.toRoll);
    config.pivotPointLongitudinalOffset =
        readPair(required(understeer, "pivotPoint"), "longitudinalOffset");
    // "swayAcceleration_filter" is the name older tools gave the yaw-rate filter.
    for (const char* key : {"yawRate_filter", "swayAcceleration_filter"}) {
        if (has(understeer, key)) {
            config.yawRateFilter = readCutoffOnly(understeer, key, KEOFilterType::LowPass);
            return;
        }
    }
}

void readAlgorithmV1(const Json& document, AlgorithmOptions& config) {
    const Json& algorithm = plain(document, "algorithm");
    const Json& g = plain(algorithm, "g");
    config.enableCorrection = readPlainSwitch(g, "enableCorrection");
    config.removeVerticalComponent = readPlainSwitch(g, "removeVerticalComponent");
    const Json& transformations = plain(algorithm, "transformations");
    config.enableAccMatrix = readPlainSwitch(transformations, "enableAccMatrix");
    config.enableVelocityMatrix = readPlainSwitch(transformations, "enableVelocityMatrix");
    config.enableAccMatrixTranslationBefore =
        readPlainSwitch(transformations, "enableAccMatrixTranslationBefore");
    config.enableAccMatrixTranslationAfter =
        readPlainSwitch(transformations, "enableAccMatrixTranslationAfter");
    config.enableVelocityMatrixTranslationBefore =
        readPlainSwitch(transformations, "enableVelocityMatrixTranslationBefore");
    config.enableVelocityMatrixTranslationAfter =
        readPlainSwitch(transformations, "enableVelocityMatrixTranslationAfter");
    config.highpassUseFreshDataOnly = readPlainSwitch(algorithm, "highpassUseFreshDataOnly");
}

// Version 0.

void readTravelOutputV0(const Json& axis, const Json& travel, TravelConfig& config) {
    if (has(travel, "travel_output_filter")) {
        readCombinedOutput(required(travel, "travel_output_filter"), config.outputFilter,
                           config.outputLimit);
    } else if (has(axis, "output_filters") && has(required(axis, "output_filters"), "travel")) {
        readCombinedOutput(required(required(axis, "output_filters"), "travel"),
                           config.outputFilter, config.outputLimit);
    } else {
        readOutput(travel, config.outputFilter, config.outputLimit);
    }
}

void readTiltCoordinationV0(const Json& tilt, TiltCoordinationConfig& config) {
    readTiltCoordinationHead(tilt, config);
    if (has(tilt, "angle_filter")) {
        readCombinedOutput(required(tilt, "angle_filter"), config.outputFilter, config.outputLimit);
    } else {
        readOutput(tilt, config.outputFilter, config.outputLimit);
    }
}

void readAngularVelocityV0(const Json& angular, AngularVelocityConfig& config) {
    readAngularVelocityHead(angular, config);
    if (has(angular, "angle_output_filter")) {
        readCombinedOutput(required(angular, "angle_output_filter"), config.outputFilter,
                           config.outputLimit);
    } else if (has(angular, "output_filter")) {
        readOutput(angular, config.outputFilter, config.outputLimit);
    }
}

void readAxisV0(const Json& axis, AxisConfig& config, bool tiltCoordinationRequired) {
    const Json& travel = required(axis, "travel");
    config.travel.enabled = readRequiredSwitch(travel, "enabled");
    if (has(axis, "acceleration_input_limit")) {
        config.accelerationInputLimit = readInputLimit(axis, "acceleration_input_limit");
        config.angularRateInputLimit = readInputLimit(axis, "angularRate_input_limit");
    }
    if (has(axis, "tiltCoordination_input_limit")) {
        config.tiltCoordinationInputLimit = readInputLimit(axis, "tiltCoordination_input_limit");
    }
    readTravelFilters(travel, config.travel);
    readTravelOutputV0(axis, travel, config.travel);
    if (tiltCoordinationRequired || has(axis, "acceleration_to_angle")) {
        readTiltCoordinationV0(required(axis, "acceleration_to_angle"), config.tiltCoordination);
    }
    readAngularVelocityV0(required(axis, "angular_velocity"), config.angularVelocity);
}

void readMixerV0(const Json& document, MixerConfig& config) {
    if (has(document, "mixer")) {
        readCrossFeedPaths(required(document, "mixer"), config);
        return;
    }
    config.heaveToPitch = defaultMixerPath();
    config.surgeToPitch = defaultMixerPath();
    config.swayToRoll = defaultMixerPath();
    config.yawToRoll = defaultMixerPath();
}

void readEnhancerV0(const Json& document, EnhancerConfig& config) {
    if (has(document, "enhancer")) {
        readEnhancerCommon(required(document, "enhancer"), config);
        return;
    }
    config.roadHarshness = defaultRoadHarshness();
    config.sideslipToYaw = defaultSideslipPath();
    config.sideslipToRoll = defaultSideslipPath();
    config.sideslipPivotLongitudinalOffset = FloatPair::both(0.0f);
}

void readMultiplexerV0(const Json& document, MultiplexerConfig& config) {
    if (has(document, "multiplexer")) {
        readMultiplexer(required(document, "multiplexer"), config);
        return;
    }
    config = {defaultOutputLimit(), defaultOutputLimit(), defaultOutputLimit(),
              defaultOutputLimit(), defaultOutputLimit(), defaultOutputLimit()};
}

void readOptionalPlainSwitch(const Json& parent, const char* key, bool& flag) {
    if (has(parent, key)) {
        flag = readPlainSwitch(parent, key);
    }
}

void readAlgorithmV0(const Json& document, AlgorithmOptions& config) {
    config = defaultAlgorithmOptions();
    if (!has(document, "algorithm")) {
        return;
    }
    const Json& algorithm = plain(document, "algorithm");
    const Json& g = plain(algorithm, "g");
    config.enableCorrection = readPlainSwitch(g, "enableCorrection");
    config.removeVerticalComponent = readPlainSwitch(g, "removeVerticalComponent");
    const Json& transformations = plain(algorithm, "transformations");
    config.enableAccMatrix = readPlainSwitch(transformations, "enableAccMatrix");
    config.enableVelocityMatrix = readPlainSwitch(transformations, "enableVelocityMatrix");
    readOptionalPlainSwitch(transformations, "enableAccMatrixTranslationBefore",
                            config.enableAccMatrixTranslationBefore);
    readOptionalPlainSwitch(transformations, "enableAccMatrixTranslationAfter",
                            config.enableAccMatrixTranslationAfter);
    readOptionalPlainSwitch(transformations, "enableVelocityMatrixTranslationBefore",
                            config.enableVelocityMatrixTranslationBefore);
    readOptionalPlainSwitch(transformations, "enableVelocityMatrixTranslationAfter",
                            config.enableVelocityMatrixTranslationAfter);
    readOptionalPlainSwitch(algorithm, "highpassUseFreshDataOnly", config.highpassUseFreshDataOnly);
}

// Floating versions are truncated toward zero. Out of the 32-bit range the value becomes the
// integer-indefinite value that an x86 conversion yields, so it is reported as unknown.
std::int32_t truncateVersion(float version) {
    if (version >= -2147483648.0f && version < 2147483648.0f) {
        return static_cast<std::int32_t>(version);
    }
    return std::numeric_limits<std::int32_t>::min();
}

// Integers keep their low 32 bits; anything but a number (booleans included) is type error 302.
std::int32_t readVersionNumber(const Json& version) {
    if (version.is_number_float()) {
        return truncateVersion(version.get<float>());
    }
    return static_cast<std::int32_t>(version.get<std::int64_t>());
}

} // namespace

void readConfig(const Json& document, Config& config) {
    zeroConfig(config);
    if (!has(document, "version")) {
        readConfigV0(document, config);
        return;
    }
    const std::int32_t version = readVersionNumber(required(document, "version"));
    if (version == 0) {
        readConfigV0(document, config);
    } else if (version == 1) {
        readConfigV1(document, config);
    } else {
        throw std::runtime_error("Unknown config version number: " + std::to_string(version));
    }
}

void readConfigV1(const Json& document, Config& config) {
    zeroConfig(config);
    readAxisV1(required(document, "lateral_acceleration_and_roll_rate"), config.lateral);
    readAxisV1(required(document, "longitudinal_acceleration_and_pitch_rate"), config.longitudinal);
    readAxisV1(required(document, "vertical_acceleration_and_yaw_rate"), config.vertical);
    readAbsolutePaths(required(document, "absolute"), config);

    const Json& mixer = required(document, "mixer");
    readCrossFeedPaths(mixer, config.mixer);
    readOptionalMixerPath(mixer, "roadHarshnessToPitch", config.mixer.roadHarshnessToPitch);
    readOptionalMixerPath(mixer, "roadHarshnessToSurge", config.mixer.roadHarshnessToSurge);

    const Json& sideslip = readEnhancerCommon(required(document, "enhancer"), config.enhancer);
    readSideslipExtrasV1(sideslip, config.enhancer);

    if (has(document, "understeer")) {
        readUndersteer(required(document, "understeer"), config.understeer);
    }
    readMultiplexer(required(document, "multiplexer"), config.multiplexer);
    readAlgorithmV1(document, config.algorithm);
}

void readConfigV0(const Json& document, Config& config) {
    zeroConfig(config);
    readAxisV0(required(document, "lateral_acceleration_and_roll_rate"), config.lateral, true);
    readAxisV0(required(document, "longitudinal_acceleration_and_pitch_rate"), config.longitudinal,
               true);
    readAxisV0(required(document, "vertical_acceleration_and_yaw_rate"), config.vertical, false);
    if (has(document, "absolute")) {
        readAbsolutePaths(required(document, "absolute"), config);
    } else {
        config.absolutePitch = defaultAbsolutePath();
        config.absoluteRoll = defaultAbsolutePath();
    }
    readMixerV0(document, config.mixer);
    readEnhancerV0(document, config.enhancer);
    readMultiplexerV0(document, config.multiplexer);
    readAlgorithmV0(document, config.algorithm);
}

void readAxisBypassFlags(const Json& axis, AxisConfig& config) {
    const auto optionalSwitch = [](const Json& parent, const char* key) {
        return has(parent, key) && readRequiredSwitch(parent, key);
    };
    const Json& travel = required(axis, "travel");
    config.travel.bypassAccIntegration = optionalSwitch(travel, "bypassAccIntegration");
    config.travel.bypassSpeedIntegration = optionalSwitch(travel, "bypassSpeedIntegration");
    config.angularVelocity.bypassIntegration =
        optionalSwitch(required(axis, "angular_velocity"), "bypassIntegration");
}
