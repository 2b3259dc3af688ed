// Seeds for the telemetry and rig fuzzers, written into the folder given: a small .ibt recording
// laid out as the iRacing SDK documents it, a CSV in the project's columns, and a column map with
// a CSV export it reads (separated by a NUL byte, as fuzz_telemetry_csv expects), and live records
// for fuzz_recent_drive.
#include "../tests/engine/IbtWriter.h"
#include "KEOUI64/OutputRecord.h"

#include <cmath>
#include <fstream>
#include <string>

namespace {

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ibtSeed() {
    using namespace ibtfixture;
    Writer writer({{"SessionTime", "s", Double},
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
                   {"Gear", "", Int}});
    for (int row = 0; row < 8; ++row) {
        const double t = row / 60.0, s = std::sin(t * 6.0);
        writer.addRow(
            {100.0 + t, s, -s, 9.8, 0.1 * s, 0.0, 0.2 * s, 0.01, 0.02, 20.0, 20.0, 0.5 * s, 3});
    }
    return writer.bytes();
}

// The option byte, then a few records of a vehicle turning left at 500 records per second.
std::string recordsSeed() {
    std::string bytes(1, char(40));
    KEOOutputRecord record{};
    for (int step = 0; step < 4; ++step) {
        record.setTimestampUs(2000u * std::uint64_t(step + 1));
        record.setSignal(4, 2.0f + 0.1f * float(step)); // lateral acceleration
        record.setSignal(9, 0.2f);                      // yaw rate
        bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::string folder = argv[1];
    write(folder + "/seed.ibt", ibtSeed());
    write(folder + "/seed.records", recordsSeed());
    write(folder + "/seed.csv", "time_s,speed_kmh,roll_rate_degps,lateral_acceleration_mps2\n"
                                "0,36,0,0\n0.1,72,10,1.5\n0.3,72,-10,-1.5\n");
    write(folder + "/seed-mapped.csv",
          std::string(R"({"csv": {"separator": ";", "header_line": 2},
"time": {"column": "Time", "unit": "ms"},
"signals": {"lateral_acceleration": {"column": "G Lat", "unit": "g", "sign": -1},
            "sideslip_angle": {"forward_velocity": "Vx", "leftward_velocity": "Vy",
                               "unit": "km/h"}}})") +
              '\0' + "export\n\"Time\";\"G Lat\";\"Vx\";\"Vy\"\n0;0.1;72;1\n100;0.2;72;2\n");
    return 0;
}
