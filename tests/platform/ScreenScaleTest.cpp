#include "platform/ScreenScale.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <utility>

namespace {

TEST(ScaleFactorForPercentage, MapsEveryScaleSetting) {
    const std::pair<int, float> settings[] = {
        {120, 1.2f},  {125, 1.25f}, {140, 1.4f}, {150, 1.5f},  {160, 1.6f},
        {175, 1.75f}, {180, 1.8f},  {200, 2.0f}, {225, 2.25f}, {250, 2.5f},
        {300, 3.0f},  {350, 3.5f},  {400, 4.0f}, {450, 4.5f},  {500, 5.0f},
    };
    for (const auto& [percent, factor] : settings)
        EXPECT_EQ(scaleFactorForPercentage(percent), factor) << percent << " %";
}

TEST(ScaleFactorForPercentage, UnscaledAndUnlistedPercentagesGiveOne) {
    for (int percent : {100, 110, 0, -150, 119, 121, 130, 174, 176, 600, 1000})
        EXPECT_EQ(scaleFactorForPercentage(percent), 1.0f) << percent << " %";
}

class ScreenScaleFactor : public ::testing::Test {
protected:
    void SetUp() override { unsetenv(variable); }
    void TearDown() override {
        setScalePercentageProvider(nullptr);
        unsetenv(variable);
    }

    static constexpr const char* variable = "KEO_SCALE_PERCENT";
};

TEST_F(ScreenScaleFactor, DefaultsToUnscaledWithoutTheVariable) {
    EXPECT_EQ(environmentScalePercentage(), 100);
    EXPECT_EQ(screenScaleFactor(), 1.0f);
}

TEST_F(ScreenScaleFactor, ReadsTheVariableOnEveryCall) {
    setenv(variable, "175", 1);
    EXPECT_EQ(screenScaleFactor(), 1.75f);
    setenv(variable, "250", 1);
    EXPECT_EQ(screenScaleFactor(), 2.5f);
}

TEST_F(ScreenScaleFactor, IgnoresAVariableThatIsNotAWholeNumber) {
    for (const char* text : {"", "abc", "150%", "1.5", "99999999999999999999"}) {
        setenv(variable, text, 1);
        EXPECT_EQ(environmentScalePercentage(), 100) << '"' << text << '"';
    }
}

int twoHundredPercent() {
    return 200;
}
int oneHundredTwentyFivePercent() {
    return 125;
}

TEST_F(ScreenScaleFactor, UsesTheInstalledProviderInsteadOfTheVariable) {
    setenv(variable, "150", 1);
    setScalePercentageProvider(&twoHundredPercent);
    EXPECT_EQ(screenScaleFactor(), 2.0f);
}

TEST_F(ScreenScaleFactor, InstallingReturnsThePreviousProviderAndNullRestoresTheDefault) {
    EXPECT_EQ(setScalePercentageProvider(&twoHundredPercent), &environmentScalePercentage);
    EXPECT_EQ(setScalePercentageProvider(&oneHundredTwentyFivePercent), &twoHundredPercent);
    EXPECT_EQ(screenScaleFactor(), 1.25f);

    setenv(variable, "300", 1);
    setScalePercentageProvider(nullptr);
    EXPECT_EQ(screenScaleFactor(), 3.0f);
}

} // namespace
