// Each model must edit its own block of the record: a pitch model wired to the roll block, or a
// converter on the wrong value, passes every generic test and still corrupts the configuration.
#include "ModelTestSupport.h"
#include "models/FilterConfigModel.h"
#include "models/LimitationModel.h"
#include "models/SignalLimitationModel.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>

namespace {

struct Span {
    std::size_t offset;
    std::size_t size;
};

using SpanTable = std::map<QString, Span>;

#define AT(Record, member)                                                                         \
    Span {                                                                                         \
        offsetof(Record, member), sizeof(std::declval<Record&>().member)                           \
    }

// Adds the entries of a sub-record table under a path prefix, moved to where the sub-record lies.
void addShifted(SpanTable& table, const QString& prefix, Span where, const SpanTable& inner) {
    for (const auto& [path, span] : inner) {
        table[prefix + path] = {where.offset + span.offset, span.size};
    }
}

const SpanTable kAxisLeaves{
    {"/accelerationInputLimitModel", AT(AxisConfig, accelerationInputLimit)},
    {"/angularRateInputLimitModel", AT(AxisConfig, angularRateInputLimit)},
    {"/tiltCoordinationInputLimitModel", AT(AxisConfig, tiltCoordinationInputLimit)},
    {"/travelConfigModel/accelerationFilterModel", AT(AxisConfig, travel.accelerationFilter)},
    {"/travelConfigModel/velocityFilterModel", AT(AxisConfig, travel.velocityFilter)},
    {"/travelConfigModel/travelFilterModel", AT(AxisConfig, travel.travelFilter)},
    {"/travelConfigModel/outputTravelFilterModel", AT(AxisConfig, travel.outputFilter)},
    {"/travelConfigModel/outputTravelLimitationModel", AT(AxisConfig, travel.outputLimit)},
    {"/tiltCoordinationModel/accelerationFilterModel",
     AT(AxisConfig, tiltCoordination.accelerationFilter)},
    {"/tiltCoordinationModel/maximumRateModel", AT(AxisConfig, tiltCoordination.maximumRate)},
    {"/tiltCoordinationModel/outputFilterModel", AT(AxisConfig, tiltCoordination.outputFilter)},
    {"/tiltCoordinationModel/outputLimitationModel", AT(AxisConfig, tiltCoordination.outputLimit)},
    {"/angularVelocityModel/velocityFilterModel", AT(AxisConfig, angularVelocity.velocityFilter)},
    {"/angularVelocityModel/angleFilterModel", AT(AxisConfig, angularVelocity.angleFilter)},
    {"/angularVelocityModel/outputAngleFilterModel", AT(AxisConfig, angularVelocity.outputFilter)},
    {"/angularVelocityModel/outputAngleLimitationModel",
     AT(AxisConfig, angularVelocity.outputLimit)},
};

const SpanTable kAxisSwitches{
    {"/travelConfigModel.enabled", AT(AxisConfig, travel.enabled)},
    {"/travelConfigModel.bypassAccIntegration", AT(AxisConfig, travel.bypassAccIntegration)},
    {"/travelConfigModel.bypassSpeedIntegration", AT(AxisConfig, travel.bypassSpeedIntegration)},
    {"/tiltCoordinationModel.enabled", AT(AxisConfig, tiltCoordination.enabled)},
    {"/angularVelocityModel.enabled", AT(AxisConfig, angularVelocity.enabled)},
    {"/angularVelocityModel.bypassIntegration", AT(AxisConfig, angularVelocity.bypassIntegration)},
};

const SpanTable kMixerPathLeaves{
    {"/outputFilterModel", AT(MixerPathConfig, outputFilter)},
    {"/outputLimitModel", AT(MixerPathConfig, outputLimit)},
};

const SpanTable kMixerPathSwitch{{".enabled", AT(MixerPathConfig, enabled)}};

const std::vector<std::pair<QString, Span>> kAxes{
    {"lateralConfigModel", AT(Config, lateral)},
    {"longitudinalConfigModel", AT(Config, longitudinal)},
    {"verticalConfigModel", AT(Config, vertical)},
};

const std::vector<std::pair<QString, Span>> kMixerPaths{
    {"mixerConfigModel/swayToRollModel", AT(Config, mixer.swayToRoll)},
    {"mixerConfigModel/yawToRollModel", AT(Config, mixer.yawToRoll)},
    {"mixerConfigModel/surgeToPitchModel", AT(Config, mixer.surgeToPitch)},
    {"mixerConfigModel/heaveToPitchModel", AT(Config, mixer.heaveToPitch)},
    {"mixerConfigModel/roadHarshnessToSurgeModel", AT(Config, mixer.roadHarshnessToSurge)},
    {"mixerConfigModel/roadHarshnessToPitchModel", AT(Config, mixer.roadHarshnessToPitch)},
};

// The block every leaf model edits, by its path from the root.
SpanTable leafBlocks() {
    SpanTable blocks;
    addShifted(blocks, "absolutePitchRollConfigModel/", {0, 0},
               {{"pitchInputLimitModel", AT(Config, absolutePitch.inputLimit)},
                {"pitchOutputFilterModel", AT(Config, absolutePitch.outputFilter)},
                {"pitchOutputLimitModel", AT(Config, absolutePitch.outputLimit)},
                {"rollInputLimitModel", AT(Config, absoluteRoll.inputLimit)},
                {"rollOutputFilterModel", AT(Config, absoluteRoll.outputFilter)},
                {"rollOutputLimitModel", AT(Config, absoluteRoll.outputLimit)}});
    addShifted(
        blocks, "enhancerConfigModel/", AT(Config, enhancer),
        {{"roadHarshnessToHeaveInputLimitModel", AT(EnhancerConfig, roadHarshness.inputLimit)},
         {"roadHarshnessToHeaveHighpassFilterModel",
          AT(EnhancerConfig, roadHarshness.highpassFilter)},
         {"roadHarshnessToHeaveOutputFilterModel", AT(EnhancerConfig, roadHarshness.outputFilter)},
         {"roadHarshnessToHeaveOutputLimitationModel",
          AT(EnhancerConfig, roadHarshness.outputLimit)},
         {"sideslipToYawInputLimitModel", AT(EnhancerConfig, sideslipToYaw.inputLimit)},
         {"sideslipToYawMaximumRateModel", AT(EnhancerConfig, sideslipToYaw.maximumRate)},
         {"sideslipToYawHighpassFilterModel", AT(EnhancerConfig, sideslipToYaw.highpassFilter)},
         {"sideslipToYawOutputFilterModel", AT(EnhancerConfig, sideslipToYaw.outputFilter)},
         {"sideslipToYawOutputLimitationModel", AT(EnhancerConfig, sideslipToYaw.outputLimit)},
         {"sideslipToRollInputLimitModel", AT(EnhancerConfig, sideslipToRoll.inputLimit)},
         {"sideslipToRollMaximumRateModel", AT(EnhancerConfig, sideslipToRoll.maximumRate)},
         {"sideslipToRollHighpassFilterModel", AT(EnhancerConfig, sideslipToRoll.highpassFilter)},
         {"sideslipToRollOutputFilterModel", AT(EnhancerConfig, sideslipToRoll.outputFilter)},
         {"sideslipToRollOutputLimitationModel", AT(EnhancerConfig, sideslipToRoll.outputLimit)},
         {"sideslipPivotPointLongitudinalModel",
          AT(EnhancerConfig, sideslipPivotLongitudinalOffset)}});
    addShifted(
        blocks, "understeerConfigModel/", AT(Config, understeer),
        {{"intendedTurningCurveFilterModel", AT(UndersteerConfig, intendedTurningCurveFilter)},
         {"actualTurningCurveFilterModel", AT(UndersteerConfig, actualTurningCurveFilter)},
         {"yawRateFilterModel", AT(UndersteerConfig, yawRateFilter)},
         {"deltaTurningCurveMaximumRateModel", AT(UndersteerConfig, deltaTurningCurveMaximumRate)},
         {"toYawOutputFilterModel", AT(UndersteerConfig, toYaw.outputFilter)},
         {"toYawOutputLimitationModel", AT(UndersteerConfig, toYaw.outputLimit)},
         {"toRollOutputFilterModel", AT(UndersteerConfig, toRoll.outputFilter)},
         {"toRollOutputLimitationModel", AT(UndersteerConfig, toRoll.outputLimit)},
         {"pivotPointLongitudinalModel", AT(UndersteerConfig, pivotPointLongitudinalOffset)}});
    addShifted(blocks, "multiplexerConfigModel/", AT(Config, multiplexer),
               {{"surgeOutputLimitationModel", AT(MultiplexerConfig, surge)},
                {"swayOutputLimitationModel", AT(MultiplexerConfig, sway)},
                {"heaveOutputLimitationModel", AT(MultiplexerConfig, heave)},
                {"pitchOutputLimitationModel", AT(MultiplexerConfig, pitch)},
                {"rollOutputLimitationModel", AT(MultiplexerConfig, roll)},
                {"yawOutputLimitationModel", AT(MultiplexerConfig, yaw)}});
    for (const auto& [path, where] : kAxes)
        addShifted(blocks, path, where, kAxisLeaves);
    for (const auto& [path, where] : kMixerPaths)
        addShifted(blocks, path, where, kMixerPathLeaves);
    return blocks;
}

// The record switch behind every bool property, by model path and property name.
SpanTable switchFields() {
    SpanTable fields{
        {"absolutePitchRollConfigModel.pitchEnabled", AT(Config, absolutePitch.enabled)},
        {"absolutePitchRollConfigModel.rollEnabled", AT(Config, absoluteRoll.enabled)},
        {"enhancerConfigModel.roadHarshnessEnabled", AT(Config, enhancer.roadHarshness.enabled)},
        {"enhancerConfigModel.sideslipToYawEnabled", AT(Config, enhancer.sideslipToYaw.enabled)},
        {"enhancerConfigModel.sideslipToRollEnabled", AT(Config, enhancer.sideslipToRoll.enabled)},
        {"understeerConfigModel.toYawEnabled", AT(Config, understeer.toYaw.enabled)},
        {"understeerConfigModel.toRollEnabled", AT(Config, understeer.toRoll.enabled)},
        {".enableAccMatrix", AT(Config, algorithm.enableAccMatrix)},
        {".enableAccMatrixTranslationBefore",
         AT(Config, algorithm.enableAccMatrixTranslationBefore)},
        {".enableAccMatrixTranslationAfter", AT(Config, algorithm.enableAccMatrixTranslationAfter)},
        {".enableVelocityMatrix", AT(Config, algorithm.enableVelocityMatrix)},
        {".enableVelocityMatrixTranslationBefore",
         AT(Config, algorithm.enableVelocityMatrixTranslationBefore)},
        {".enableVelocityMatrixTranslationAfter",
         AT(Config, algorithm.enableVelocityMatrixTranslationAfter)},
        {".enableGCorrection", AT(Config, algorithm.enableCorrection)},
        {".removeGVerticalComponent", AT(Config, algorithm.removeVerticalComponent)},
        {".highpassUseFreshDataOnly", AT(Config, algorithm.highpassUseFreshDataOnly)},
    };
    for (const auto& [path, where] : kAxes) {
        addShifted(fields, path, where, kAxisSwitches);
    }
    for (const auto& [path, where] : kMixerPaths) {
        addShifted(fields, path, where, kMixerPathSwitch);
    }
    return fields;
}

// The values that are angles or angular rates: stored in radians, shown in degrees.
const std::set<QString> kConvertedValues{
    "lateralConfigModel/angularRateInputLimitModel.maxValue",
    "lateralConfigModel/tiltCoordinationModel/maximumRateModel.value",
    "longitudinalConfigModel/angularRateInputLimitModel.maxValue",
    "longitudinalConfigModel/tiltCoordinationModel/maximumRateModel.value",
    "verticalConfigModel/angularRateInputLimitModel.maxValue",
    "verticalConfigModel/tiltCoordinationModel/maximumRateModel.value",
    "absolutePitchRollConfigModel/pitchInputLimitModel.maxValue",
    "absolutePitchRollConfigModel/rollInputLimitModel.maxValue",
    "enhancerConfigModel/sideslipToYawInputLimitModel.maxValue",
    "enhancerConfigModel/sideslipToRollInputLimitModel.maxValue",
};

bool inside(const std::vector<std::size_t>& offsets, Span span) {
    for (std::size_t offset : offsets) {
        if (offset < span.offset || offset >= span.offset + span.size) {
            return false;
        }
    }
    return !offsets.empty();
}

QString modelPathOf(const QString& propertyPath) {
    return propertyPath.section('.', 0, 0);
}

class ModelBinding : public ::testing::TestWithParam<modeltest::Binding> {};

INSTANTIATE_TEST_SUITE_P(ConstructedAndRebound, ModelBinding,
                         ::testing::Values(modeltest::Binding::Constructed,
                                           modeltest::Binding::Rebound),
                         [](const auto& info) {
                             return info.param == modeltest::Binding::Constructed ? "Constructed"
                                                                                  : "Rebound";
                         });

TEST_P(ModelBinding, EveryLeafModelEditsItsOwnBlock) {
    const SpanTable blocks = leafBlocks();
    modeltest::BoundTree tree(distinctConfig(0), GetParam());
    std::set<QString> checked;
    for (const modeltest::PropertyNode& node : modeltest::writablePropertiesOf(tree.root.get())) {
        const QString model = modelPathOf(node.path);
        if (modeltest::isBool(node)) {
            continue;
        }
        SCOPED_TRACE(node.path.toStdString());
        ASSERT_EQ(blocks.count(model), 1u);
        const QByteArray before = modeltest::bytesOf(*tree.current);
        modeltest::writeDifferent(node);
        EXPECT_TRUE(inside(modeltest::changedOffsets(before, *tree.current), blocks.at(model)));
        checked.insert(model);
    }
    EXPECT_EQ(checked.size(), blocks.size());
}

TEST_P(ModelBinding, EverySwitchPropertyEditsItsOwnSwitch) {
    const SpanTable fields = switchFields();
    modeltest::BoundTree tree(distinctConfig(0), GetParam());
    std::size_t checked = 0;
    for (const modeltest::PropertyNode& node : modeltest::writablePropertiesOf(tree.root.get())) {
        if (!modeltest::isBool(node)) {
            continue;
        }
        SCOPED_TRACE(node.path.toStdString());
        ASSERT_EQ(fields.count(node.path), 1u);
        const QByteArray before = modeltest::bytesOf(*tree.current);
        modeltest::writeDifferent(node);
        EXPECT_TRUE(inside(modeltest::changedOffsets(before, *tree.current), fields.at(node.path)));
        ++checked;
    }
    EXPECT_EQ(checked, fields.size());
}

// Writing 90 through each float property stores pi/2 exactly where an angle is shown in degrees
// and 90 everywhere else, in the shown parameter set only.
TEST_P(ModelBinding, RadiansAreShownInDegreesExactlyForAnglesAndRates) {
    modeltest::BoundTree tree(distinctConfig(0), GetParam());
    tree.paramSets->setParamSetIndex(KEOParamSet::Second);
    std::size_t converted = 0;
    for (const modeltest::PropertyNode& node : modeltest::writablePropertiesOf(tree.root.get())) {
        if (!modeltest::isFloat(node)) {
            continue;
        }
        SCOPED_TRACE(node.path.toStdString());
        const bool isAngle = kConvertedValues.count(node.path) == 1;
        converted += isAngle ? 1 : 0;
        const std::vector<float> before = floatValues(*tree.current);
        node.property.write(node.model, QVariant::fromValue(90.0f));
        const std::vector<float> after = floatValues(*tree.current);

        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] != before[i]) {
                changed.push_back(i);
            }
        }
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0] % 2, 1u) << "not written in the second parameter set";
        EXPECT_EQ(after[changed[0]], isAngle ? 1.5707964f : 90.0f);
        EXPECT_FLOAT_EQ(modeltest::readFloat(node), 90.0f);
    }
    EXPECT_EQ(converted, kConvertedValues.size());
}

TEST(LeafBinding, BlockPropertiesMapToTheirFieldsInEitherSet) {
    FilterConfig filter = {};
    Limitation limitation = {};
    SignalLimitation signalLimitation = {};
    const FilterConfig savedFilter = {};
    const Limitation savedLimitation = {};
    const SignalLimitation savedSignal = {};
    ParamSetModel paramSets;
    FilterConfigModel filterModel(&filter, &savedFilter, &paramSets);
    LimitationModel limitationModel(&limitation, &savedLimitation, &paramSets);
    SignalLimitationModel signalModel(&signalLimitation, &savedSignal, &paramSets);

    paramSets.setParamSetIndex(KEOParamSet::Second);
    filterModel.setCutoffFrequency(1.0f);
    filterModel.setCutoffFrequencyStart(2.0f);
    filterModel.setCutoffFrequencyEnd(3.0f);
    limitationModel.setLimitationFactor(4.0f);
    limitationModel.setMaxValueFactor(5.0f);
    limitationModel.setLimitationType(KEOLimitationType::Gain);
    signalModel.setMaxValue(6.0f);
    signalModel.setLimitationFactor(7.0f);
    signalModel.setLimitationType(KEOLimitationType::Logistic);

    EXPECT_EQ(filter.cutoff[1], 1.0f);
    EXPECT_EQ(filter.cutoffStart[1], 2.0f);
    EXPECT_EQ(filter.cutoffEnd[1], 3.0f);
    EXPECT_EQ(limitation.limitationFactor[1], 4.0f);
    EXPECT_EQ(limitation.maxValueFactor[1], 5.0f);
    EXPECT_EQ(limitation.type, KEOLimitationType::Gain);
    EXPECT_EQ(signalLimitation.maxValue[1], 6.0f);
    EXPECT_EQ(signalLimitation.limitationFactor[1], 7.0f);
    EXPECT_EQ(signalLimitation.type, KEOLimitationType::Logistic);
    EXPECT_EQ(filter.cutoff[0] + limitation.limitationFactor[0] + signalLimitation.maxValue[0],
              0.0f);
}

} // namespace
