// The drives as a vehicle would do them: each manoeuvre is consistent with itself (speed is the
// integral of the acceleration, angles the integrals of their rates), starts and ends calm and
// does what its name says; telemetry is resampled between its samples and a malformed file is
// refused whole, with the place of its fault.
#include "engine/drive/Drive.h"

#include "engine/drive/Telemetry.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace engine;
using namespace engine::drive;

namespace {

constexpr double rate = 1000.0;

double integral(const Drive& drive, double VehicleInput::*member) {
    double sum = 0.0;
    VehicleInput previous = drive.at(0.0);
    const int steps = int(drive.duration() * rate);
    for (int k = 1; k <= steps; ++k) {
        const VehicleInput now = drive.at(k / rate);
        sum += 0.5 * (previous.*member + now.*member) / rate;
        previous = now;
    }
    return sum;
}

bool finite(const VehicleInput& in) {
    for (double value :
         {in.longitudinalAcceleration, in.lateralAcceleration, in.verticalAcceleration,
          in.verticalTiltAcceleration, in.rollRate, in.pitchRate, in.yawRate, in.pitchAngle,
          in.rollAngle, in.roadLeft, in.roadRight, in.sideslipAngle, in.speed, in.frontWheelAngle})
        if (!std::isfinite(value))
            return false;
    return true;
}

TEST(Manoeuvres, EachIsDeterministicFiniteAndCalmAtBothEnds) {
    for (const std::string& name : manoeuvreNames()) {
        SCOPED_TRACE(name);
        const auto drive = makeManoeuvre(name);
        const auto again = makeManoeuvre(name);
        ASSERT_GT(drive->duration(), 1.0);
        for (double t = 0.0; t <= drive->duration(); t += 0.0937) {
            const VehicleInput a = drive->at(t);
            ASSERT_TRUE(finite(a)) << t;
            ASSERT_EQ(a.lateralAcceleration, again->at(t).lateralAcceleration);
            ASSERT_EQ(a.verticalAcceleration, again->at(t).verticalAcceleration);
        }
        for (const double t : {0.0, drive->duration()}) {
            const VehicleInput calm = drive->at(t);
            EXPECT_NEAR(calm.longitudinalAcceleration, 0.0, 1e-6) << t;
            EXPECT_NEAR(calm.lateralAcceleration, 0.0, 1e-6) << t;
            EXPECT_NEAR(calm.verticalAcceleration, standardGravity, 1e-3) << t;
            EXPECT_NEAR(calm.rollRate, 0.0, 1e-6) << t;
            EXPECT_NEAR(calm.pitchRate, 0.0, 1e-6) << t;
            EXPECT_NEAR(calm.yawRate, 0.0, 1e-6) << t;
        }
    }
}

TEST(Manoeuvres, SpeedAndBodyAnglesAreTheIntegralsOfTheirRates) {
    for (const char* name :
         {"braking", "acceleration", "lane-change", "slalom", "steady-turn", "bumpy-road"}) {
        SCOPED_TRACE(name);
        const auto drive = makeManoeuvre(name);
        const VehicleInput start = drive->at(0.0);
        const VehicleInput end = drive->at(drive->duration());
        EXPECT_NEAR(end.speed - start.speed,
                    integral(*drive, &VehicleInput::longitudinalAcceleration), 1e-3);
        EXPECT_NEAR(end.rollAngle - start.rollAngle, integral(*drive, &VehicleInput::rollRate),
                    1e-4);
        EXPECT_NEAR(end.pitchAngle - start.pitchAngle, integral(*drive, &VehicleInput::pitchRate),
                    1e-4);
        // On a path, the lateral acceleration is the speed times the yaw rate.
        const VehicleInput middle = drive->at(drive->duration() / 2);
        EXPECT_NEAR(middle.lateralAcceleration, middle.speed * middle.yawRate, 1e-9);
    }
}

TEST(Manoeuvres, TheSteadyTurnUndersteersMoreAsTheLateralAccelerationGrows) {
    const auto drive = makeManoeuvre("steady-turn");
    double previousExcess = 0.0;
    double previousLateral = 0.0;
    int compared = 0;
    for (double t = 4.0; t < drive->duration() - 6.0; t += 0.5) {
        const VehicleInput in = drive->at(t);
        const double intended = in.frontWheelAngle / in.wheelbase; // curvature the wheels ask
        const double actual = in.yawRate / in.speed;               // curvature driven
        const double excess = intended - actual;
        ASSERT_GT(in.yawRate, 0.0) << "a left turn";
        ASSERT_LT(in.rollAngle, 0.0) << "the outer, right side goes down";
        if (in.lateralAcceleration > previousLateral + 0.1) {
            EXPECT_GT(excess, previousExcess) << t;
            ++compared;
        }
        previousExcess = excess;
        previousLateral = in.lateralAcceleration;
    }
    EXPECT_GT(compared, 10);
    EXPECT_GT(previousLateral, 7.5);
}

// The local frequency from the spacing of zero crossings around a time.
double frequencyNear(const Drive& drive, double t, double VehicleInput::*member) {
    std::vector<double> crossings;
    double previous = drive.at(t - 10.0).*member;
    for (double s = t - 10.0; s < t + 10.0; s += 1e-4) {
        const double now = drive.at(s).*member;
        if ((previous < 0.0) != (now < 0.0))
            crossings.push_back(s);
        previous = now;
    }
    // The two crossings around t: half a period apart.
    for (std::size_t i = 1; i < crossings.size(); ++i)
        if (crossings[i] > t)
            return 0.5 / (crossings[i] - crossings[i - 1]);
    return 0.0;
}

TEST(Manoeuvres, SweepsRiseFromAFewHundredthsToFiveHertzOnTheirOwnAxis) {
    struct Case {
        const char* name;
        double VehicleInput::*axis;
    };
    for (const Case& sweep : {Case{"sweep-surge", &VehicleInput::longitudinalAcceleration},
                              Case{"sweep-sway", &VehicleInput::lateralAcceleration},
                              Case{"sweep-heave", &VehicleInput::verticalTiltAcceleration},
                              Case{"sweep-roll", &VehicleInput::rollRate},
                              Case{"sweep-pitch", &VehicleInput::pitchRate},
                              Case{"sweep-yaw", &VehicleInput::yawRate}}) {
        SCOPED_TRACE(sweep.name);
        const auto drive = makeManoeuvre(sweep.name);
        // 0.05 Hz at the start, 5 Hz at the end, exponentially in between: 0.5 Hz halfway.
        EXPECT_NEAR(frequencyNear(*drive, 61.0, sweep.axis), 0.5, 0.02);
        EXPECT_NEAR(frequencyNear(*drive, 119.0, sweep.axis), 5.0 * std::pow(100.0, -2.0 / 120),
                    0.1);
        EXPECT_LT(frequencyNear(*drive, 12.0, sweep.axis), 0.1);
        EXPECT_EQ(drive->at(61.0).lateralAcceleration == 0.0,
                  sweep.axis != &VehicleInput::lateralAcceleration);
    }
}

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
        try {
            parseTelemetry(bad.text, "f.csv");
            ADD_FAILURE() << "accepted";
        } catch (const DriveError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(bad.place, 0), 0u) << message;
            EXPECT_NE(message.find(bad.why), std::string::npos) << message;
        }
    }
}

TEST(OpenDrive, NamesAManoeuvreOrACsvFileAndSaysWhatIsKnown) {
    EXPECT_NO_THROW(openDrive("slalom"));
    try {
        openDrive("slalon");
        ADD_FAILURE();
    } catch (const DriveError& error) {
        EXPECT_NE(std::string(error.what()).find("slalom"), std::string::npos);
    }
    EXPECT_THROW(openDrive("/nonexistent/drive.CSV"), DriveError);
}

TEST(DrivePlayer, StepsAtWholeMultiplesOfThePeriodAndLoopsWhenAsked) {
    const std::shared_ptr<const Drive> drive = makeManoeuvre("braking");
    DrivePlayer once(drive, 250.0, false);
    DrivePlayer looping(drive, 250.0, true);
    VehicleInput in;
    std::uint64_t steps = 0;
    while (once.next(in))
        ++steps;
    EXPECT_EQ(steps, once.stepsPerPass());
    EXPECT_EQ(steps, std::uint64_t(std::floor(drive->duration() * 250.0)) + 1);
    for (std::uint64_t k = 0; k < steps + 3; ++k)
        ASSERT_TRUE(looping.next(in));
    EXPECT_EQ(in.speed, drive->at(2 / 250.0).speed); // the second pass's third step
}

} // namespace
