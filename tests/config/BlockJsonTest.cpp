// Block encodings are shared by every path of the file format: a fault here corrupts every file.
#include "config/BlockJson.h"

#include "ConfigTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

FloatPair pairOf(const char* text) {
    return readFloatPair(Json::parse(text));
}

std::string pairError(const char* text) {
    return errorText([&] { readFloatPair(Json::parse(text)); });
}

void expectPair(const FloatPair& pair, float first, float second) {
    EXPECT_EQ(pair[KEOParamSet::First], first);
    EXPECT_EQ(pair[KEOParamSet::Second], second);
}

} // namespace

TEST(BlockJson, FloatPairTakesTwoElementsOrOneValueForBoth) {
    expectPair(pairOf("[1, 3]"), 1.0f, 3.0f);
    expectPair(pairOf("[-2, 18446744073709551615]"), -2.0f, 18446744073709551615.0f);
    expectPair(pairOf("2"), 2.0f, 2.0f);
    expectPair(pairOf("-0.3"), -0.3f, -0.3f);
}

TEST(BlockJson, FloatPairRejectsEveryOtherShape) {
    const std::string numberError = "[json.exception.type_error.302] type must be number, but is ";
    EXPECT_EQ(pairError("[1, 2, 3]"), numberError + "array");
    EXPECT_EQ(pairError("[5]"), numberError + "array");
    EXPECT_EQ(pairError("\"1\""), numberError + "string");
    EXPECT_EQ(pairError("null"), numberError + "null");
    EXPECT_EQ(pairError("true"), numberError + "boolean");
    EXPECT_EQ(pairError("{}"), numberError + "object");
    EXPECT_EQ(pairError("[null, 1]"), numberError + "null");
    EXPECT_EQ(pairError("[1, [2, 3]]"), numberError + "array");
    EXPECT_EQ(pairError(R"({"a": 1, "b": 2})"),
              "[json.exception.type_error.305] cannot use operator[] with a numeric argument "
              "with object");
}

// A number that is not finite in single precision would be saved as null, and the saved file
// could then never be loaded again.
TEST(BlockJson, FloatPairRejectsNonFiniteNumbers) {
    const std::string rangeError = "Number is out of single-precision range";
    const float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(errorText<std::runtime_error>([&] { readFloatPair(Json(infinity)); }), rangeError);
    EXPECT_EQ(errorText<std::runtime_error>([&] {
                  readFloatPair(Json::array({1.0f, std::nanf("")}));
              }),
              rangeError);
    EXPECT_EQ(errorText<std::runtime_error>([&] {
                  readFloatPair(Json::array({-infinity, 1.0f}));
              }),
              rangeError);
}

TEST(BlockJson, FullFilterDerivesTheCutoffRangeFromTheCutoff) {
    const FilterConfig single =
        readFilterConfig(Json::parse(R"({"cutoffFrequency": 2, "name": "low_pass"})"));
    expectPair(single.cutoff, 2.0f, 2.0f);
    expectPair(single.cutoffStart, 0.1f, 0.1f);
    expectPair(single.cutoffEnd, 4.4f, 4.4f);
    EXPECT_EQ(single.type, KEOFilterType::LowPass);

    const FilterConfig pair = readFilterConfig(
        Json::parse(R"({"cutoffFrequency": [1, 3], "cutoffFrequencyStart": 0.5, "name": "none"})"));
    expectPair(pair.cutoffStart, 0.5f, 0.5f);
    expectPair(pair.cutoffEnd, 2.2f, 6.6000004f);
    EXPECT_EQ(pair.type, KEOFilterType::None);

    const FilterConfig explicitEnd = readFilterConfig(Json::parse(
        R"({"cutoffFrequency": 1, "cutoffFrequencyEnd": [7, 8], "name": "high_pass"})"));
    expectPair(explicitEnd.cutoffStart, 0.05f, 0.05f);
    expectPair(explicitEnd.cutoffEnd, 7.0f, 8.0f);
    EXPECT_EQ(explicitEnd.type, KEOFilterType::HighPass);
}

TEST(BlockJson, FullFilterReportsMissingAndMistypedMembers) {
    const auto filterError = [](const char* text) {
        return errorText([&] { readFilterConfig(Json::parse(text)); });
    };
    EXPECT_EQ(filterError("[1, 2]"), "[json.exception.type_error.304] cannot use at() with array");
    EXPECT_EQ(filterError(R"({"name": "none"})"),
              "[json.exception.out_of_range.403] key 'cutoffFrequency' not found");
    EXPECT_EQ(filterError(R"({"cutoffFrequency": 1})"),
              "[json.exception.out_of_range.403] key 'name' not found");
    EXPECT_EQ(filterError(R"({"cutoffFrequency": 1, "name": 0})"),
              "[json.exception.type_error.302] type must be string, but is number");
}

TEST(BlockJson, FilterNamesMatchExactly) {
    const auto nameError = [](const char* name) {
        return errorText<std::runtime_error>([&] { filterTypeFromName(name); });
    };
    EXPECT_EQ(nameError("High_pass"), "Uknown filter type: High_pass");
    EXPECT_EQ(nameError("highpass"), "Uknown filter type: highpass");
    EXPECT_EQ(nameError("low_pass "), "Uknown filter type: low_pass ");
    EXPECT_EQ(nameError(""), "Uknown filter type: ");

    EXPECT_STREQ(filterTypeName(KEOFilterType::HighPass), "high_pass");
    EXPECT_STREQ(filterTypeName(KEOFilterType::LowPass), "low_pass");
    EXPECT_STREQ(filterTypeName(KEOFilterType::None), "none");
    EXPECT_STREQ(filterTypeName(KEOFilterType::HighPassDelta), "none");
    EXPECT_STREQ(filterTypeName(KEOFilterType::Count), "none");
}

TEST(BlockJson, CutoffOnlyFilterIgnoresNameAndRange) {
    const FilterConfig filter = readCutoffOnlyFilter(
        Json::parse(R"({"cutoffFrequency": [1, 2], "name": "bogus", "cutoffFrequencyStart": 7})"),
        KEOFilterType::HighPassDelta);
    expectPair(filter.cutoff, 1.0f, 2.0f);
    expectPair(filter.cutoffStart, 0.0f, 0.0f);
    expectPair(filter.cutoffEnd, 0.0f, 0.0f);
    EXPECT_EQ(filter.type, KEOFilterType::HighPassDelta);
    EXPECT_EQ(writeCutoffOnlyFilter(filter).dump(), R"({"cutoffFrequency":[1.0,2.0]})");
}

TEST(BlockJson, LimitationReadsOldNamesAndDefaultsTheMaximum) {
    const Limitation limitation =
        readLimitation(Json::parse(R"({"limitationFactor": [2, 3], "limitation": "exp"})"));
    expectPair(limitation.limitationFactor, 2.0f, 3.0f);
    EXPECT_EQ(limitation.type, KEOLimitationType::Logistic);
    expectPair(limitation.maxValueFactor, 100.0f, 100.0f);
    EXPECT_EQ(writeLimitation(limitation).dump(),
              R"({"limitation":"logistic","limitationFactor":[2.0,3.0]})");

    EXPECT_EQ(limitationTypeFromName("logistic"), KEOLimitationType::Logistic);
    EXPECT_EQ(limitationTypeFromName("atan"), KEOLimitationType::Atan);
    EXPECT_EQ(limitationTypeFromName("gain"), KEOLimitationType::Gain);
    EXPECT_EQ(limitationTypeFromName("none"), KEOLimitationType::None);
    EXPECT_STREQ(limitationTypeName(KEOLimitationType::Count), "none");
}

TEST(BlockJson, LimitationsReadTheirKeysInOrder) {
    const auto limitationError = [](const char* text) {
        return errorText([&] { readLimitation(Json::parse(text)); });
    };
    EXPECT_EQ(limitationError(R"({"limitation": "bogus"})"),
              "[json.exception.out_of_range.403] key 'limitationFactor' not found");
    EXPECT_EQ(limitationError(R"({"limitationFactor": 1, "limitation": "Gain"})"),
              "Unknown limitation type: Gain");
    EXPECT_EQ(
        limitationError(R"({"limitationFactor": 1, "limitation": "gain", "maxValueFactor": "x"})"),
        "[json.exception.type_error.302] type must be number, but is string");

    const auto signalError = [](const char* text) {
        return errorText([&] { readSignalLimitation(Json::parse(text)); });
    };
    EXPECT_EQ(signalError("7"), "[json.exception.type_error.304] cannot use at() with number");
    EXPECT_EQ(signalError(R"({"limitationFactor": 1, "limitation": "none"})"),
              "[json.exception.out_of_range.403] key 'maxValue' not found");
    EXPECT_EQ(signalError(R"({"maxValue": 1, "limitation": "none"})"),
              "[json.exception.out_of_range.403] key 'limitationFactor' not found");
    EXPECT_EQ(signalError(R"({"maxValue": 1, "limitationFactor": 1, "limitation": true})"),
              "[json.exception.type_error.302] type must be string, but is boolean");
}

TEST(BlockJson, MaxValueFactorIsLeftOutOnlyWhenBothAreOneHundred) {
    const auto written = [](float first, float second) {
        return writeLimitation(
                   {FloatPair::both(1.0f), KEOLimitationType::Gain, FloatPair{{first, second}}})
            .dump();
    };
    EXPECT_EQ(written(100.0f, 100.0f), R"({"limitation":"gain","limitationFactor":[1.0,1.0]})");
    // Within the single-precision fuzzy tolerance of 100.
    EXPECT_EQ(written(100.0005f, 99.9995f),
              R"({"limitation":"gain","limitationFactor":[1.0,1.0]})");
    EXPECT_EQ(
        written(100.0f, 50.0f),
        R"({"limitation":"gain","limitationFactor":[1.0,1.0],"maxValueFactor":[100.0,50.0]})");
    EXPECT_EQ(
        written(100.01f, 100.0f),
        R"({"limitation":"gain","limitationFactor":[1.0,1.0],"maxValueFactor":[100.01,100.0]})");
}

TEST(BlockJson, SignalLimitationAndFullFilterWriteEveryMember) {
    const SignalLimitation input{FloatPair{{1.5f, 2.0f}}, FloatPair::both(0.5f),
                                 KEOLimitationType::Atan};
    EXPECT_EQ(writeSignalLimitation(input).dump(),
              R"({"limitation":"atan","limitationFactor":[0.5,0.5],"maxValue":[1.5,2.0]})");
    const FilterConfig filter{FloatPair{{3.0f, 4.0f}}, FloatPair::both(9.0f), FloatPair::both(9.0f),
                              KEOFilterType::LowPass};
    EXPECT_EQ(writeFilterConfig(filter).dump(),
              R"({"cutoffFrequency":[3.0,4.0],"name":"low_pass"})");
}
