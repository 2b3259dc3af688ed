// Recorded telemetry is resampled between its samples and played at whole multiples of the step
// period; a malformed file is refused whole, with the place of its fault.
#include "engine/drive/Drive.h"

#include "engine/drive/Telemetry.h"
#include "support/ErrorText.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace engine;
using namespace engine::drive;

namespace {

TEST(Telemetry, ResamplesBetweenSamplesInSiUnitsFromTheFirstTime) {
    const auto drive =
        parseTelemetry("time_s, speed_kmh ,roll_rate_degps,lateral_acceleration_mps2\r\n"
                       "100.0,36,0,0\r\n"
                       "100.1,72,10,1.5\r\n"
                       "\r\n"
                       "100.3,72,-10,-1.5\r\n",
                       "drive.csv");
    EXPECT_NEAR(drive->duration(), 0.3, 1e-12);
    EXPECT_NEAR(drive->at(0.0).speed, 10.0, 1e-12);
    EXPECT_NEAR(drive->at(0.05).speed, 15.0, 1e-9);
    EXPECT_NEAR(drive->at(0.05).rollRate, 5.0 * 3.14159265358979323846 / 180.0, 1e-9);
    EXPECT_NEAR(drive->at(0.2).lateralAcceleration, 0.0, 1e-9);
    EXPECT_NEAR(drive->at(5.0).lateralAcceleration, -1.5, 1e-12);    // holds its last sample
    EXPECT_EQ(drive->at(0.2).verticalAcceleration, standardGravity); // absent: at rest

    DrivePlayer player(std::shared_ptr<const Drive>(drive.get(), [](const Drive*) {}), 20.0, false);
    std::vector<double> speeds;
    for (VehicleInput in; player.next(in);)
        speeds.push_back(in.speed);
    EXPECT_EQ(speeds, (std::vector<double>{10.0, 15.0, 20.0, 20.0, 20.0, 20.0, 20.0}));
}

TEST(Telemetry, AMalformedFileIsRefusedWithItsFileLineAndColumn) {
    struct Case {
        const char* text;
        const char* place;
        const char* why;
    };
    const Case cases[] = {
        {"", "f.csv, line 1, column 1", "empty"},
        {"time_s,speed_mps\n", "f.csv, line 2, column 1", "no samples"},
        {"time_s,speed_mps\n0,1\n", "f.csv, line 3, column 1", "at least two"},
        {"time_s,speed_mps\n0,1\n0.1,1x\n", "f.csv, line 3, column 2 (speed_mps)", "not a number"},
        {"time_s,speed_mps\n0,1\n0.1,nan\n", "f.csv, line 3, column 2 (speed_mps)", "not a number"},
        {"time_s,speed_mps\n0,1\n0.1\n", "f.csv, line 3, column 2 (speed_mps)", "missing value"},
        {"time_s,speed_mps\n0,1\n0.1,2,3\n", "f.csv, line 3, column 3", "more values"},
        {"speed_mps,time_s\n1,0\n1,0.2\n1,0.1\n", "f.csv, line 4, column 2 (time_s)",
         "does not come after 0.2 s on line 3"},
        {"time_s,speed_mps\n0,1\n0,1\n", "f.csv, line 3, column 1 (time_s)", "does not come after"},
        {"time_s,speed_mph\n", "f.csv, line 1, column 2", "unknown column \"speed_mph\""},
        {"time_s,speed_mps,speed_kmh\n", "f.csv, line 1, column 3", "repeats \"speed_mps\""},
        {"speed_mps\n1\n2\n", "f.csv, line 1, column 1", "no time_s column"},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.text);
        const std::string message =
            errorText<DriveError>([&] { parseTelemetry(bad.text, "f.csv"); });
        EXPECT_EQ(message.rfind(bad.place, 0), 0u) << message;
        EXPECT_NE(message.find(bad.why), std::string::npos) << message;
    }
}

} // namespace
