// The curves draw the transfer function the user tunes; a wrong curve misleads every tuning.
#include "config/LimitationCurves.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(LimitationCurves, GainIsAClippedStraightLine) {
    const LimitationFunction gain = getLimitationFunction(KEOLimitationType::Gain);
    EXPECT_FLOAT_EQ(gain(0.25f, 1.0f, 2.0f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(gain(3.0f, 1.0f, 2.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(gain(-3.0f, 1.0f, 2.0f, 1.0f), -1.0f);
    EXPECT_FLOAT_EQ(gain(2.0f, 10.0f, 1.0f, 3.0f), 6.0f);
}

TEST(LimitationCurves, ArcTangentApproachesTheMaximum) {
    const LimitationFunction arcTangent = getLimitationFunction(KEOLimitationType::Atan);
    EXPECT_FLOAT_EQ(arcTangent(1.0f, 1.0f, 1.0f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(arcTangent(-0.5f, 2.0f, 2.0f, 1.0f), -1.0f);
    EXPECT_NEAR(arcTangent(1e7f, 3.0f, 1.0f, 1.0f), 3.0f, 1e-5f);
}

TEST(LimitationCurves, LogisticIsAScaledHyperbolicTangent) {
    const LimitationFunction logistic = getLimitationFunction(KEOLimitationType::Logistic);
    for (const float x : {-2.0f, -0.3f, 0.0f, 0.7f, 4.0f}) {
        EXPECT_NEAR(logistic(x, 2.0f, 1.5f, 0.5f), 2.0f * std::tanh(x * 1.5f * 0.5f / 2.0f), 1e-6f)
            << "x = " << x;
    }
    // Saturates without overflowing into NaN, and a zero maximum gives zero.
    EXPECT_FLOAT_EQ(logistic(1e6f, 2.0f, 1.0f, 1.0f), 2.0f);
    EXPECT_FLOAT_EQ(logistic(-1e6f, 2.0f, 1.0f, 1.0f), -2.0f);
    EXPECT_FLOAT_EQ(logistic(1.0f, 0.0f, 1.0f, 1.0f), 0.0f);
}

TEST(LimitationCurves, NoneAndUnknownTypesPassTheInputThroughTimesTheGain) {
    for (const auto type : {KEOLimitationType::None, KEOLimitationType::Count,
                            static_cast<KEOLimitationType::Enum>(-7)}) {
        const LimitationFunction curve = getLimitationFunction(type);
        EXPECT_FLOAT_EQ(curve(3.0f, 1.0f, 5.0f, 2.0f), 6.0f) << "type " << type;
    }
}
