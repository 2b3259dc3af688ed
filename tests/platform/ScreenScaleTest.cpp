#include "platform/ScreenScale.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

TEST(ScaleFactorForPercentage, MapsEveryScaleSettingAndNothingElse) {
    const std::pair<int, float> settings[] = {
        {120, 1.2f},  {125, 1.25f}, {140, 1.4f}, {150, 1.5f},  {160, 1.6f},
        {175, 1.75f}, {180, 1.8f},  {200, 2.0f}, {225, 2.25f}, {250, 2.5f},
        {300, 3.0f},  {350, 3.5f},  {400, 4.0f}, {450, 4.5f},  {500, 5.0f},
    };
    for (const auto& [percent, factor] : settings)
        EXPECT_EQ(scaleFactorForPercentage(percent), factor) << percent << " %";
    for (int percent : {100, 110, 0, -150, 119, 121, 130, 174, 176, 600, 1000})
        EXPECT_EQ(scaleFactorForPercentage(percent), 1.0f) << percent << " %";
}

int twoHundredPercent() {
    return 200;
}

TEST(ScreenScaleFactor, ComesFromTheInstalledProviderAndNullRestoresTheSystem) {
    EXPECT_EQ(setScalePercentageProvider(&twoHundredPercent), &systemScalePercentage);
    EXPECT_EQ(screenScaleFactor(), 2.0f);
    EXPECT_EQ(setScalePercentageProvider(nullptr), &twoHundredPercent);
    EXPECT_EQ(screenScaleFactor(), scaleFactorForPercentage(systemScalePercentage()));
}

} // namespace
