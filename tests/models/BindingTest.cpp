// Angles and angular rates are stored in radians and shown in degrees: a converter missing from
// one value, or put on a value that is no angle, shows every number of that field 57 times off.
// Which model edits which value of the record is checked field by field in the history tests,
// against the table the Changes list names the fields by.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>
#include <set>

namespace {

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

// Writing 90 through each float property stores pi/2 exactly where an angle is shown in degrees
// and 90 everywhere else, in the shown parameter set only.
TEST(ModelBinding, RadiansAreShownInDegreesExactlyForAnglesAndRates) {
    modeltest::BoundTree tree(distinctConfig(0));
    tree.paramSets->setParamSetIndex(KEOParamSet::Second);
    std::size_t converted = 0;
    for (const modeltest::PropertyNode& node : modeltest::writablePropertiesOf(tree.root.get())) {
        if (!modeltest::isFloat(node))
            continue;
        SCOPED_TRACE(node.path.toStdString());
        const bool isAngle = kConvertedValues.count(node.path) == 1;
        converted += isAngle ? 1 : 0;
        const std::vector<float> before = floatValues(*tree.current);
        node.property.write(node.model, QVariant::fromValue(90.0f));
        const std::vector<float> after = floatValues(*tree.current);

        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed.push_back(i);
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0] % 2, 1u) << "not written in the second parameter set";
        EXPECT_EQ(after[changed[0]], isAngle ? 1.5707964f : 90.0f);
        EXPECT_FLOAT_EQ(modeltest::readFloat(node), 90.0f);
    }
    EXPECT_EQ(converted, kConvertedValues.size());
}

} // namespace
