// iRacing's .ibt telemetry, written here from the layout the SDK documents: it plays the vehicle
// signals the same samples give as a CSV file, and a spoiled file is refused whole with the byte
// offset of its fault.
#include "engine/drive/IbtTelemetry.h"

#include "IbtWriter.h"
#include "TempDir.h"
#include "engine/drive/ColumnMap.h"
#include "engine/drive/Drive.h"
#include "engine/drive/Telemetry.h"
#include "support/ErrorText.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

using namespace engine;
using namespace engine::drive;
using ibtfixture::Writer;

namespace {

// The variables of a recording: those the built-in map reads, among others of every type.
std::vector<ibtfixture::Variable> recordingVariables() {
    using namespace ibtfixture;
    return {{"SessionTime", "s", Double},
            {"Gear", "", Int},
            {"IsOnTrack", "", Bool},
            {"LongAccel", "m/s^2", Float},
            {"LatAccel", "m/s^2", Float},
            {"VertAccel", "m/s^2", Float},
            {"RollRate", "rad/s", Float},
            {"PitchRate", "rad/s", Float},
            {"YawRate", "rad/s", Float},
            {"Roll", "rad", Float},
            {"Pitch", "rad", Float},
            {"Speed", "m/s", Float},
            {"VelocityX", "m/s", Float},
            {"VelocityY", "m/s", Float},
            {"LatAccel_ST", "m/s^2", Float, 6},
            {"EngineWarnings", "", BitField}};
}

// The slalom at 60 rows per second from session time 1234.5 s, as iRacing records it (x forward,
// y left, z up, angles right-handed: roll and its rate opposite to the engine's), and the same
// samples in the project's CSV columns, each value as a single-precision float carries it.
struct Recording {
    std::string ibt, csv;
    Writer writer{recordingVariables()};
};

Recording slalomRecording() {
    const auto slalom = makeManoeuvre("slalom");
    Recording recording;
    std::ostringstream csv;
    csv.precision(17);
    csv << "time_s,longitudinal_acceleration_mps2,lateral_acceleration_mps2,"
           "vertical_acceleration_mps2,roll_rate_radps,pitch_rate_radps,yaw_rate_radps,"
           "roll_angle_rad,pitch_angle_rad,speed_mps,sideslip_angle_rad\n";
    const auto single = [](double value) {
        return double(float(value));
    };
    for (int row = 0; row <= int(slalom->duration() * 60.0); ++row) {
        const double t = row / 60.0;
        const VehicleInput in = slalom->at(t);
        const double vx = in.speed * std::cos(in.sideslipAngle);
        const double vy = in.speed * std::sin(in.sideslipAngle);
        recording.writer.addRow({1234.5 + t, 3, 1, in.longitudinalAcceleration,
                                 in.lateralAcceleration, in.verticalAcceleration, -in.rollRate,
                                 in.pitchRate, in.yawRate, -in.rollAngle, in.pitchAngle, in.speed,
                                 vx, vy, in.lateralAcceleration, 0});
        csv << 1234.5 + t << ',' << single(in.longitudinalAcceleration) << ','
            << single(in.lateralAcceleration) << ',' << single(in.verticalAcceleration) << ','
            << single(in.rollRate) << ',' << single(in.pitchRate) << ',' << single(in.yawRate)
            << ',' << single(in.rollAngle) << ',' << single(in.pitchAngle) << ','
            << single(in.speed) << ',' << in.sideslipAngle << '\n';
    }
    recording.ibt = recording.writer.bytes();
    recording.csv = csv.str();
    return recording;
}

std::unique_ptr<Drive> ibtDrive(const std::string& bytes) {
    MemoryBytes memory(bytes);
    return parseIbt(memory, "lap.ibt");
}

TEST(IbtTelemetry, PlaysTheSameVehicleSignalsAsTheSameSamplesInCsv) {
    const Recording recording = slalomRecording();
    const auto fromIbt = ibtDrive(recording.ibt);
    const auto fromCsv = parseTelemetry(recording.csv, "lap.csv");
    ASSERT_NEAR(fromIbt->duration(), fromCsv->duration(), 1e-9);
    for (double t = 0.0; t <= fromCsv->duration() + 0.5; t += 0.0037) {
        SCOPED_TRACE(t);
        const VehicleInput a = fromIbt->at(t), b = fromCsv->at(t);
        const double values[][2] = {{a.longitudinalAcceleration, b.longitudinalAcceleration},
                                    {a.lateralAcceleration, b.lateralAcceleration},
                                    {a.verticalAcceleration, b.verticalAcceleration},
                                    {a.rollRate, b.rollRate},
                                    {a.pitchRate, b.pitchRate},
                                    {a.yawRate, b.yawRate},
                                    {a.rollAngle, b.rollAngle},
                                    {a.pitchAngle, b.pitchAngle},
                                    {a.speed, b.speed},
                                    {a.sideslipAngle, b.sideslipAngle},
                                    {a.frontWheelAngle, b.frontWheelAngle},
                                    {a.verticalTiltAcceleration, b.verticalTiltAcceleration}};
        for (const auto& pair : values)
            ASSERT_NEAR(pair[0], pair[1], 1e-6);
    }
    // The comparison tells signs apart only where the signals are well above its tolerance.
    EXPECT_GT(std::fabs(fromIbt->at(3.0).rollRate), 1e-3);
    EXPECT_GT(std::fabs(fromIbt->at(3.0).rollAngle), 1e-3);
    EXPECT_GT(std::fabs(fromIbt->at(3.0).sideslipAngle), 1e-3);
}

TEST(IbtTelemetry, TheBundledIracingMapIsTheOneBuiltIn) {
    const ColumnMap example = loadColumnMap(std::string(KEO_EXAMPLES_DIR) + "/maps/iracing.json");
    const ColumnMap& builtIn = iracingMap();
    EXPECT_EQ(example.columns(), builtIn.columns());
    ASSERT_EQ(example.sources.size(), builtIn.sources.size());
    for (std::size_t i = 0; i < builtIn.sources.size(); ++i) {
        EXPECT_EQ(example.sources[i].signal, builtIn.sources[i].signal);
        EXPECT_EQ(example.sources[i].factor, builtIn.sources[i].factor);
        EXPECT_EQ(example.sources[i].unit, builtIn.sources[i].unit);
    }
}

TEST(IbtTelemetry, OpensByItsEndingAndPlaysThroughAGivenMap) {
    Recording recording = slalomRecording();
    TempDir folder;
    const std::string path = folder.file("lap.IBT").string();
    writeBytes(path, recording.ibt);
    const ColumnMap lateralOnly = parseColumnMap(
        R"({"time": {"column": "SessionTime", "unit": "s"},
            "signals": {"lateral_acceleration": {"column": "LatAccel", "unit": "m/s^2",
                                                 "scale": 2, "sign": -1}}})",
        "lateral.json");
    const auto builtIn = openDrive(path);
    const auto mapped = openDrive(path, &lateralOnly);
    EXPECT_NEAR(mapped->at(3.0).lateralAcceleration, -2.0 * builtIn->at(3.0).lateralAcceleration,
                1e-9);
    EXPECT_EQ(mapped->at(3.0).speed, 0.0) << "a signal the map does not name stays at rest";
}

struct Spoiled {
    const char* what;
    std::function<void(std::string& bytes, const Writer& layout)> spoil;
    std::function<std::int64_t(const Writer& layout)> offset;
    const char* why;
};

TEST(IbtTelemetry, ASpoiledFileIsRefusedWholeWithTheByteOffsetOfItsFault) {
    const auto at = [](std::int64_t offset) {
        return [offset](const Writer&) {
            return offset;
        };
    };
    const auto setInt = [](std::size_t where, std::int32_t value) {
        return [where, value](std::string& bytes, const Writer&) {
            Writer::putInt(bytes, where, value);
        };
    };
    const Spoiled cases[] = {
        {"cut within the header", [](std::string& b, const Writer&) { b.resize(100); }, at(100),
         "ends within its header"},
        {"cut within row 11",
         [](std::string& b, const Writer& w) {
             b.resize(std::size_t(w.rowsAt + 10 * w.rowBytes + 5));
         },
         [](const Writer& w) { return w.rowsAt + 10 * w.rowBytes; }, "within row 11"},
        {"another header version", setInt(0, 1), at(0), "header version 1"},
        {"no variables", setInt(24, 0), at(24), "0 variables"},
        {"variable headers beyond the end", setInt(28, 1 << 30), at(28), "; the file ends at byte"},
        {"no buffer", setInt(32, 0), at(32), "0 buffers"},
        {"rows of no bytes", setInt(36, 0), at(36), "rows of 0 bytes"},
        {"rows inside the header", setInt(52, 100), at(52), "inside the header"},
        {"a single row", setInt(140, 1), at(140), "1 row recorded"},
        {"session info beyond the end", setInt(16, 1 << 30), at(20), "; the file ends at byte"},
        {"a type no variable has",
         [](std::string& b, const Writer& w) {
             Writer::putInt(b, std::size_t(w.variableHeaderAt("Gear")), 9);
         },
         [](const Writer& w) { return w.variableHeaderAt("Gear"); }, "type 9"},
        {"a variable beyond its row",
         [](std::string& b, const Writer& w) {
             Writer::putInt(b, std::size_t(w.variableHeaderAt("Gear")) + 4, w.rowBytes - 2);
         },
         [](const Writer& w) { return w.variableHeaderAt("Gear") + 4; }, "runs past the row"},
        {"a variable the map reads is missing",
         [](std::string& b, const Writer& w) {
             Writer::putText(b, std::size_t(w.variableHeaderAt("LatAccel")) + 16, "LatAccelX", 32);
         },
         [](const Writer& w) { return w.variableHeadersAt; }, "no variable \"LatAccel\""},
        {"a variable the map reads twice",
         [](std::string& b, const Writer& w) {
             Writer::putText(b, std::size_t(w.variableHeaderAt("Gear")) + 16, "Speed", 32);
         },
         [](const Writer& w) { return w.variableHeaderAt("Speed"); }, "declared again"},
        {"a variable in another unit",
         [](std::string& b, const Writer& w) {
             Writer::putText(b, std::size_t(w.variableHeaderAt("Roll")) + 112, "deg", 32);
         },
         [](const Writer& w) { return w.variableHeaderAt("Roll") + 112; }, "is in \"deg\""},
        {"a variable the map reads holds no number",
         [](std::string& b, const Writer& w) {
             Writer::putInt(b, std::size_t(w.variableHeaderAt("Speed")), ibtfixture::BitField);
         },
         [](const Writer& w) { return w.variableHeaderAt("Speed"); }, "holds no number"},
        {"time standing still at row 6",
         [](std::string& b, const Writer& w) {
             const auto time = [&](int row) {
                 return std::size_t(w.rowsAt + row * w.rowBytes + w.offsetInRow("SessionTime"));
             };
             b.replace(time(5), 8, b.substr(time(4), 8));
         },
         [](const Writer& w) { return w.rowsAt + 5 * w.rowBytes + w.offsetInRow("SessionTime"); },
         "row 6"},
    };
    Recording recording = slalomRecording();
    for (const Spoiled& bad : cases) {
        SCOPED_TRACE(bad.what);
        std::string bytes = recording.ibt;
        bad.spoil(bytes, recording.writer);
        const std::string place = "lap.ibt, byte " + std::to_string(bad.offset(recording.writer));
        const std::string message = errorText<DriveError>([&] { ibtDrive(bytes); });
        EXPECT_EQ(message.rfind(place + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(bad.why), std::string::npos) << message;
    }
}

} // namespace
