#include "ConfigWriter.h"

#include "BlockJson.h"

namespace {

// Objects keep their members sorted by key, so the order of the assignments below does not
// change the written text.

void writeOutput(Json& path, const FilterConfig& filter, const Limitation& limit) {
    path["output_filter"] = writeFilterConfig(filter);
    path["output_limit"] = writeLimitation(limit);
}

// Bypass switches are left out unless set, so documents of tools that predate them stay equal.
void writeBypassSwitch(Json& path, const char* key, bool flag) {
    if (flag) {
        path[key] = true;
    }
}

Json writeTravel(const TravelConfig& travel) {
    Json object = Json::object();
    object["enabled"] = travel.enabled;
    writeBypassSwitch(object, "bypassAccIntegration", travel.bypassAccIntegration);
    writeBypassSwitch(object, "bypassSpeedIntegration", travel.bypassSpeedIntegration);
    object["acceleration_filter"] = writeCutoffOnlyFilter(travel.accelerationFilter);
    object["velocity_filter"] = writeCutoffOnlyFilter(travel.velocityFilter);
    object["travel_filter"] = writeCutoffOnlyFilter(travel.travelFilter);
    writeOutput(object, travel.outputFilter, travel.outputLimit);
    return object;
}

Json writeTiltCoordination(const TiltCoordinationConfig& tilt) {
    Json object = Json::object();
    object["enabled"] = tilt.enabled;
    object["maximum_rate"] = writeFloatPair(tilt.maximumRate);
    object["acceleration_filter"] = writeCutoffOnlyFilter(tilt.accelerationFilter);
    writeOutput(object, tilt.outputFilter, tilt.outputLimit);
    return object;
}

Json writeAngularVelocity(const AngularVelocityConfig& angular) {
    Json object = Json::object();
    object["enabled"] = angular.enabled;
    writeBypassSwitch(object, "bypassIntegration", angular.bypassIntegration);
    object["velocity_filter"] = writeCutoffOnlyFilter(angular.velocityFilter);
    object["angle_filter"] = writeCutoffOnlyFilter(angular.angleFilter);
    writeOutput(object, angular.outputFilter, angular.outputLimit);
    return object;
}

Json writeAxis(const AxisConfig& axis) {
    Json object = Json::object();
    object["acceleration_input_limit"] = writeSignalLimitation(axis.accelerationInputLimit);
    object["angularRate_input_limit"] = writeSignalLimitation(axis.angularRateInputLimit);
    object["tiltCoordination_input_limit"] = writeSignalLimitation(axis.tiltCoordinationInputLimit);
    object["travel"] = writeTravel(axis.travel);
    object["acceleration_to_angle"] = writeTiltCoordination(axis.tiltCoordination);
    object["angular_velocity"] = writeAngularVelocity(axis.angularVelocity);
    return object;
}

Json writeAbsolutePath(const AbsoluteAngleConfig& path) {
    Json object = Json::object();
    object["enabled"] = path.enabled;
    object["input_limit"] = writeSignalLimitation(path.inputLimit);
    writeOutput(object, path.outputFilter, path.outputLimit);
    return object;
}

Json writeMixerPath(const MixerPathConfig& path) {
    Json object = Json::object();
    object["enabled"] = path.enabled;
    writeOutput(object, path.outputFilter, path.outputLimit);
    return object;
}

Json writeMixer(const MixerConfig& mixer) {
    Json object = Json::object();
    object["swayToRoll"] = writeMixerPath(mixer.swayToRoll);
    object["yawToRoll"] = writeMixerPath(mixer.yawToRoll);
    object["surgeToPitch"] = writeMixerPath(mixer.surgeToPitch);
    object["heaveToPitch"] = writeMixerPath(mixer.heaveToPitch);
    object["roadHarshnessToSurge"] = writeMixerPath(mixer.roadHarshnessToSurge);
    object["roadHarshnessToPitch"] = writeMixerPath(mixer.roadHarshnessToPitch);
    return object;
}

Json writeSideslipPath(const SideslipPathConfig& path) {
    Json object = Json::object();
    object["enabled"] = path.enabled;
    object["maximum_rate"] = writeFloatPair(path.maximumRate);
    object["highpass_filter"] = writeCutoffOnlyFilter(path.highpassFilter);
    object["input_limit"] = writeSignalLimitation(path.inputLimit);
    writeOutput(object, path.outputFilter, path.outputLimit);
    return object;
}

Json writeRoadHarshness(const RoadHarshnessConfig& roadHarshness) {
    Json object = Json::object();
    object["enabled"] = roadHarshness.enabled;
    object["input_limit"] = writeSignalLimitation(roadHarshness.inputLimit);
    object["highpass_filter"] = writeCutoffOnlyFilter(roadHarshness.highpassFilter);
    writeOutput(object, roadHarshness.outputFilter, roadHarshness.outputLimit);
    return object;
}

Json writeEnhancer(const EnhancerConfig& enhancer) {
    Json object = Json::object();
    Json& sideslip = object["sideslip"];
    sideslip["toYaw"] = writeSideslipPath(enhancer.sideslipToYaw);
    sideslip["toRoll"] = writeSideslipPath(enhancer.sideslipToRoll);
    sideslip["pivotPoint"]["longitudinalOffset"] =
        writeFloatPair(enhancer.sideslipPivotLongitudinalOffset);
    object["roadHarshness"] = writeRoadHarshness(enhancer.roadHarshness);
    return object;
}

// The understeer filters carry a name although their type is fixed when reading.
Json writeUndersteer(const UndersteerConfig& understeer) {
    Json object = Json::object();
    object["intendedTurningCurve_filter"] =
        writeFilterConfig(understeer.intendedTurningCurveFilter);
    object["actualTurningCurve_filter"] = writeFilterConfig(understeer.actualTurningCurveFilter);
    object["yawRate_filter"] = writeFilterConfig(understeer.yawRateFilter);
    object["deltaTurningCurve"]["maximum_rate"] =
        writeFloatPair(understeer.deltaTurningCurveMaximumRate);
    object["toYaw"] = writeMixerPath(understeer.toYaw);
    object["toRoll"] = writeMixerPath(understeer.toRoll);
    object["pivotPoint"]["longitudinalOffset"] =
        writeFloatPair(understeer.pivotPointLongitudinalOffset);
    return object;
}

Json writeMultiplexer(const MultiplexerConfig& multiplexer) {
    Json object = Json::object();
    object["surge"]["output_limit"] = writeLimitation(multiplexer.surge);
    object["sway"]["output_limit"] = writeLimitation(multiplexer.sway);
    object["heave"]["output_limit"] = writeLimitation(multiplexer.heave);
    object["pitch"]["output_limit"] = writeLimitation(multiplexer.pitch);
    object["roll"]["output_limit"] = writeLimitation(multiplexer.roll);
    object["yaw"]["output_limit"] = writeLimitation(multiplexer.yaw);
    return object;
}

Json writeAlgorithm(const AlgorithmOptions& options) {
    Json object = Json::object();
    Json& g = object["g"];
    g["enableCorrection"] = options.enableCorrection;
    g["removeVerticalComponent"] = options.removeVerticalComponent;
    Json& transformations = object["transformations"];
    transformations["enableAccMatrix"] = options.enableAccMatrix;
    transformations["enableAccMatrixTranslationBefore"] = options.enableAccMatrixTranslationBefore;
    transformations["enableAccMatrixTranslationAfter"] = options.enableAccMatrixTranslationAfter;
    transformations["enableVelocityMatrix"] = options.enableVelocityMatrix;
    transformations["enableVelocityMatrixTranslationBefore"] =
        options.enableVelocityMatrixTranslationBefore;
    transformations["enableVelocityMatrixTranslationAfter"] =
        options.enableVelocityMatrixTranslationAfter;
    object["highpassUseFreshDataOnly"] = options.highpassUseFreshDataOnly;
    return object;
}

} // namespace

void writeConfig(const Config& config, Json& document) {
    document = Json::object();
    document["version"] = 1;
    document["lateral_acceleration_and_roll_rate"] = writeAxis(config.lateral);
    document["longitudinal_acceleration_and_pitch_rate"] = writeAxis(config.longitudinal);
    document["vertical_acceleration_and_yaw_rate"] = writeAxis(config.vertical);
    document["absolute"]["pitch"] = writeAbsolutePath(config.absolutePitch);
    document["absolute"]["roll"] = writeAbsolutePath(config.absoluteRoll);
    document["mixer"] = writeMixer(config.mixer);
    document["enhancer"] = writeEnhancer(config.enhancer);
    document["understeer"] = writeUndersteer(config.understeer);
    document["multiplexer"] = writeMultiplexer(config.multiplexer);
    document["algorithm"] = writeAlgorithm(config.algorithm);
}
