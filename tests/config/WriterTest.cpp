// The written text is what users keep in version control: its member order and number format must
// not drift, or every save would show as a change.
#include "ConfigTestSupport.h"
#include "config/ConfigFields.h"
#include "config/ConfigWriter.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

Json written(const Config& config) {
    Json document;
    writeConfig(config, document);
    return document;
}

} // namespace

// Key order is the document's own (sorted); what the writer decides is the integer version.
TEST(ConfigWriter, VersionIsWrittenAsTheIntegerOne) {
    EXPECT_EQ(written(zeroConfig()).at("version").dump(), "1");
}

TEST(ConfigWriter, ZeroAxisObjectText) {
    const std::string expected =
        R"({"acceleration_input_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
        R"("maxValue":[0.0,0.0]},)"
        R"("acceleration_to_angle":{"acceleration_filter":{"cutoffFrequency":[0.0,0.0]},)"
        R"("enabled":false,"maximum_rate":[0.0,0.0],)"
        R"("output_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"},)"
        R"("output_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
        R"("maxValueFactor":[0.0,0.0]}},)"
        R"("angularRate_input_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
        R"("maxValue":[0.0,0.0]},)"
        R"("angular_velocity":{"angle_filter":{"cutoffFrequency":[0.0,0.0]},"enabled":false,)"
        R"("output_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"},)"
        R"("output_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
        R"("maxValueFactor":[0.0,0.0]},)"
        R"("velocity_filter":{"cutoffFrequency":[0.0,0.0]}},)"
        R"("tiltCoordination_input_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
        R"("maxValue":[0.0,0.0]},)"
        R"("travel":{"acceleration_filter":{"cutoffFrequency":[0.0,0.0]},"enabled":false,)"
        R"("output_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"},)"
        R"("output_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
        R"("maxValueFactor":[0.0,0.0]},)"
        R"("travel_filter":{"cutoffFrequency":[0.0,0.0]},)"
        R"("velocity_filter":{"cutoffFrequency":[0.0,0.0]}}})";
    const Json document = written(zeroConfig());
    for (const char* axis :
         {"lateral_acceleration_and_roll_rate", "longitudinal_acceleration_and_pitch_rate",
          "vertical_acceleration_and_yaw_rate"}) {
        EXPECT_EQ(document.at(axis).dump(), expected) << axis;
    }
}

TEST(ConfigWriter, ZeroAlgorithmAndUndersteerText) {
    const Json document = written(zeroConfig());
    EXPECT_EQ(document.at("algorithm").dump(),
              R"({"g":{"enableCorrection":false,"removeVerticalComponent":false},)"
              R"("highpassUseFreshDataOnly":false,)"
              R"("transformations":{"enableAccMatrix":false,)"
              R"("enableAccMatrixTranslationAfter":false,"enableAccMatrixTranslationBefore":false,)"
              R"("enableVelocityMatrix":false,"enableVelocityMatrixTranslationAfter":false,)"
              R"("enableVelocityMatrixTranslationBefore":false}})");
    // The understeer filters are written with a name although they are read by cutoff only.
    EXPECT_EQ(document.at("understeer").dump(),
              R"({"actualTurningCurve_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"},)"
              R"("deltaTurningCurve":{"maximum_rate":[0.0,0.0]},)"
              R"("intendedTurningCurve_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"},)"
              R"("pivotPoint":{"longitudinalOffset":[0.0,0.0]},)"
              R"("toRoll":{"enabled":false,"output_filter":{"cutoffFrequency":[0.0,0.0],)"
              R"("name":"high_pass"},"output_limit":{"limitation":"none",)"
              R"("limitationFactor":[0.0,0.0],"maxValueFactor":[0.0,0.0]}},)"
              R"("toYaw":{"enabled":false,"output_filter":{"cutoffFrequency":[0.0,0.0],)"
              R"("name":"high_pass"},"output_limit":{"limitation":"none",)"
              R"("limitationFactor":[0.0,0.0],"maxValueFactor":[0.0,0.0]}},)"
              R"("yawRate_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"}})");
    EXPECT_EQ(document.at("enhancer").at("sideslip").at("toYaw").dump(),
              R"({"enabled":false,"highpass_filter":{"cutoffFrequency":[0.0,0.0]},)"
              R"("input_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
              R"("maxValue":[0.0,0.0]},"maximum_rate":[0.0,0.0],)"
              R"("output_filter":{"cutoffFrequency":[0.0,0.0],"name":"high_pass"},)"
              R"("output_limit":{"limitation":"none","limitationFactor":[0.0,0.0],)"
              R"("maxValueFactor":[0.0,0.0]}})");
}

// A float that is not finite is written as null, which no reader accepts; allFloatsFinite is how
// callers find such a record before saving it.
TEST(ConfigWriter, NonFiniteFloatsAreDetectedBeforeWriting) {
    const Config reference = distinctConfig(0);
    EXPECT_TRUE(allFloatsFinite(reference));
    const std::size_t count = floatValues(reference).size();
    for (std::size_t target = 0; target < count; ++target) {
        for (const float poison :
             {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
            Config config = reference;
            std::size_t index = 0;
            auto poisonTarget = [&](auto& value) {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, FloatPair>)
                    for (float& member : value.values)
                        member = index++ == target ? poison : member;
            };
            ConfigFields::visit(config, poisonTarget);
            ASSERT_FALSE(allFloatsFinite(config)) << "float #" << target;
        }
    }
}
