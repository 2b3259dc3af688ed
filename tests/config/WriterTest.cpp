// The written text is what users keep in version control: its member order and number format must
// not drift, or every save would show as a change.
#include "ConfigTestSupport.h"
#include "config/ConfigFields.h"
#include "config/ConfigReader.h"
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

TEST(ConfigWriter, FloatsUseTheShortestFormWithADecimalPoint) {
    Config config = zeroConfig();
    config.lateral.travel.outputFilter.cutoff = FloatPair{{0.05f, 13.2f}};
    config.absolutePitch.inputLimit.maxValue = FloatPair::both(1.5707964f);
    config.mixer.yawToRoll.outputLimit.maxValueFactor = FloatPair{{100.0f, 99.0f}};
    config.understeer.pivotPointLongitudinalOffset = FloatPair{{-0.0f, 1e-7f}};
    const Json document = written(config);
    EXPECT_EQ(document.at("lateral_acceleration_and_roll_rate")
                  .at("travel")
                  .at("output_filter")
                  .at("cutoffFrequency")
                  .dump(),
              "[0.05,13.2]");
    EXPECT_EQ(document.at("absolute").at("pitch").at("input_limit").at("maxValue").dump(),
              "[1.5707964,1.5707964]");
    EXPECT_EQ(document.at("mixer").at("yawToRoll").at("output_limit").at("maxValueFactor").dump(),
              "[100.0,99.0]");
    EXPECT_EQ(document.at("understeer").at("pivotPoint").at("longitudinalOffset").dump(),
              "[-0.0,1e-07]");
}

TEST(ConfigWriter, BypassSwitchesAreWrittenOnlyWhenSet) {
    Config config = zeroConfig();
    config.longitudinal.travel.bypassAccIntegration = true;
    config.vertical.angularVelocity.bypassIntegration = true;
    const Json document = written(config);
    const Json& longitudinal = document.at("longitudinal_acceleration_and_pitch_rate");
    EXPECT_EQ(longitudinal.at("travel").at("bypassAccIntegration"), true);
    EXPECT_FALSE(longitudinal.at("travel").contains("bypassSpeedIntegration"));
    EXPECT_FALSE(longitudinal.at("angular_velocity").contains("bypassIntegration"));
    EXPECT_EQ(document.at("vertical_acceleration_and_yaw_rate")
                  .at("angular_velocity")
                  .at("bypassIntegration"),
              true);
}

// A float that is not finite is written as null, which no reader accepts; allFloatsFinite is how
// callers find such a record before saving it.
TEST(ConfigWriter, NonFiniteFloatsAreDetectedBeforeWriting) {
    struct Poisoner {
        int target;
        float poison;
        int index = 0;
        void operator()(FloatPair& pair) {
            for (float& value : pair.values) {
                value = index++ == target ? poison : value;
            }
        }
        void operator()(bool&) {}
        void operator()(KEOFilterType::Enum&) {}
        void operator()(KEOLimitationType::Enum&) {}
    };
    Config reference = distinctConfig(0);
    EXPECT_TRUE(allFloatsFinite(reference));
    Poisoner counter{-1, 0.0f};
    ConfigFields::visit(reference, counter);
    for (int target = 0; target < counter.index; ++target) {
        for (const float poison :
             {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
            Config config = reference;
            Poisoner poisoner{target, poison};
            ConfigFields::visit(config, poisoner);
            ASSERT_FALSE(allFloatsFinite(config)) << "float #" << target;
        }
    }

    Config config = zeroConfig();
    config.multiplexer.yaw.limitationFactor[KEOParamSet::Second] =
        std::numeric_limits<float>::infinity();
    const Json document = written(config);
    EXPECT_EQ(document.at("multiplexer").at("yaw").at("output_limit").at("limitationFactor").dump(),
              "[0.0,null]");
    Config readBack;
    EXPECT_EQ(errorText([&] { readConfig(Json::parse(document.dump()), readBack); }),
              "[json.exception.type_error.302] type must be number, but is null");
}
