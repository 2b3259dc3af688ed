// A CSV export of another tool plays through a column map as the same samples in the project's
// own columns; a map or a file that cannot be read that way is refused with the place of its
// fault.
#include "engine/drive/ColumnMap.h"

#include "engine/drive/MappedTelemetry.h"
#include "engine/drive/Telemetry.h"
#include "support/ErrorText.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace engine;
using namespace engine::drive;

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// A logger's export: a title and a blank line before the names, units below them, semicolons,
// quoted names, the time in milliseconds, lateral g with y to the right, columns of its own.
const char* const exportText = "\"Logger export\";\"lap 3\"\n"
                               "\n"
                               "\"Time\";\"Lap\";\"G Lat\";\"Speed\";\"Roll Rate\";\"Steer\"\n"
                               "\"ms\";\"\";\"g\";\"km/h\";\"deg/s\";\"deg\"\n"
                               "5000;3;0.1;72;-2;30\n"
                               "5100;3;-0.2;90;4;-45\n"
                               "5300;3;0.3;108;6;60\n";

const char* const exportMap = R"({
  "csv": {"separator": ";", "header_line": 3, "first_data_line": 5},
  "time": {"column": "Time", "unit": "ms"},
  "signals": {
    "lateral_acceleration": {"column": "G Lat", "unit": "g", "sign": -1},
    "speed": {"column": "Speed", "unit": "km/h"},
    "roll_rate": {"column": "Roll Rate", "unit": "deg/s"},
    "front_wheel_angle": {"column": "Steer", "unit": "deg", "scale": 0.0625}
  }
})";

TEST(ColumnMap, AnExportOfAnotherToolPlaysAsTheSameSamplesInTheProjectsColumns) {
    const auto mapped =
        parseMappedTelemetry(exportText, "export.csv", parseColumnMap(exportMap, "logger.json"));
    const auto own = parseTelemetry(
        "time_s,lateral_acceleration_mps2,speed_mps,roll_rate_radps,front_wheel_angle_rad\n"
        "0.0,-0.980665,20,-0.034906585039886591,0.032724923474893679\n"
        "0.1,1.96133,25,0.069813170079773182,-0.049087385212340517\n"
        "0.3,-2.941995,30,0.10471975511965977,0.065449846949787359\n",
        "own.csv");
    ASSERT_NEAR(mapped->duration(), own->duration(), 1e-12);
    for (double t = 0.0; t <= 0.35; t += 0.01) {
        SCOPED_TRACE(t);
        const VehicleInput a = mapped->at(t), b = own->at(t);
        EXPECT_NEAR(a.lateralAcceleration, b.lateralAcceleration, 1e-12);
        EXPECT_NEAR(a.speed, b.speed, 1e-12);
        EXPECT_NEAR(a.rollRate, b.rollRate, 1e-12);
        EXPECT_NEAR(a.frontWheelAngle, b.frontWheelAngle, 1e-12);
        EXPECT_EQ(a.verticalAcceleration, b.verticalAcceleration) << "unmapped: 1 g at rest";
    }
}

TEST(ColumnMap, SideslipFromVelocitiesIsTheirDirectionOnlyOnceTheVehicleMoves) {
    const ColumnMap map = parseColumnMap(
        R"({"time": {"column": "t", "unit": "s"},
            "signals": {"sideslip_angle": {"forward_velocity": "vx", "leftward_velocity": "vy",
                                           "unit": "m/s"}}})",
        "velocities.json");
    // Creeping sideways at 1 cm/s, then at 20 m/s with the body 3 degrees off its path.
    const auto drive = parseMappedTelemetry("t,vx,vy\n0,0,0.01\n1,0,0.01\n2,19.97259,1.04672\n"
                                            "3,19.97259,1.04672\n",
                                            "slip.csv", map);
    EXPECT_LT(std::fabs(drive->at(0.5).sideslipAngle), 1e-3);
    EXPECT_NEAR(drive->at(2.5).sideslipAngle, 3.0 * degree, 1e-5);
}

TEST(ColumnMap, AMapThatCannotBeReadIsRefusedWithThePlaceOfItsFault) {
    struct Case {
        const char* map;
        const char* message;
    };
    const char* const time = R"("time": {"column": "t", "unit": "s"})";
    const auto withSignal = [&](const std::string& signal) {
        return std::string("{") + time + R"(, "signals": {)" + signal + "}}";
    };
    const std::string cases[][2] = {
        {"{\n  \"time\": {\"column\": \"t\",\n    \"unit\" \"s\"}}",
         "m.json, line 3, column 14: the JSON is malformed"},
        {R"({"signals": {"speed": {"column": "v", "unit": "m/s"}}})",
         "m.json: the map: no \"time\""},
        {std::string("{") + time + "}", "m.json: the map: no \"signals\""},
        {withSignal(R"("velocity": {"column": "v", "unit": "m/s"})"),
         "m.json: signals.velocity: no such signal; the signals are longitudinal_acceleration"},
        {withSignal(R"("speed": {"column": "v", "unit": "deg/s"})"),
         "m.json: signals.speed.unit: \"deg/s\" is not a unit of speed; give one of m/s, km/h, "
         "mph"},
        {withSignal(R"("speed": {"column": "v", "untis": "m/s"})"),
         "m.json: signals.speed: unknown key \"untis\""},
        {withSignal(R"("speed": {"column": "v", "unit": "m/s", "sign": 2})"),
         "m.json: signals.speed.sign: must be 1 or -1"},
        {withSignal(R"("speed": {"column": "v", "unit": "m/s", "scale": 0})"),
         "m.json: signals.speed.scale: must not be 0"},
        {withSignal(R"("speed": {"column": "v", "unit": "m/s", "scale": 1e999})"),
         "m.json: the JSON is malformed: it holds a number beyond any range"},
        {withSignal(R"("speed": {"column": "", "unit": "m/s"})"),
         "m.json: signals.speed.column: must be a name"},
        {withSignal(R"("yaw_rate": {"forward_velocity": "x", "leftward_velocity": "y",
                                    "unit": "m/s"})"),
         "m.json: signals.yaw_rate: only the sideslip angle comes from velocities"},
        {std::string(R"({"csv": {"separator": ";;"}, )") + time +
             R"(, "signals": {"speed": {"column": "v", "unit": "m/s"}}})",
         "m.json: csv.separator: must be one character"},
        {std::string(R"({"csv": {"header_line": 4, "first_data_line": 4}, )") + time +
             R"(, "signals": {"speed": {"column": "v", "unit": "m/s"}}})",
         "m.json: csv.first_data_line: must come after the header line"},
    };
    for (const auto& [map, message] : cases) {
        SCOPED_TRACE(map);
        const std::string error = errorText<DriveError>([&] { parseColumnMap(map, "m.json"); });
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

TEST(ColumnMap, AFileThatDoesNotFitItsMapIsRefusedWithItsFileLineAndColumn) {
    const ColumnMap map = parseColumnMap(exportMap, "logger.json");
    const std::string header = "\"Logger export\"\n\n";
    const std::string names = "Time;Lap;G Lat;Speed;Roll Rate;Steer\nms;;g;km/h;deg/s;deg\n";
    const std::string cases[][2] = {
        {header, "e.csv, line 3, column 1: no header line 3"},
        {header + "Time;Lap;G Lat;Speed;Steer\n",
         "e.csv, line 3, column 1: no column \"Roll Rate\""},
        {header + "Time;Speed;G Lat;Speed;Roll Rate;Steer\n",
         "e.csv, line 3, column 4: column \"Speed\" also stands in column 2"},
        {header + names + "0;1;0.1;x;0;0\n",
         "e.csv, line 5, column 4 (Speed): \"x\" is not a number"},
        {header + names + "0;1;0.1;50;0\n", "e.csv, line 5, column 6 (Steer): missing value"},
        {header + names + "100;1;0;0;0;0\n100;1;0;0;0;0\n",
         "e.csv, line 6, column 1 (Time): time 0.1 s does not come after 0.1 s on line 5"},
        {header + names + "100;1;0;0;0;0\n", "e.csv, line 6, column 1: one sample is no drive"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        const std::string error =
            errorText<DriveError>([&] { parseMappedTelemetry(text, "e.csv", map); });
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

} // namespace
