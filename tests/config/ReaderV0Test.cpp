// Older documents lack whole sections; the values filled in for them decide how the algorithm
// behaves after the first save, so each fallback is checked value by value.
#include "ConfigTestSupport.h"

#include <gtest/gtest.h>

namespace {

const auto read = readOverStale;

FloatPair both(float value) {
    return FloatPair::both(value);
}

Json& lateral(Json& document) {
    return document["lateral_acceleration_and_roll_rate"];
}

const FilterConfig defaultOutputFilter{both(0.5f), both(0.025f), both(1.1f),
                                       KEOFilterType::LowPass};
const Limitation defaultOutputLimit{both(1.0f), KEOLimitationType::Gain, both(100.0f)};
const SignalLimitation enhancerInputLimit{both(1.0f), both(1.0f), KEOLimitationType::None};
const MixerPathConfig defaultMixerPath{false, defaultOutputFilter, defaultOutputLimit};

TEST(ReaderV0, AbsentSectionsTakeTheirDefaults) {
    const Config config = read(minimalV0Document());
    Config expected = config;
    const AbsoluteAngleConfig absolute{
        false,
        {both(1.5707964f), both(1.0f), KEOLimitationType::Gain},
        {both(13.2f), both(0.66f), both(29.04f), KEOFilterType::LowPass},
        defaultOutputLimit};
    expected.absolutePitch = absolute;
    expected.absoluteRoll = absolute;
    for (MixerPathConfig* path : {&expected.mixer.heaveToPitch, &expected.mixer.surgeToPitch,
                                  &expected.mixer.swayToRoll, &expected.mixer.yawToRoll})
        *path = defaultMixerPath;
    for (Limitation* limit :
         {&expected.multiplexer.surge, &expected.multiplexer.sway, &expected.multiplexer.heave,
          &expected.multiplexer.pitch, &expected.multiplexer.roll, &expected.multiplexer.yaw})
        *limit = defaultOutputLimit;
    expected.enhancer.roadHarshness = {
        false,
        enhancerInputLimit,
        {both(1.0f), both(0.05f), both(2.2f), KEOFilterType::HighPass},
        defaultOutputFilter,
        defaultOutputLimit};
    const SideslipPathConfig sideslip{false,
                                      both(0.0f),
                                      {both(0.0f), both(0.0f), both(0.0f), KEOFilterType::HighPass},
                                      enhancerInputLimit,
                                      defaultOutputFilter,
                                      defaultOutputLimit};
    expected.enhancer.sideslipToYaw = sideslip;
    expected.enhancer.sideslipToRoll = sideslip;
    expected.enhancer.sideslipPivotLongitudinalOffset = both(0.0f);
    expected.algorithm = {true, true, true, true, true, true, false, false, false};
    EXPECT_EQ(describe(config), describe(expected));
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

// A present "mixer" section replaces the four defaulted cross-feed paths; the road-harshness
// paths it may carry are not part of the older format and stay zero.
TEST(ReaderV0, PresentMixerSectionIsReadInsteadOfTheDefaults) {
    Json document = minimalV0Document();
    const auto path = [](int n) {
        return Json::parse(R"({"enabled": true, "output_filter": {"cutoffFrequency": )" +
                           std::to_string(n) + R"(, "name": "high_pass"},
            "output_limit": {"limitationFactor": 2, "limitation": "atan"}})");
    };
    document["mixer"] = {{"swayToRoll", path(1)},
                         {"yawToRoll", path(2)},
                         {"surgeToPitch", path(3)},
                         {"heaveToPitch", path(4)},
                         {"roadHarshnessToSurge", path(5)}};
    const Config config = read(document);
    Config expected = config;
    int n = 1;
    for (MixerPathConfig* read : {&expected.mixer.swayToRoll, &expected.mixer.yawToRoll,
                                  &expected.mixer.surgeToPitch, &expected.mixer.heaveToPitch}) {
        const float cutoff = float(n++);
        *read = {true,
                 {both(cutoff), both(cutoff * 0.05f), both(cutoff * 2.2f), KEOFilterType::HighPass},
                 {both(2.0f), KEOLimitationType::Atan, both(100.0f)}};
    }
    expected.mixer.roadHarshnessToSurge = zeroConfig().mixer.roadHarshnessToSurge;
    EXPECT_EQ(describe(config), describe(expected));

    document["mixer"].erase("yawToRoll");
    EXPECT_EQ(readError(document), missingKey + "yawToRoll' not found");
}

TEST(ReaderV0, PartialAlgorithmSectionKeepsDefaultsOnlyForTranslations) {
    Json document = minimalV0Document();
    document["algorithm"] = Json::parse(R"({
        "g": {"enableCorrection": false, "removeVerticalComponent": true},
        "transformations": {"enableAccMatrix": false, "enableVelocityMatrix": false,
                            "enableAccMatrixTranslationAfter": false,
                            "enableVelocityMatrixTranslationBefore": true}})");
    Config expected = read(minimalV0Document());
    // correction, vertical, acceleration matrix (before, after), velocity matrix (before, after),
    // fresh data only
    expected.algorithm = {false, true, false, true, false, false, true, false, false};
    EXPECT_EQ(describe(read(document)), describe(expected));

    document["algorithm"]["highpassUseFreshDataOnly"] = true;
    EXPECT_TRUE(read(document).algorithm.highpassUseFreshDataOnly);
    document["algorithm"]["transformations"].erase("enableVelocityMatrix");
    EXPECT_EQ(readError(document), missingKey + "enableVelocityMatrix' not found");
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
    Config expected = config;
    const FilterConfig filter{both(9.0f), both(9.0f * 0.05f), both(19.800001f),
                              KEOFilterType::HighPass};
    const Limitation limit{both(4.0f), KEOLimitationType::Atan, both(50.0f)};
    for (auto* path :
         {&expected.lateral.tiltCoordination.outputFilter,
          &expected.lateral.angularVelocity.outputFilter, &expected.lateral.travel.outputFilter})
        *path = filter;
    for (auto* path :
         {&expected.lateral.tiltCoordination.outputLimit,
          &expected.lateral.angularVelocity.outputLimit, &expected.lateral.travel.outputLimit})
        *path = limit;
    // The tilt path reads its cutoff-only filter from "acceleration_filter", not "angle_filter".
    expected.lateral.tiltCoordination.accelerationFilter.cutoff = both(0.6f);
    EXPECT_EQ(describe(config), describe(expected));

    axis["travel"].erase("travel_output_filter");
    config = read(document);
    EXPECT_EQ(config.lateral.travel.outputFilter.cutoff[1], 2.0f);
    EXPECT_EQ(config.lateral.travel.outputFilter.type, KEOFilterType::None);
    EXPECT_EQ(config.lateral.travel.outputLimit.type, KEOLimitationType::None);
    axis["output_filters"] = Json::object();
    EXPECT_EQ(read(document).lateral.travel.outputFilter.cutoff[1], 4.0f);
    axis["angular_velocity"].erase("angle_output_filter");
    EXPECT_EQ(read(document).lateral.angularVelocity.outputFilter.cutoff[1], 8.0f);
    axis["angular_velocity"].erase("output_filter");
    config = read(document);
    EXPECT_EQ(config.lateral.angularVelocity.outputFilter.cutoff[1], 0.0f);
    EXPECT_EQ(config.lateral.angularVelocity.outputLimit.type, KEOLimitationType::None);
    EXPECT_EQ(config.lateral.angularVelocity.angleFilter.cutoff[1], 0.8f);
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
    EXPECT_EQ(readError(document), missingKey + "acceleration_to_angle' not found");

    document = minimalV0Document();
    const Json input =
        Json::parse(R"({"maxValue": 2, "limitationFactor": 1, "limitation": "gain"})");
    lateral(document)["tiltCoordination_input_limit"] = input;
    EXPECT_EQ(read(document).lateral.tiltCoordinationInputLimit.maxValue[1], 2.0f);
    lateral(document)["acceleration_input_limit"] = input;
    EXPECT_EQ(readError(document), missingKey + "angularRate_input_limit' not found");
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
    Json& enhancer = document["enhancer"];
    enhancer["roadHarshness"] = path;
    enhancer["roadHarshness"]["highpass_filter"] = Json::parse(R"({"cutoffFrequency": 3})");
    enhancer["sideslip"]["toYaw"] = path;
    enhancer["sideslip"]["toRoll"] = path;
    enhancer["sideslip"]["pivotPoint"] = 1.5f;
    EXPECT_EQ(readError(document), "[json.exception.type_error.304] cannot use at() with number");

    enhancer["sideslip"]["pivotPoint"] = Json::parse(R"({"longitudinalOffset": 1.5})");
    const Config config = read(document);
    EXPECT_EQ(config.enhancer.sideslipPivotLongitudinalOffset[1], 1.5f);
    EXPECT_EQ(config.enhancer.sideslipToYaw.maximumRate[1], 0.0f);
    EXPECT_EQ(config.enhancer.sideslipToRoll.highpassFilter.cutoff[1], 0.0f);
    EXPECT_EQ(config.enhancer.roadHarshness.highpassFilter.cutoff[1], 3.0f);
    EXPECT_TRUE(config.enhancer.sideslipToRoll.enabled);

    document["multiplexer"] = Json::object();
    EXPECT_EQ(readError(document), missingKey + "surge' not found");
    document["absolute"] = Json::object({{"pitch", path}});
    EXPECT_EQ(readError(document), missingKey + "roll' not found");
}

} // namespace
