// The actuator bars: each actuator's place in its travel for a pose, and a stop shown where two
// degrees of freedom together ask for more than an actuator has.
#include "ActuatorBars.h"

#include <QPixmap>
#include <gtest/gtest.h>
#include <rig/RigReader.h>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

rig::Rig bundledRig() {
    return rig::loadRig(std::string(KEO_EXAMPLES_DIR) + "/rigs/hexapod.json");
}

TEST(ActuatorBars, AHeaveRaisesEveryBarAndTwoTiltsTogetherReachAStop) {
    ActuatorBars bars(bundledRig());
    const std::vector<double> neutral = bars.positions();
    ASSERT_EQ(neutral.size(), 6u);
    for (std::size_t i = 0; i < neutral.size(); ++i)
        EXPECT_FALSE(bars.atStop(i));

    rig::Pose raised;
    raised.heave = 0.1;
    bars.showPose(raised);
    for (std::size_t i = 0; i < neutral.size(); ++i) {
        EXPECT_GT(bars.positions()[i], neutral[i]);
        EXPECT_FALSE(bars.atStop(i));
    }

    // Cluster 1's default envelope in roll and in pitch at once.
    rig::Pose tilted;
    tilted.roll = tilted.pitch = 22.0 * degree;
    bars.showPose(tilted);
    int atStop = 0;
    for (std::size_t i = 0; i < neutral.size(); ++i)
        atStop += bars.atStop(i);
    EXPECT_GE(atStop, 1);
    bars.resize(bars.sizeHint());
    EXPECT_FALSE(bars.grab().isNull());
}

} // namespace
