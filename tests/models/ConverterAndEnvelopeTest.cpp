#include "models/FloatValueModel.h"
#include "models/ParamSetModel.h"
#include "models/RadToDegConverter.h"
#include "models/SignalLimitationModel.h"
#include "models/WorkEnvelopeModel.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The illustration divides by the maximum: a vanishing one is replaced by a tiny one of its sign.
TEST(SignalLimitationModel, VanishingMaximumIsReplacedByATinyOne) {
    SignalLimitation block = {};
    const SignalLimitation saved = {};
    ParamSetModel paramSets;
    SignalLimitationModel model{&block, &saved, &paramSets};
    block.type = KEOLimitationType::Gain;
    EXPECT_FLOAT_EQ(model.callLimitationFunction(1.0f, 0.0f, 1.0f), 0.000001f);
    EXPECT_FLOAT_EQ(model.callLimitationFunction(1.0f, 0.00001f, 1.0f), 0.000001f);
    EXPECT_FLOAT_EQ(model.callLimitationFunction(-1.0f, -0.000005f, 1.0f), -0.000001f);
    EXPECT_FLOAT_EQ(model.callLimitationFunction(1.0f, 0.00002f, 1.0f), 0.00002f);
    block.type = KEOLimitationType::Logistic; // the block's own type picks the curve
    EXPECT_FLOAT_EQ(model.callLimitationFunction(1000.0f, 2.0f, 1.0f), 2.0f);
}

TEST(WorkEnvelopeModel, TakesNewStampsOrForcedRecordsAndShowsDegrees) {
    WorkEnvelopeModel model;
    QSignalSpy spy(&model, &WorkEnvelopeModel::changed);
    model.setEnvelope({1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0}, false); // stamp 0: nothing yet
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(model.roll(), 0.0f);
    const WorkEnvelopeLimits limits{0.5f, 0.25f, 1.0f, 0.3f, 0.4f, 0.6f, 7};

    model.setEnvelope(limits, false);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(model.roll(), 28.647888f);
    EXPECT_EQ(model.yaw(), 57.295776f);
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

} // namespace
