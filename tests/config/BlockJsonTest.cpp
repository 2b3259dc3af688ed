// Block encodings are shared by every path of the file format: a fault here corrupts every file.
#include "config/BlockJson.h"

#include "ConfigTestSupport.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

Json parse(const char* text) {
    return Json::parse(text);
}

void expectPair(const FloatPair& pair, float first, float second) {
    EXPECT_EQ(pair[KEOParamSet::First], first);
    EXPECT_EQ(pair[KEOParamSet::Second], second);
}

const std::string typeError = "[json.exception.type_error.";
const std::string mustBeNumber = mustBe + "number, but is ";

// Reads `json` with one of the block readers, for a table of malformed blocks.
template <auto reader> std::function<void()> reading(const Json& json) {
    return [json] {
        reader(json);
    };
}

TEST(BlockJson, MalformedBlocksFailWithTheirDocumentedMessage) {
    const auto pair = reading<readFloatPair>;
    const auto filter = reading<readFilterConfig>;
    const auto limit = reading<readLimitation>;
    const auto signal = reading<readSignalLimitation>;
    const float inf = std::numeric_limits<float>::infinity();
    const std::string range = "Number is out of single-precision range";
    const std::pair<std::function<void()>, std::string> cases[] = {
        {pair(parse("[1, 2, 3]")), mustBeNumber + "array"},
        {pair(parse("[5]")), mustBeNumber + "array"},
        {pair(parse("\"1\"")), mustBeNumber + "string"},
        {pair(parse("null")), mustBeNumber + "null"},
        {pair(parse("{}")), mustBeNumber + "object"},
        {pair(parse("[null, 1]")), mustBeNumber + "null"},
        {pair(parse("[1, [2, 3]]")), mustBeNumber + "array"},
        {pair(parse(R"({"a": 1, "b": 2})")),
         typeError + "305] cannot use operator[] with a numeric argument with object"},
        // Not finite in single precision would be saved as null and never load again.
        {pair(Json(inf)), range},
        {pair(Json::array({1.0f, std::nanf("")})), range},
        {pair(Json::array({-inf, 1.0f})), range},
        {filter(parse("[1, 2]")), typeError + "304] cannot use at() with array"},
        {filter(parse(R"({"name": "none"})")), missingKey + "cutoffFrequency' not found"},
        {filter(parse(R"({"cutoffFrequency": 1})")), missingKey + "name' not found"},
        {filter(parse(R"({"cutoffFrequency": 1, "name": 0})")),
         typeError + "302] type must be string, but is number"},
        {[] { filterTypeFromName("High_pass"); }, "Uknown filter type: High_pass"},
        {[] { filterTypeFromName("low_pass "); }, "Uknown filter type: low_pass "},
        {limit(parse(R"({"limitation": "bogus"})")), missingKey + "limitationFactor' not found"},
        {limit(parse(R"({"limitationFactor": 1, "limitation": "Gain"})")),
         "Unknown limitation type: Gain"},
        {limit(parse(R"({"limitationFactor": 1, "limitation": "gain", "maxValueFactor": "x"})")),
         mustBeNumber + "string"},
        {signal(parse("7")), typeError + "304] cannot use at() with number"},
        {signal(parse(R"({"limitationFactor": 1, "limitation": "none"})")),
         missingKey + "maxValue' not found"},
        {signal(parse(R"({"maxValue": 1, "limitation": "none"})")),
         missingKey + "limitationFactor' not found"},
        {signal(parse(R"({"maxValue": 1, "limitationFactor": 1, "limitation": true})")),
         typeError + "302] type must be string, but is boolean"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(errorText(cases[i].first), cases[i].second) << "case " << i;
}

TEST(BlockJson, FloatPairTakesTwoElementsOrOneValueForBoth) {
    expectPair(readFloatPair(parse("[1, 3]")), 1.0f, 3.0f);
    expectPair(readFloatPair(parse("[-2, 18446744073709551615]")), -2.0f, 18446744073709551615.0f);
    expectPair(readFloatPair(parse("2")), 2.0f, 2.0f);
    expectPair(readFloatPair(parse("-0.3")), -0.3f, -0.3f);
}

TEST(BlockJson, FullFilterDerivesTheCutoffRangeFromTheCutoff) {
    const FilterConfig single =
        readFilterConfig(parse(R"({"cutoffFrequency": 2, "name": "low_pass"})"));
    expectPair(single.cutoffStart, 0.1f, 0.1f);
    expectPair(single.cutoffEnd, 4.4f, 4.4f);
    EXPECT_EQ(single.type, KEOFilterType::LowPass);

    const FilterConfig pair = readFilterConfig(
        parse(R"({"cutoffFrequency": [1, 3], "cutoffFrequencyStart": 0.5, "name": "none"})"));
    expectPair(pair.cutoffStart, 0.5f, 0.5f);
    expectPair(pair.cutoffEnd, 2.2f, 6.6000004f);
    EXPECT_EQ(pair.type, KEOFilterType::None);

    const FilterConfig explicitEnd = readFilterConfig(
        parse(R"({"cutoffFrequency": 1, "cutoffFrequencyEnd": [7, 8], "name": "high_pass"})"));
    expectPair(explicitEnd.cutoffStart, 0.05f, 0.05f);
    expectPair(explicitEnd.cutoffEnd, 7.0f, 8.0f);
    EXPECT_EQ(explicitEnd.type, KEOFilterType::HighPass);
}

TEST(BlockJson, CutoffOnlyFilterIgnoresNameAndRange) {
    const FilterConfig filter = readCutoffOnlyFilter(
        parse(R"({"cutoffFrequency": [1, 2], "name": "bogus", "cutoffFrequencyStart": 7})"),
        KEOFilterType::HighPassDelta);
    expectPair(filter.cutoffStart, 0.0f, 0.0f);
    expectPair(filter.cutoffEnd, 0.0f, 0.0f);
    EXPECT_EQ(filter.type, KEOFilterType::HighPassDelta);
    EXPECT_EQ(writeCutoffOnlyFilter(filter).dump(), R"({"cutoffFrequency":[1.0,2.0]})");
}

TEST(BlockJson, WrittenBlocksCarryEveryMemberAndTheMaximumOnlyWhenNotOneHundred) {
    const Limitation older =
        readLimitation(parse(R"({"limitationFactor": [2, 3], "limitation": "exp"})"));
    expectPair(older.maxValueFactor, 100.0f, 100.0f);
    EXPECT_EQ(writeLimitation(older).dump(),
              R"({"limitation":"logistic","limitationFactor":[2.0,3.0]})");

    const auto written = [](float first, float second) {
        const Limitation limit{FloatPair::both(1.0f), KEOLimitationType::Gain, {{first, second}}};
        return writeLimitation(limit).dump();
    };
    const std::string plain = R"({"limitation":"gain","limitationFactor":[1.0,1.0])";
    EXPECT_EQ(written(100.0f, 100.0f), plain + "}");
    EXPECT_EQ(written(100.0005f, 99.9995f), plain + "}"); // within the fuzzy tolerance of 100
    EXPECT_EQ(written(100.0f, 50.0f), plain + R"(,"maxValueFactor":[100.0,50.0]})");
    EXPECT_EQ(written(100.01f, 100.0f), plain + R"(,"maxValueFactor":[100.01,100.0]})");

    const SignalLimitation input{{{1.5f, 2.0f}}, FloatPair::both(0.5f), KEOLimitationType::Atan};
    EXPECT_EQ(writeSignalLimitation(input).dump(),
              R"({"limitation":"atan","limitationFactor":[0.5,0.5],"maxValue":[1.5,2.0]})");
    const FilterConfig filter{
        {{3.0f, 4.0f}}, FloatPair::both(9.0f), FloatPair::both(9.0f), KEOFilterType::LowPass};
    EXPECT_EQ(writeFilterConfig(filter).dump(),
              R"({"cutoffFrequency":[3.0,4.0],"name":"low_pass"})");
}

} // namespace
