#include "ui/QmlUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(QmlUtilsTest, SeparatorsAreTheTwoDistinctOnes) {
    QmlUtils utils;
    EXPECT_EQ(utils.machineSeparator(), QChar('.'));
    EXPECT_EQ(utils.displaySeparator(), QChar(','));
}

TEST(QmlUtilsTest, FormatsWithTheDisplaySeparator) {
    QmlUtils utils;
    const QString expected = QString("1") + utils.displaySeparator() + "50";
    EXPECT_EQ(utils.floatToString(1.5f, 2), expected);
    EXPECT_EQ(utils.floatToString(0.0f, 4), QString("0") + utils.displaySeparator() + "0000");
    EXPECT_EQ(utils.floatToString(-2.5f, 1), QString("-2") + utils.displaySeparator() + "5");
    EXPECT_EQ(utils.floatToString(7.0f, 0), QString("7"));
}

TEST(QmlUtilsTest, ParsesEitherSeparator) {
    QmlUtils utils;
    const QString display = QString("1") + utils.displaySeparator() + "50";
    const QString machine = QString("1") + utils.machineSeparator() + "50";
    EXPECT_TRUE(utils.isStringFloat(display));
    EXPECT_TRUE(utils.isStringFloat(machine));
    EXPECT_FLOAT_EQ(utils.stringToFloat(display), 1.5f);
    EXPECT_FLOAT_EQ(utils.stringToFloat(machine), 1.5f);
    EXPECT_FLOAT_EQ(utils.stringToFloat("-3"), -3.0f);
}

TEST(QmlUtilsTest, RoundTripsFormattedText) {
    QmlUtils utils;
    for (float value : {0.0f, 0.1234f, -12.5f, 99.9999f}) {
        const QString text = utils.floatToString(value, 4);
        EXPECT_NEAR(utils.stringToFloat(text), value, 0.00005f) << text.toStdString();
    }
}

TEST(QmlUtilsTest, LettersAndEmptyTextAreNotFloats) {
    QmlUtils utils;
    EXPECT_FALSE(utils.isStringFloat("abc"));
    EXPECT_FLOAT_EQ(utils.stringToFloat("abc"), 0.0f);
    EXPECT_FALSE(utils.isStringFloat(""));
    EXPECT_FLOAT_EQ(utils.stringToFloat(""), 0.0f);
    EXPECT_FALSE(utils.isStringFloat("-"));
    EXPECT_FALSE(utils.isStringFloat("1,2,3"));
}

} // namespace
