// Version dispatch and the optional parts of the current format: files written by older tools
// of this format must still load, and malformed ones must fail with a message the user can act on.
#include "ConfigTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const auto read = readOverStale;
const std::string noOperator = "[json.exception.type_error.305] cannot use operator[] with a "
                               "string argument with ";

// The sideslip rate tells which reader ran: version 0 does not read it.
TEST(ReadConfigVersion, VersionSelectsTheReader) {
    Config config = zeroConfig();
    config.enhancer.sideslipToYaw.maximumRate = FloatPair::both(5.0f);
    Json document = writtenDocument(config);
    for (const auto& [version, rate] : {std::pair{Json(1.9f), 5.0f}, {Json(0.5f), 0.0f}}) {
        document["version"] = version;
        EXPECT_EQ(read(document).enhancer.sideslipToYaw.maximumRate[0], rate) << version;
    }
    document.erase("version");
    EXPECT_EQ(read(document).enhancer.sideslipToYaw.maximumRate[0], 0.0f);
}

TEST(ReadConfigVersion, UnknownOrMistypedVersionsAreRejected) {
    const std::string unknown = "Unknown config version number: ";
    const std::pair<Json, std::string> cases[] = {
        {-1, unknown + "-1"},
        {2, unknown + "2"},
        {-1.5f, unknown + "-1"},
        {1e10f, unknown + "-2147483648"}, // beyond 32 bits no floating version names a format
        {true, mustBe + "number, but is boolean"},
        {"1", mustBe + "number, but is string"},
        {nullptr, mustBe + "number, but is null"},
        {Json::array({1}), mustBe + "number, but is array"},
    };
    Json document = writtenDocument(zeroConfig());
    for (const auto& [version, error] : cases) {
        document["version"] = version;
        EXPECT_EQ(readError(document), error) << version;
    }
    // What is not an object is read, and rejected, as version 0.
    EXPECT_EQ(readError(Json::object()),
              missingKey + "lateral_acceleration_and_roll_rate' not found");
    EXPECT_EQ(readError(Json::array({1, 2})), cannotAt + "array");
    EXPECT_EQ(readError(Json("text")), cannotAt + "string");
    EXPECT_EQ(readError(Json()), cannotAt + "null");
}

TEST(ReaderV1, MalformedMembersReportTheInnermostKey) {
    const std::pair<std::function<void(Json&)>, std::string> cases[] = {
        {[](Json& d) { d["lateral_acceleration_and_roll_rate"]["travel"]["enabled"] = 1; },
         mustBe + "boolean, but is number"},
        // Optional sections, once present, must be complete.
        {[](Json& d) { d["mixer"]["roadHarshnessToPitch"].erase("enabled"); },
         missingKey + "enabled' not found"},
        {[](Json& d) { d["understeer"] = 5; }, cannotAt + "number"},
        {[](Json& d) { d["algorithm"] = Json::parse(R"({"g": [true, false]})"); },
         noOperator + "array"},
        {[](Json& d) { d["algorithm"].erase("highpassUseFreshDataOnly"); },
         missingKey + "highpassUseFreshDataOnly' not found"},
        {[](Json& d) { d.erase("algorithm"); }, missingKey + "algorithm' not found"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Json document = writtenDocument(zeroConfig());
        cases[i].first(document);
        EXPECT_EQ(readError(document), cases[i].second) << "case " << i;
    }
}

TEST(ReaderV1, OptionalSectionsStayZeroWhenAbsent) {
    Json document = writtenDocument(distinctConfig(0));
    document.erase("understeer");
    document["mixer"].erase("roadHarshnessToSurge");
    Json& toYaw = document["enhancer"]["sideslip"]["toYaw"];
    toYaw.erase("maximum_rate");
    toYaw.erase("highpass_filter");
    const Config config = read(document);

    Config expected = zeroConfig();
    expected.understeer = config.understeer;
    EXPECT_EQ(describe(expected), describe(zeroConfig()));
    const MixerPathConfig& surge = config.mixer.roadHarshnessToSurge;
    EXPECT_EQ(surge.outputFilter.type, KEOFilterType::HighPass);
    EXPECT_EQ(surge.outputLimit.type, KEOLimitationType::None);
    EXPECT_EQ(surge.outputLimit.maxValueFactor[0], 0.0f);
    EXPECT_FALSE(surge.enabled);
    EXPECT_NE(config.mixer.roadHarshnessToPitch.outputFilter.cutoff[0], 0.0f);
    EXPECT_EQ(config.enhancer.sideslipToYaw.maximumRate[0], 999.0f);
    EXPECT_EQ(config.enhancer.sideslipToYaw.maximumRate[1], 999.0f);
    EXPECT_EQ(config.enhancer.sideslipToYaw.highpassFilter.cutoff[1], 0.0f);
    EXPECT_NE(config.enhancer.sideslipToRoll.maximumRate[0], 999.0f);
}

TEST(ReaderV1, UndersteerYawRateFilterFallsBackToItsOlderName) {
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

} // namespace
