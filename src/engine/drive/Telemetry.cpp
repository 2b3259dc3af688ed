#include "Telemetry.h"

#include "CsvText.h"
#include "FileBytes.h"
#include "RecordedDrive.h"

#include <string_view>

namespace engine::drive {
namespace {

using csv::Place;

constexpr double degree = 3.14159265358979323846 / 180.0;

// A column of the project's own format: its name ends in its unit.
struct ColumnKind {
    TelemetryColumn column;
    const char* signal; // null for the time
    double scale;       // to SI units and radians
};

const std::vector<ColumnKind>& columnKinds() {
    static const std::vector<ColumnKind> kinds = {
        {{"time_s", "time of the sample, s, increasing"}, nullptr, 1.0},
        {{"longitudinal_acceleration_mps2", "forward acceleration, m/s²"},
         "longitudinal_acceleration",
         1.0},
        {{"lateral_acceleration_mps2", "leftward acceleration, m/s²"}, "lateral_acceleration", 1.0},
        {{"vertical_acceleration_mps2",
          "upward acceleration with gravity as an accelerometer reads it (9.81 at rest), m/s²; "
          "9.80665 when absent"},
         "vertical_acceleration",
         1.0},
        {{"vertical_tilt_acceleration_mps2",
          "vertical G-force for the heave tilt, no gravity, m/s²"},
         "vertical_tilt_acceleration",
         1.0},
        {{"roll_rate_radps", "roll rate, rad/s, left side down positive"}, "roll_rate", 1.0},
        {{"roll_rate_degps", "roll rate in deg/s"}, "roll_rate", degree},
        {{"pitch_rate_radps", "pitch rate, rad/s, nose down positive"}, "pitch_rate", 1.0},
        {{"pitch_rate_degps", "pitch rate in deg/s"}, "pitch_rate", degree},
        {{"yaw_rate_radps", "yaw rate, rad/s, nose left positive"}, "yaw_rate", 1.0},
        {{"yaw_rate_degps", "yaw rate in deg/s"}, "yaw_rate", degree},
        {{"pitch_angle_rad", "body pitch against the road, rad"}, "pitch_angle", 1.0},
        {{"pitch_angle_deg", "body pitch in degrees"}, "pitch_angle", degree},
        {{"roll_angle_rad", "body roll against the road, rad"}, "roll_angle", 1.0},
        {{"roll_angle_deg", "body roll in degrees"}, "roll_angle", degree},
        {{"road_left_m", "road height under the left wheels, m"}, "road_left", 1.0},
        {{"road_right_m", "road height under the right wheels, m"}, "road_right", 1.0},
        {{"sideslip_angle_rad", "sideslip angle, rad, positive left"}, "sideslip_angle", 1.0},
        {{"sideslip_angle_deg", "sideslip angle in degrees"}, "sideslip_angle", degree},
        {{"speed_mps", "forward speed, m/s"}, "speed", 1.0},
        {{"speed_kmh", "forward speed in km/h"}, "speed", 1.0 / 3.6},
        {{"front_wheel_angle_rad", "mean steering angle of the front wheels, rad, positive left"},
         "front_wheel_angle",
         1.0},
        {{"front_wheel_angle_deg", "front wheel angle in degrees"}, "front_wheel_angle", degree},
        {{"wheelbase_m", "wheelbase, m; 2.7 when absent"}, "wheelbase", 1.0},
        {{"point_of_sense_x_m", "driver's head ahead of the reference point, m"},
         "point_of_sense_x",
         1.0},
        {{"point_of_sense_y_m", "driver's head left of the reference point, m"},
         "point_of_sense_y",
         1.0},
        {{"point_of_sense_z_m", "driver's head above the reference point, m"},
         "point_of_sense_z",
         1.0},
    };
    return kinds;
}

std::string knownNames() {
    std::string names;
    for (const ColumnKind& kind : columnKinds())
        names += (names.empty() ? "" : ", ") + std::string(kind.column.name);
    return names;
}

const ColumnKind* kindNamed(const std::string& name) {
    for (const ColumnKind& kind : columnKinds())
        if (name == kind.column.name)
            return &kind;
    return nullptr;
}

struct Header {
    std::vector<const ColumnKind*> kinds; // per field, in file order
    std::size_t timeField = 0;
};

bool sameSignal(const ColumnKind& a, const ColumnKind& b) {
    return a.signal == b.signal || (a.signal && b.signal && std::string(a.signal) == b.signal);
}

Header readHeader(std::string_view line, const Place& place) {
    Header header;
    std::vector<std::string_view> names;
    csv::splitFields(line, ',', names);
    bool hasTime = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name(names[i]);
        const ColumnKind* kind = kindNamed(name);
        const int column = int(i) + 1;
        if (!kind)
            place.fail(1, column,
                       "unknown column \"" + name + "\"; the known columns are " + knownNames());
        for (const ColumnKind* earlier : header.kinds)
            if (sameSignal(*earlier, *kind))
                place.fail(1, column,
                           "column \"" + name + "\" repeats \"" + earlier->column.name + "\"");
        if (!kind->signal) {
            hasTime = true;
            header.timeField = i;
        }
        header.kinds.push_back(kind);
    }
    if (!hasTime)
        place.fail(1, 1, "no time_s column: the header must name the time of each sample, in s");
    return header;
}

} // namespace

const std::vector<TelemetryColumn>& telemetryColumns() {
    static const std::vector<TelemetryColumn> columns = [] {
        std::vector<TelemetryColumn> all;
        for (const ColumnKind& kind : columnKinds())
            all.push_back(kind.column);
        return all;
    }();
    return columns;
}

std::unique_ptr<Drive> parseTelemetry(const std::string& text, const std::string& fileName) {
    const Place place(fileName);
    csv::Lines lines(text);
    std::string_view line;
    if (!lines.next(line) || csv::trimmed(line).empty())
        place.fail(1, 1,
                   "empty; a telemetry file starts with a header row such as time_s,speed_mps");
    const Header header = readHeader(line, place);

    std::vector<csv::Field> fields;
    for (std::size_t i = 0; i < header.kinds.size(); ++i)
        fields.push_back({i, header.kinds[i]->column.name});
    csv::RowRules rules;
    rules.timeField = header.timeField;
    rules.exactFieldCount = fields.size();
    csv::Samples samples = csv::readRows(lines, place, fields, rules, csv::lineCount(text));

    std::vector<RecordedSignal> signals;
    for (std::size_t i = 0; i < header.kinds.size(); ++i) {
        const ColumnKind& kind = *header.kinds[i];
        if (!kind.signal)
            continue;
        std::vector<double>& values = samples.values[i];
        for (double& value : values)
            value *= kind.scale;
        signals.push_back({inputSignalNamed(kind.signal), std::move(values)});
    }
    return makeRecordedDrive(std::move(samples.times), std::move(signals));
}

std::unique_ptr<Drive> loadTelemetry(const std::string& path) {
    return parseTelemetry(readWholeFile(path), path);
}

} // namespace engine::drive
