// Version dispatch and the optional parts of the current format: files written by older tools
// of this format must still load, and malformed ones must fail with a message the user can act on.
#include "ConfigTestSupport.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"

#include <gtest/gtest.h>

namespace {

Json writtenDocument(const Config& config) {
    Json document;
    writeConfig(config, document);
    return document;
}

Config read(const Json& document) {
    Config config = distinctConfig(1);
    readConfig(document, config);
    return config;
}

std::string readError(const Json& document) {
    return errorText([&] { read(document); });
}

// A current document whose sideslip rate tells the version that read it: version 0 ignores it.
Json documentWithSideslipRate() {
    Config config = zeroConfig();
    config.enhancer.sideslipToYaw.maximumRate = FloatPair::both(5.0f);
    return writtenDocument(config);
}

} // namespace

TEST(ReadConfigVersion, VersionSelectsTheReader) {
    Json document = documentWithSideslipRate();
    document["version"] = 1.9f;
    EXPECT_EQ(read(document).enhancer.sideslipToYaw.maximumRate[0], 5.0f);
    document["version"] = 0.5f;
    EXPECT_EQ(read(document).enhancer.sideslipToYaw.maximumRate[0], 0.0f);
    document.erase("version");
    EXPECT_EQ(read(document).enhancer.sideslipToYaw.maximumRate[0], 0.0f);
}

TEST(ReadConfigVersion, UnknownOrMistypedVersionsAreRejected) {
    Json document = documentWithSideslipRate();
    const auto versionError = [&document](const Json& version) {
        document["version"] = version;
        return readError(document);
    };
    EXPECT_EQ(versionError(-1), "Unknown config version number: -1");
    EXPECT_EQ(versionError(2), "Unknown config version number: 2");
    EXPECT_EQ(versionError(-1.5f), "Unknown config version number: -1");
    // Beyond the 32-bit range a floating version cannot name a known format.
    EXPECT_EQ(versionError(1e10f), "Unknown config version number: -2147483648");
    const std::string numberError = "[json.exception.type_error.302] type must be number, but is ";
    EXPECT_EQ(versionError(true), numberError + "boolean");
    EXPECT_EQ(versionError("1"), numberError + "string");
    EXPECT_EQ(versionError(nullptr), numberError + "null");
    EXPECT_EQ(versionError(Json::array({1})), numberError + "array");
}

TEST(ReadConfigVersion, DocumentsThatAreNotObjectsFailAsVersionZero) {
    EXPECT_EQ(
        readError(Json::object()),
        "[json.exception.out_of_range.403] key 'lateral_acceleration_and_roll_rate' not found");
    EXPECT_EQ(readError(Json::array({1, 2})),
              "[json.exception.type_error.304] cannot use at() with array");
    EXPECT_EQ(readError(Json("text")),
              "[json.exception.type_error.304] cannot use at() with string");
    EXPECT_EQ(readError(Json()), "[json.exception.type_error.304] cannot use at() with null");
}

TEST(ReaderV1, OptionalSectionsStayZeroWhenAbsent) {
    Json document = writtenDocument(distinctConfig(0));
    document.erase("understeer");
    document["mixer"].erase("roadHarshnessToSurge");
    Json& toYaw = document["enhancer"]["sideslip"]["toYaw"];
    toYaw.erase("maximum_rate");
    toYaw.erase("highpass_filter");
    const Config config = read(document);

    const Config zero = zeroConfig();
    Config expectedUndersteer = zero;
    expectedUndersteer.understeer = config.understeer;
    EXPECT_EQ(describe(expectedUndersteer), describe(zero));
    EXPECT_EQ(config.mixer.roadHarshnessToSurge.outputFilter.type, KEOFilterType::HighPass);
    EXPECT_EQ(config.mixer.roadHarshnessToSurge.outputLimit.type, KEOLimitationType::None);
    EXPECT_EQ(config.mixer.roadHarshnessToSurge.outputLimit.maxValueFactor[0], 0.0f);
    EXPECT_FALSE(config.mixer.roadHarshnessToSurge.enabled);
    EXPECT_NE(config.mixer.roadHarshnessToPitch.outputFilter.cutoff[0], 0.0f);

    EXPECT_EQ(config.enhancer.sideslipToYaw.maximumRate[0], 999.0f);
    EXPECT_EQ(config.enhancer.sideslipToYaw.maximumRate[1], 999.0f);
    EXPECT_EQ(config.enhancer.sideslipToYaw.highpassFilter.cutoff[1], 0.0f);
    EXPECT_NE(config.enhancer.sideslipToRoll.maximumRate[0], 999.0f);
}

TEST(ReaderV1, OptionalSectionsPresentButIncompleteAreErrors) {
    Json document = writtenDocument(zeroConfig());
    document["mixer"]["roadHarshnessToPitch"].erase("enabled");
    EXPECT_EQ(readError(document), "[json.exception.out_of_range.403] key 'enabled' not found");

    document = writtenDocument(zeroConfig());
    document["understeer"] = 5;
    EXPECT_EQ(readError(document), "[json.exception.type_error.304] cannot use at() with number");
}

TEST(ReaderV1, UndersteerPathsAndYawRateFilterNames) {
    Config original = zeroConfig();
    original.understeer.toRoll.enabled = true;
    Json document = writtenDocument(original);
    EXPECT_TRUE(read(document).understeer.toRoll.enabled);
    EXPECT_FALSE(read(document).understeer.toYaw.enabled);

    Json& understeer = document["understeer"];
    understeer["yawRate_filter"] = Json::parse(R"({"cutoffFrequency": 3, "name": "bogus"})");
    understeer["swayAcceleration_filter"] = Json::parse(R"({"cutoffFrequency": 7})");
    EXPECT_EQ(read(document).understeer.yawRateFilter.cutoff[0], 3.0f);
    understeer.erase("yawRate_filter");
    EXPECT_EQ(read(document).understeer.yawRateFilter.cutoff[0], 7.0f);
    EXPECT_EQ(read(document).understeer.yawRateFilter.type, KEOFilterType::LowPass);
    understeer.erase("swayAcceleration_filter");
    EXPECT_EQ(read(document).understeer.yawRateFilter.cutoff[0], 0.0f);
}

TEST(ReaderV1, RequiredKeysReportTheInnermostMissingKey) {
    Json document = writtenDocument(zeroConfig());
    document["vertical_acceleration_and_yaw_rate"]["travel"]["output_limit"].erase(
        "limitationFactor");
    EXPECT_EQ(readError(document),
              "[json.exception.out_of_range.403] key 'limitationFactor' not found");

    document = writtenDocument(zeroConfig());
    document["absolute"]["roll"] = Json::array();
    EXPECT_EQ(readError(document), "[json.exception.type_error.304] cannot use at() with array");

    document = writtenDocument(zeroConfig());
    document["lateral_acceleration_and_roll_rate"]["travel"]["enabled"] = 1;
    EXPECT_EQ(readError(document),
              "[json.exception.type_error.302] type must be boolean, but is number");

    document = writtenDocument(zeroConfig());
    document["enhancer"]["roadHarshness"]["output_filter"]["name"] = "Low_pass";
    EXPECT_EQ(readError(document), "Uknown filter type: Low_pass");
}

TEST(ReaderV1, AlgorithmSwitches) {
    Json document = writtenDocument(zeroConfig());
    document["algorithm"]["transformations"]["enableVelocityMatrixTranslationAfter"] = true;
    document["algorithm"]["highpassUseFreshDataOnly"] = true;
    const AlgorithmOptions options = read(document).algorithm;
    EXPECT_TRUE(options.enableVelocityMatrixTranslationAfter);
    EXPECT_TRUE(options.highpassUseFreshDataOnly);
    EXPECT_FALSE(options.enableVelocityMatrixTranslationBefore);

    document["algorithm"] = 5;
    EXPECT_EQ(readError(document), "[json.exception.type_error.305] cannot use operator[] with a "
                                   "string argument with number");
    document["algorithm"] = Json::parse(R"({"g": [true, false]})");
    EXPECT_EQ(readError(document), "[json.exception.type_error.305] cannot use operator[] with a "
                                   "string argument with array");

    document = writtenDocument(zeroConfig());
    document["algorithm"].erase("highpassUseFreshDataOnly");
    EXPECT_EQ(readError(document),
              "[json.exception.out_of_range.403] key 'highpassUseFreshDataOnly' not found");
    document.erase("algorithm");
    EXPECT_EQ(readError(document), "[json.exception.out_of_range.403] key 'algorithm' not found");

    document = writtenDocument(zeroConfig());
    document["algorithm"]["g"]["enableCorrection"] = 1;
    EXPECT_EQ(readError(document),
              "[json.exception.type_error.302] type must be boolean, but is number");
}

TEST(ReaderV1, BypassFlagsAreOptionalButStrict) {
    const Json document = writtenDocument(zeroConfig());
    Json axis = document.at("lateral_acceleration_and_roll_rate");
    axis["travel"]["bypassSpeedIntegration"] = true;
    AxisConfig config{};
    config.travel.bypassAccIntegration = true;
    readAxisBypassFlags(axis, config);
    EXPECT_FALSE(config.travel.bypassAccIntegration);
    EXPECT_TRUE(config.travel.bypassSpeedIntegration);
    EXPECT_FALSE(config.angularVelocity.bypassIntegration);

    axis["angular_velocity"]["bypassIntegration"] = "true";
    EXPECT_EQ(errorText([&] { readAxisBypassFlags(axis, config); }),
              "[json.exception.type_error.302] type must be boolean, but is string");
    axis.erase("angular_velocity");
    EXPECT_EQ(errorText([&] { readAxisBypassFlags(axis, config); }),
              "[json.exception.out_of_range.403] key 'angular_velocity' not found");
}
