#include "platform/ScreenScale.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Without a way to ask the windowing system, the system's setting is the environment's.
TEST(SystemScalePercentage, FollowsTheEnvironmentVariable) {
    ::setenv("KEO_SCALE_PERCENT", "175", 1);
    EXPECT_EQ(systemScalePercentage(), 175);
    setScalePercentageProvider(nullptr);
    EXPECT_EQ(screenScaleFactor(), 1.75f);
    ::unsetenv("KEO_SCALE_PERCENT");
    EXPECT_EQ(screenScaleFactor(), 1.0f);
}

} // namespace
