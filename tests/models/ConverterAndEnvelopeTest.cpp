#include "models/FloatValueModel.h"
#include "models/ParamSetModel.h"
#include "models/RadToDegConverter.h"
#include "models/SignalLimitationModel.h"
#include "models/WorkEnvelopeModel.h"

#include <QSignalSpy>
#include <cmath>
#include <cstddef>
#include <gtest/gtest.h>

namespace {

TEST(RadToDegConverter, RoundsDegreesToTheNearestRadianFloat) {
    const RadToDegConverter converter;
    EXPECT_EQ(converter.fromDisplay(90.0f), 1.5707964f);
    EXPECT_EQ(converter.toDisplay(0.5f), 28.647888f);
}

TEST(FloatValueModel, RestoreShowsTheSavedRadiansInDegrees) {
    FloatPair current{{0.0f, 0.0f}};
    const FloatPair saved{{0.5f, 1.0f}};
    ParamSetModel paramSets;
    FloatValueModel model(&current, &saved, &paramSets, std::make_unique<RadToDegConverter>());
    model.setValue(90.0f);
    EXPECT_EQ(current[0], 1.5707964f);

    model.restoreDefaults();
    EXPECT_EQ(model.value(), 28.647888f);
    EXPECT_EQ(current[1], 1.0f);
}

class LimitationFunction : public ::testing::Test {
protected:
    float call(KEOLimitationType::Enum type, float value, float max, float factor) {
        block.type = type;
        return model.callLimitationFunction(value, max, factor);
    }

    SignalLimitation block = {};
    const SignalLimitation saved = {};
    ParamSetModel paramSets;
    SignalLimitationModel model{&block, &saved, &paramSets};
};

TEST_F(LimitationFunction, VanishingMaximumIsReplacedByATinyOne) {
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Gain, 1.0f, 0.0f, 1.0f), 0.000001f);
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Gain, 1.0f, 0.00001f, 1.0f), 0.000001f);
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Gain, -1.0f, -0.000005f, 1.0f), -0.000001f);
    // Just above the threshold the maximum is used as given.
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Gain, 1.0f, 0.00002f, 1.0f), 0.00002f);
}

TEST_F(LimitationFunction, NoneAndUnknownTypesPassTheInputThrough) {
    EXPECT_EQ(call(KEOLimitationType::None, 3.5f, 0.0f, 9.0f), 3.5f);
    EXPECT_EQ(call(KEOLimitationType::None, -2.0f, 1.0f, 0.5f), -2.0f);
    EXPECT_EQ(call(static_cast<KEOLimitationType::Enum>(7), 3.5f, 1.0f, 2.0f), 3.5f);
}

TEST_F(LimitationFunction, LogisticSaturatesAtTheMaximumAndIsOdd) {
    EXPECT_EQ(call(KEOLimitationType::Logistic, 0.0f, 2.0f, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Logistic, 1000.0f, 2.0f, 1.0f), 2.0f);
    const float positive = call(KEOLimitationType::Logistic, 0.7f, 2.0f, 1.0f);
    EXPECT_GT(positive, 0.0f);
    EXPECT_LT(positive, 0.7f);
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Logistic, -0.7f, 2.0f, 1.0f), -positive);
}

TEST_F(LimitationFunction, GainClipsAndAtanApproachesTheMaximum) {
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Gain, 0.25f, 1.0f, 2.0f), 0.5f);
    EXPECT_FLOAT_EQ(call(KEOLimitationType::Gain, -3.0f, 1.0f, 2.0f), -1.0f);
    EXPECT_NEAR(call(KEOLimitationType::Atan, 1.0f, 1.0f, 1.0f), 0.5f, 1e-6f);
}

TEST(WorkEnvelopeLimits, MatchesTheHostLayout) {
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, roll), 0u);
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, pitch), 4u);
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, yaw), 8u);
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, heave), 12u);
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, sway), 16u);
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, surge), 20u);
    EXPECT_EQ(offsetof(WorkEnvelopeLimits, stamp), 24u);
}

TEST(WorkEnvelopeModel, TakesNewStampsOrForcedRecordsAndShowsDegrees) {
    WorkEnvelopeModel model;
    QSignalSpy spy(&model, &WorkEnvelopeModel::changed);
    const WorkEnvelopeLimits limits{0.5f, 0.25f, 1.0f, 0.3f, 0.4f, 0.6f, 7};

    model.setEnvelope(limits, false);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(model.roll(), 28.647888f);
    EXPECT_EQ(model.pitch(), 57.295776f * 0.25f);
    EXPECT_EQ(model.yaw(), 57.295776f);
    EXPECT_EQ(model.heave(), 0.3f);
    EXPECT_EQ(model.sway(), 0.4f);
    EXPECT_EQ(model.surge(), 0.6f);

    WorkEnvelopeLimits sameStamp = limits;
    sameStamp.roll = 0.1f;
    model.setEnvelope(sameStamp, false);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(model.roll(), 28.647888f);

    model.setEnvelope(sameStamp, true);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(model.roll(), 57.295776f * 0.1f);
}

TEST(WorkEnvelopeModel, StartsAtZeroAndIgnoresAZeroStampUnlessForced) {
    WorkEnvelopeModel model;
    QSignalSpy spy(&model, &WorkEnvelopeModel::changed);
    model.setEnvelope({1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0}, false);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(model.roll() + model.pitch() + model.yaw() + model.heave() + model.sway() +
                  model.surge(),
              0.0f);
}

TEST(WorkEnvelopeModel, PropertyWritesCompareExactly) {
    WorkEnvelopeModel model;
    QSignalSpy spy(&model, &WorkEnvelopeModel::changed);
    model.setSway(1.0f);
    model.setSway(1.0f);
    EXPECT_EQ(spy.count(), 1);
    model.setSway(1.0000001f);
    EXPECT_EQ(spy.count(), 2);
}

} // namespace
