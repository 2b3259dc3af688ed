// The curves draw the transfer function the user tunes; a wrong curve misleads every tuning.
#include "config/LimitationCurves.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CurveCase {
    KEOLimitationType::Enum type;
    float x, maximum, gain, factor;
    float expected;
};

TEST(LimitationCurves, EveryTypeAtItsCharacteristicPoints) {
    using T = KEOLimitationType;
    const CurveCase cases[] = {
        {T::Gain, 0.25f, 1, 2, 1, 0.5f},
        {T::Gain, 3, 1, 2, 1, 1},
        {T::Gain, -3, 1, 2, 1, -1},
        {T::Gain, 2, 10, 1, 3, 6},
        {T::Atan, 1, 1, 1, 1, 0.5f},
        {T::Atan, -0.5f, 2, 2, 1, -1},
        {T::Atan, 1e7f, 3, 1, 1, 3},
        {T::Logistic, 1e6f, 2, 1, 1, 2},
        {T::Logistic, -1e6f, 2, 1, 1, -2},
        {T::Logistic, 1, 0, 1, 1, 0},
        {T::None, 3, 1, 5, 2, 6},
        {T::Count, 3, 1, 5, 2, 6},
        {static_cast<T::Enum>(-7), 3, 1, 5, 2, 6},
    };
    for (const CurveCase& c : cases) {
        const float y = getLimitationFunction(c.type)(c.x, c.maximum, c.gain, c.factor);
        EXPECT_NEAR(y, c.expected, 1e-5f) << "type " << c.type << " at " << c.x;
    }
    const LimitationFunction logistic = getLimitationFunction(T::Logistic);
    for (const float x : {-2.0f, -0.3f, 0.0f, 0.7f, 4.0f})
        EXPECT_NEAR(logistic(x, 2, 1.5f, 0.5f), 2 * std::tanh(x * 1.5f * 0.5f / 2), 1e-6f) << x;
}

} // namespace
