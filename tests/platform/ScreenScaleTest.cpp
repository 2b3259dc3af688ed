#include "platform/ScreenScale.h"

#include <gtest/gtest.h>

namespace {

TEST(ScaleFactorForPercentage, MapsEveryScaleSettingAndNothingElse) {
    for (int percent : {120, 125, 140, 150, 160, 175, 180, 200, 225, 250, 300, 350, 400, 450, 500})
        EXPECT_EQ(scaleFactorForPercentage(percent), float(percent / 100.0)) << percent << " %";
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
