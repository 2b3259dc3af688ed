// Older documents lack whole sections; the values filled in for them decide how the algorithm
// behaves after the first save, so each fallback is checked value by value.
#include "ConfigTestSupport.h"
#include "config/ConfigReader.h"

#include <gtest/gtest.h>

namespace {

Config read(const Json& document) {
    Config config = distinctConfig(0);
    readConfig(document, config);
    return config;
}

std::string readError(const Json& document) {
    return errorText([&] { read(document); });
}

void expectBoth(const FloatPair& pair, float value) {
    EXPECT_EQ(pair[0], value);
    EXPECT_EQ(pair[1], value);
}

void expectDefaultOutputFilter(const FilterConfig& filter) {
    expectBoth(filter.cutoff, 0.5f);
    expectBoth(filter.cutoffStart, 0.025f);
    expectBoth(filter.cutoffEnd, 1.1f);
    EXPECT_EQ(filter.type, KEOFilterType::LowPass);
}

void expectDefaultOutputLimit(const Limitation& limit) {
    expectBoth(limit.limitationFactor, 1.0f);
    EXPECT_EQ(limit.type, KEOLimitationType::Gain);
    expectBoth(limit.maxValueFactor, 100.0f);
}

void expectEnhancerInputLimit(const SignalLimitation& limit) {
    expectBoth(limit.maxValue, 1.0f);
    expectBoth(limit.limitationFactor, 1.0f);
    EXPECT_EQ(limit.type, KEOLimitationType::None);
}

Json& lateral(Json& document) {
    return document["lateral_acceleration_and_roll_rate"];
}

} // namespace

TEST(ReaderV0, AbsentSectionsTakeTheirDefaults) {
    const Config config = read(minimalV0Document());

    for (const AbsoluteAngleConfig* path : {&config.absolutePitch, &config.absoluteRoll}) {
        EXPECT_FALSE(path->enabled);
        expectBoth(path->inputLimit.maxValue, 1.5707964f);
        expectBoth(path->inputLimit.limitationFactor, 1.0f);
        EXPECT_EQ(path->inputLimit.type, KEOLimitationType::Gain);
        expectBoth(path->outputFilter.cutoff, 13.2f);
        expectBoth(path->outputFilter.cutoffStart, 0.66f);
        expectBoth(path->outputFilter.cutoffEnd, 29.04f);
        EXPECT_EQ(path->outputFilter.type, KEOFilterType::LowPass);
        expectDefaultOutputLimit(path->outputLimit);
    }
    for (const MixerPathConfig* path : {&config.mixer.heaveToPitch, &config.mixer.surgeToPitch,
                                        &config.mixer.swayToRoll, &config.mixer.yawToRoll}) {
        EXPECT_FALSE(path->enabled);
        expectDefaultOutputFilter(path->outputFilter);
        expectDefaultOutputLimit(path->outputLimit);
    }
    for (const Limitation* limit :
         {&config.multiplexer.surge, &config.multiplexer.sway, &config.multiplexer.heave,
          &config.multiplexer.pitch, &config.multiplexer.roll, &config.multiplexer.yaw}) {
        expectDefaultOutputLimit(*limit);
    }
}

TEST(ReaderV0, AbsentEnhancerTakesItsDefaults) {
    const EnhancerConfig enhancer = read(minimalV0Document()).enhancer;
    const RoadHarshnessConfig& road = enhancer.roadHarshness;
    EXPECT_FALSE(road.enabled);
    expectEnhancerInputLimit(road.inputLimit);
    expectBoth(road.highpassFilter.cutoff, 1.0f);
    expectBoth(road.highpassFilter.cutoffStart, 0.05f);
    expectBoth(road.highpassFilter.cutoffEnd, 2.2f);
    EXPECT_EQ(road.highpassFilter.type, KEOFilterType::HighPass);
    expectDefaultOutputFilter(road.outputFilter);
    expectDefaultOutputLimit(road.outputLimit);

    for (const SideslipPathConfig* path : {&enhancer.sideslipToYaw, &enhancer.sideslipToRoll}) {
        EXPECT_FALSE(path->enabled);
        expectBoth(path->maximumRate, 0.0f);
        expectBoth(path->highpassFilter.cutoff, 0.0f);
        expectBoth(path->highpassFilter.cutoffEnd, 0.0f);
        EXPECT_EQ(path->highpassFilter.type, KEOFilterType::HighPass);
        expectEnhancerInputLimit(path->inputLimit);
        expectDefaultOutputFilter(path->outputFilter);
        expectDefaultOutputLimit(path->outputLimit);
    }
    expectBoth(enhancer.sideslipPivotLongitudinalOffset, 0.0f);
}

TEST(ReaderV0, SectionsTheFormatLacksStayZero) {
    Json document = minimalV0Document();
    document["understeer"] = "never read";
    lateral(document)["travel"]["bypassAccIntegration"] = true;
    const Config config = read(document);

    Config unread = zeroConfig();
    unread.understeer = config.understeer;
    unread.mixer.roadHarshnessToPitch = config.mixer.roadHarshnessToPitch;
    unread.mixer.roadHarshnessToSurge = config.mixer.roadHarshnessToSurge;
    unread.lateral.accelerationInputLimit = config.lateral.accelerationInputLimit;
    unread.lateral.angularRateInputLimit = config.lateral.angularRateInputLimit;
    unread.lateral.tiltCoordinationInputLimit = config.lateral.tiltCoordinationInputLimit;
    unread.lateral.travel.bypassAccIntegration = config.lateral.travel.bypassAccIntegration;
    EXPECT_EQ(describe(unread), describe(zeroConfig()));
}

TEST(ReaderV0, AlgorithmOptionsDefaultsAndPartialSections) {
    const AlgorithmOptions defaults = read(minimalV0Document()).algorithm;
    EXPECT_TRUE(defaults.enableCorrection);
    EXPECT_TRUE(defaults.removeVerticalComponent);
    EXPECT_TRUE(defaults.enableAccMatrix);
    EXPECT_TRUE(defaults.enableAccMatrixTranslationBefore);
    EXPECT_TRUE(defaults.enableAccMatrixTranslationAfter);
    EXPECT_TRUE(defaults.enableVelocityMatrix);
    EXPECT_FALSE(defaults.enableVelocityMatrixTranslationBefore);
    EXPECT_FALSE(defaults.enableVelocityMatrixTranslationAfter);
    EXPECT_FALSE(defaults.highpassUseFreshDataOnly);

    Json document = minimalV0Document();
    document["algorithm"] = Json::parse(R"({
        "g": {"enableCorrection": false, "removeVerticalComponent": true},
        "transformations": {"enableAccMatrix": false, "enableVelocityMatrix": false,
                            "enableAccMatrixTranslationAfter": false,
                            "enableVelocityMatrixTranslationBefore": true}})");
    const AlgorithmOptions partial = read(document).algorithm;
    EXPECT_FALSE(partial.enableCorrection);
    EXPECT_TRUE(partial.removeVerticalComponent);
    EXPECT_FALSE(partial.enableAccMatrix);
    EXPECT_FALSE(partial.enableVelocityMatrix);
    EXPECT_TRUE(partial.enableAccMatrixTranslationBefore);
    EXPECT_FALSE(partial.enableAccMatrixTranslationAfter);
    EXPECT_TRUE(partial.enableVelocityMatrixTranslationBefore);
    EXPECT_FALSE(partial.enableVelocityMatrixTranslationAfter);
    EXPECT_FALSE(partial.highpassUseFreshDataOnly);

    document["algorithm"]["highpassUseFreshDataOnly"] = true;
    EXPECT_TRUE(read(document).algorithm.highpassUseFreshDataOnly);
    document["algorithm"]["transformations"].erase("enableVelocityMatrix");
    EXPECT_EQ(readError(document),
              "[json.exception.out_of_range.403] key 'enableVelocityMatrix' not found");
    document["algorithm"] = false;
    EXPECT_EQ(readError(document), "[json.exception.type_error.305] cannot use operator[] with a "
                                   "string argument with boolean");
}

TEST(ReaderV0, OutputsFromTheirOlderLocations) {
    Json document = minimalV0Document();
    Json& axis = lateral(document);
    const Json combined =
        Json::parse(R"({"cutoffFrequency": 9, "name": "high_pass", "limitationFactor": 4,
                        "limitation": "atan", "maxValueFactor": 50})");
    axis["acceleration_to_angle"]["angle_filter"] = combined;
    axis["angular_velocity"]["angle_output_filter"] = combined;
    axis["travel"]["travel_output_filter"] = combined;
    axis["output_filters"]["travel"] = Json::parse(
        R"({"cutoffFrequency": 2, "name": "none", "limitationFactor": 1, "limitation": "none"})");
    Config config = read(document);
    for (const auto& [filter, limit] :
         {std::pair{config.lateral.tiltCoordination.outputFilter,
                    config.lateral.tiltCoordination.outputLimit},
          std::pair{config.lateral.angularVelocity.outputFilter,
                    config.lateral.angularVelocity.outputLimit},
          std::pair{config.lateral.travel.outputFilter, config.lateral.travel.outputLimit}}) {
        expectBoth(filter.cutoff, 9.0f);
        expectBoth(filter.cutoffEnd, 19.800001f); // 9 times 2.2 in single precision
        EXPECT_EQ(filter.type, KEOFilterType::HighPass);
        expectBoth(limit.limitationFactor, 4.0f);
        EXPECT_EQ(limit.type, KEOLimitationType::Atan);
        expectBoth(limit.maxValueFactor, 50.0f);
    }
    // The tilt path reads its cutoff-only filter from "acceleration_filter", not "angle_filter".
    expectBoth(config.lateral.tiltCoordination.accelerationFilter.cutoff, 0.6f);

    axis["travel"].erase("travel_output_filter");
    config = read(document);
    expectBoth(config.lateral.travel.outputFilter.cutoff, 2.0f);
    EXPECT_EQ(config.lateral.travel.outputFilter.type, KEOFilterType::None);
    EXPECT_EQ(config.lateral.travel.outputLimit.type, KEOLimitationType::None);

    axis["output_filters"] = Json::object();
    expectBoth(read(document).lateral.travel.outputFilter.cutoff, 4.0f);

    axis["angular_velocity"].erase("angle_output_filter");
    expectBoth(read(document).lateral.angularVelocity.outputFilter.cutoff, 8.0f);
    axis["angular_velocity"].erase("output_filter");
    config = read(document);
    expectBoth(config.lateral.angularVelocity.outputFilter.cutoff, 0.0f);
    EXPECT_EQ(config.lateral.angularVelocity.outputLimit.type, KEOLimitationType::None);
    expectBoth(config.lateral.angularVelocity.angleFilter.cutoff, 0.8f);
}

TEST(ReaderV0, OptionalAxisParts) {
    Json document = minimalV0Document();
    document["vertical_acceleration_and_yaw_rate"].erase("acceleration_to_angle");
    const Config config = read(document);
    Config tiltOnly = zeroConfig();
    tiltOnly.vertical.tiltCoordination = config.vertical.tiltCoordination;
    EXPECT_EQ(describe(tiltOnly), describe(zeroConfig()));
    EXPECT_TRUE(config.lateral.tiltCoordination.enabled);

    document["longitudinal_acceleration_and_pitch_rate"].erase("acceleration_to_angle");
    EXPECT_EQ(readError(document),
              "[json.exception.out_of_range.403] key 'acceleration_to_angle' not found");

    document = minimalV0Document();
    const Json input =
        Json::parse(R"({"maxValue": 2, "limitationFactor": 1, "limitation": "gain"})");
    lateral(document)["tiltCoordination_input_limit"] = input;
    expectBoth(read(document).lateral.tiltCoordinationInputLimit.maxValue, 2.0f);
    lateral(document)["acceleration_input_limit"] = input;
    EXPECT_EQ(readError(document),
              "[json.exception.out_of_range.403] key 'angularRate_input_limit' not found");
    lateral(document)["angularRate_input_limit"] = input;
    EXPECT_EQ(read(document).lateral.angularRateInputLimit.type, KEOLimitationType::Gain);
}

TEST(ReaderV0, PresentSectionsReadOnlyTheirOlderKeys) {
    Json document = minimalV0Document();
    const Json path = Json::parse(R"({"enabled": true,
        "input_limit": {"maxValue": 3, "limitationFactor": 1, "limitation": "none"},
        "output_filter": {"cutoffFrequency": 2, "name": "low_pass"},
        "output_limit": {"limitationFactor": 1, "limitation": "gain"},
        "maximum_rate": 7, "highpass_filter": {"cutoffFrequency": 7}})");
    document["enhancer"]["roadHarshness"] = path;
    document["enhancer"]["roadHarshness"]["highpass_filter"] =
        Json::parse(R"({"cutoffFrequency": 3})");
    document["enhancer"]["sideslip"]["toYaw"] = path;
    document["enhancer"]["sideslip"]["toRoll"] = path;
    document["enhancer"]["sideslip"]["pivotPoint"] = 1.5f;
    EXPECT_EQ(readError(document), "[json.exception.type_error.304] cannot use at() with number");

    document["enhancer"]["sideslip"]["pivotPoint"] = Json::parse(R"({"longitudinalOffset": 1.5})");
    const Config config = read(document);
    expectBoth(config.enhancer.sideslipPivotLongitudinalOffset, 1.5f);
    expectBoth(config.enhancer.sideslipToYaw.maximumRate, 0.0f);
    expectBoth(config.enhancer.sideslipToRoll.highpassFilter.cutoff, 0.0f);
    expectBoth(config.enhancer.roadHarshness.highpassFilter.cutoff, 3.0f);
    EXPECT_TRUE(config.enhancer.sideslipToRoll.enabled);

    document["multiplexer"] = Json::object();
    EXPECT_EQ(readError(document), "[json.exception.out_of_range.403] key 'surge' not found");
    document["absolute"] = Json::object({{"pitch", path}});
    EXPECT_EQ(readError(document), "[json.exception.out_of_range.403] key 'roll' not found");
}
