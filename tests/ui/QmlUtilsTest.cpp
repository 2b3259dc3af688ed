#include "ui/QmlUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(QmlUtilsTest, FormatsWithTheDisplaySeparatorAndParsesEither) {
    const QmlUtils utils;
    EXPECT_EQ(utils.machineSeparator(), QChar('.'));
    EXPECT_EQ(utils.displaySeparator(), QChar(','));
    EXPECT_EQ(utils.floatToString(1.5f, 2), "1,50");
    EXPECT_EQ(utils.floatToString(0.0f, 4), "0,0000");
    EXPECT_EQ(utils.floatToString(-2.5f, 1), "-2,5");
    EXPECT_EQ(utils.floatToString(7.0f, 0), "7");
    for (const char* text : {"1,50", "1.50"}) {
        EXPECT_TRUE(utils.isStringFloat(text)) << text;
        EXPECT_FLOAT_EQ(utils.stringToFloat(text), 1.5f) << text;
    }
    EXPECT_FLOAT_EQ(utils.stringToFloat("-3"), -3.0f);
    for (float value : {0.0f, 0.1234f, -12.5f, 99.9999f})
        EXPECT_NEAR(utils.stringToFloat(utils.floatToString(value, 4)), value, 0.00005f);
    for (const char* text : {"abc", "", "-", "1,2,3"})
        EXPECT_FALSE(utils.isStringFloat(text)) << text;
    EXPECT_FLOAT_EQ(utils.stringToFloat("abc"), 0.0f);
    EXPECT_FLOAT_EQ(utils.stringToFloat(""), 0.0f);
}

} // namespace
