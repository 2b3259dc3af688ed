#include "Telemetry.h"

#include "engine/InputCheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string_view>

namespace engine::drive {
namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

using Setter = void (*)(VehicleInput&, double);
using Getter = double (*)(const VehicleInput&);

struct ColumnKind {
    TelemetryColumn column;
    Setter set;
    Getter get;
    double scale;       // to SI units and radians
    const char* signal; // two columns of the same signal cannot both be given
};

// The signal a column feeds: how to set it and read it back (for the check of each sample).
#define KEO_SETTER(member)                                                                         \
    [](VehicleInput& in, double value) { in.member = value; }, [](const VehicleInput& in) {        \
        return in.member;                                                                          \
    }

const std::vector<ColumnKind>& columnKinds() {
    static const std::vector<ColumnKind> kinds = {
        {{"time_s", "time of the sample, s, increasing"}, nullptr, nullptr, 1.0, "time"},
        {{"longitudinal_acceleration_mps2", "forward acceleration, m/s²"},
         KEO_SETTER(longitudinalAcceleration),
         1.0,
         "ax"},
        {{"lateral_acceleration_mps2", "leftward acceleration, m/s²"},
         KEO_SETTER(lateralAcceleration),
         1.0,
         "ay"},
        {{"vertical_acceleration_mps2",
          "upward acceleration with gravity as an accelerometer reads it (9.81 at rest), m/s²; "
          "9.80665 when absent"},
         KEO_SETTER(verticalAcceleration),
         1.0,
         "az"},
        {{"vertical_tilt_acceleration_mps2",
          "vertical G-force for the heave tilt, no gravity, m/s²"},
         KEO_SETTER(verticalTiltAcceleration),
         1.0,
         "tilt"},
        {{"roll_rate_radps", "roll rate, rad/s, left side down positive"},
         KEO_SETTER(rollRate),
         1.0,
         "p"},
        {{"roll_rate_degps", "roll rate in deg/s"}, KEO_SETTER(rollRate), degree, "p"},
        {{"pitch_rate_radps", "pitch rate, rad/s, nose down positive"},
         KEO_SETTER(pitchRate),
         1.0,
         "q"},
        {{"pitch_rate_degps", "pitch rate in deg/s"}, KEO_SETTER(pitchRate), degree, "q"},
        {{"yaw_rate_radps", "yaw rate, rad/s, nose left positive"}, KEO_SETTER(yawRate), 1.0, "r"},
        {{"yaw_rate_degps", "yaw rate in deg/s"}, KEO_SETTER(yawRate), degree, "r"},
        {{"pitch_angle_rad", "body pitch against the road, rad"},
         KEO_SETTER(pitchAngle),
         1.0,
         "theta"},
        {{"pitch_angle_deg", "body pitch in degrees"}, KEO_SETTER(pitchAngle), degree, "theta"},
        {{"roll_angle_rad", "body roll against the road, rad"}, KEO_SETTER(rollAngle), 1.0, "phi"},
        {{"roll_angle_deg", "body roll in degrees"}, KEO_SETTER(rollAngle), degree, "phi"},
        {{"road_left_m", "road height under the left wheels, m"}, KEO_SETTER(roadLeft), 1.0, "zl"},
        {{"road_right_m", "road height under the right wheels, m"},
         KEO_SETTER(roadRight),
         1.0,
         "zr"},
        {{"sideslip_angle_rad", "sideslip angle, rad, positive left"},
         KEO_SETTER(sideslipAngle),
         1.0,
         "beta"},
        {{"sideslip_angle_deg", "sideslip angle in degrees"},
         KEO_SETTER(sideslipAngle),
         degree,
         "beta"},
        {{"speed_mps", "forward speed, m/s"}, KEO_SETTER(speed), 1.0, "v"},
        {{"speed_kmh", "forward speed in km/h"}, KEO_SETTER(speed), 1.0 / 3.6, "v"},
        {{"front_wheel_angle_rad", "mean steering angle of the front wheels, rad, positive left"},
         KEO_SETTER(frontWheelAngle),
         1.0,
         "delta"},
        {{"front_wheel_angle_deg", "front wheel angle in degrees"},
         KEO_SETTER(frontWheelAngle),
         degree,
         "delta"},
        {{"wheelbase_m", "wheelbase, m; 2.7 when absent"}, KEO_SETTER(wheelbase), 1.0, "l"},
        {{"point_of_sense_x_m", "driver's head ahead of the reference point, m"},
         KEO_SETTER(pointOfSense[0]),
         1.0,
         "sx"},
        {{"point_of_sense_y_m", "driver's head left of the reference point, m"},
         KEO_SETTER(pointOfSense[1]),
         1.0,
         "sy"},
        {{"point_of_sense_z_m", "driver's head above the reference point, m"},
         KEO_SETTER(pointOfSense[2]),
         1.0,
         "sz"},
    };
    return kinds;
}

#undef KEO_SETTER

// Where in the file a fault lies, for messages: "drive.csv, line 3, column 2 (speed_mps): ...".
class Place {
public:
    explicit Place(const std::string& fileName)
        : m_fileName(fileName) {}

    [[noreturn]] void fail(int line, int column, const std::string& what,
                           const std::string& columnName = {}) const {
        std::string where =
            m_fileName + ", line " + std::to_string(line) + ", column " + std::to_string(column);
        if (!columnName.empty())
            where += " (" + columnName + ")";
        throw DriveError(where + ": " + what);
    }

private:
    const std::string& m_fileName;
};

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\r';
    };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The comma-separated fields of a line, trimmed, into `fields` (kept to save allocations).
void splitFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

bool parseNumber(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const char* first = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
    const auto [rest, error] = std::from_chars(first, end, value);
    return error == std::errc() && rest == end && std::isfinite(value);
}

// Hands out the lines of a text one by one, without their line ends.
class Lines {
public:
    explicit Lines(std::string_view text)
        : m_text(text) {}
    bool next(std::string_view& line) {
        if (m_position >= m_text.size())
            return false;
        const std::size_t end = std::min(m_text.find('\n', m_position), m_text.size());
        line = m_text.substr(m_position, end - m_position);
        m_position = end + 1;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

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

std::string seconds(double value) {
    std::ostringstream text;
    text << value << " s";
    return text.str();
}

// The samples, column by column: only the columns the file has are kept and interpolated.
class Telemetry : public Drive {
public:
    Telemetry(std::vector<double> times, std::vector<const ColumnKind*> kinds,
              std::vector<std::vector<double>> values)
        : m_times(std::move(times))
        , m_kinds(std::move(kinds))
        , m_values(std::move(values)) {
        m_rest.verticalAcceleration = standardGravity;
        checkSamples();
    }

    double duration() const override { return m_times.back() - m_times.front(); }

    VehicleInput at(double seconds) const override {
        const double t = m_times.front() + std::clamp(seconds, 0.0, duration());
        // The sample at or before t, and how far t lies towards the next one.
        const auto after = std::upper_bound(m_times.begin() + 1, m_times.end() - 1, t);
        const std::size_t i = std::size_t(after - m_times.begin()) - 1;
        const double fraction =
            std::clamp((t - m_times[i]) / (m_times[i + 1] - m_times[i]), 0.0, 1.0);
        VehicleInput input = m_rest;
        for (std::size_t c = 0; c < m_kinds.size(); ++c) {
            const std::vector<double>& column = m_values[c];
            const double value = column[i] + fraction * (column[i + 1] - column[i]);
            m_kinds[c]->set(input, value * m_kinds[c]->scale);
        }
        return input;
    }

private:
    // Every sample passes the engine's check before anything interpolates between samples: a
    // bad one is replaced as the engine would replace it, so the steps interpolated towards it
    // never reach the platform as plausible motion.
    void checkSamples() {
        InputCheck check;
        for (std::size_t i = 0; i < m_times.size(); ++i) {
            VehicleInput sample = m_rest;
            for (std::size_t c = 0; c < m_kinds.size(); ++c)
                m_kinds[c]->set(sample, m_values[c][i] * m_kinds[c]->scale);
            const double dt = i == 0 ? 0.0 : m_times[i] - m_times[i - 1];
            const VehicleInput checked = check.check(sample, dt, m_rest);
            for (std::size_t c = 0; c < m_kinds.size(); ++c) {
                const double value = m_kinds[c]->get(checked);
                if (value != m_kinds[c]->get(sample))
                    m_values[c][i] = value / m_kinds[c]->scale;
            }
        }
    }

    std::vector<double> m_times;
    std::vector<const ColumnKind*> m_kinds;
    std::vector<std::vector<double>> m_values;
    VehicleInput m_rest;
};

struct Header {
    std::vector<const ColumnKind*> kinds; // per field, in file order
    std::size_t timeField = 0;
};

Header readHeader(std::string_view line, const Place& place) {
    Header header;
    std::vector<std::string_view> names;
    splitFields(line, names);
    bool hasTime = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name(names[i]);
        const ColumnKind* kind = kindNamed(name);
        const int column = int(i) + 1;
        if (!kind)
            place.fail(1, column,
                       "unknown column \"" + name + "\"; the known columns are " + knownNames());
        for (const ColumnKind* earlier : header.kinds)
            if (std::string(earlier->signal) == kind->signal)
                place.fail(1, column,
                           "column \"" + name + "\" repeats \"" + earlier->column.name + "\"");
        if (!kind->set) {
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
    Lines lines(text);
    std::string_view line;
    int lineNumber = 1;
    if (!lines.next(line) || trimmed(line).empty())
        place.fail(1, 1,
                   "empty; a telemetry file starts with a header row such as time_s,speed_mps");
    if (line.substr(0, 3) == "\xEF\xBB\xBF")
        line.remove_prefix(3); // a byte-order mark some spreadsheets write
    const Header header = readHeader(line, place);

    // Room for every row at once: a long recording would otherwise be copied as it grows.
    const auto rows = std::size_t(std::count(text.begin(), text.end(), '\n')) + 1;
    std::vector<double> times;
    times.reserve(rows);
    std::vector<std::vector<double>> columns(header.kinds.size());
    for (std::vector<double>& column : columns)
        column.reserve(rows);
    std::vector<std::string_view> fields;
    int previousLine = 0;
    while (lines.next(line)) {
        ++lineNumber;
        if (trimmed(line).empty())
            continue;
        splitFields(line, fields);
        const std::size_t expected = header.kinds.size();
        if (fields.size() < expected)
            place.fail(lineNumber, int(fields.size()) + 1, "missing value",
                       header.kinds[fields.size()]->column.name);
        if (fields.size() > expected)
            place.fail(lineNumber, int(expected) + 1,
                       "more values than the header has columns (" + std::to_string(expected) +
                           ")");
        for (std::size_t i = 0; i < expected; ++i) {
            double value = 0.0;
            if (!parseNumber(fields[i], value))
                place.fail(lineNumber, int(i) + 1,
                           "\"" + std::string(fields[i]) + "\" is not a number",
                           header.kinds[i]->column.name);
            columns[i].push_back(value);
        }
        const double time = columns[header.timeField].back();
        if (!times.empty() && !(time > times.back()))
            place.fail(lineNumber, int(header.timeField) + 1,
                       "time " + seconds(time) + " does not come after " + seconds(times.back()) +
                           " on line " + std::to_string(previousLine),
                       "time_s");
        times.push_back(time);
        previousLine = lineNumber;
    }
    if (times.size() < 2)
        place.fail(lineNumber + 1, 1,
                   times.empty() ? "no samples after the header"
                                 : "one sample is no drive; give at least two");

    std::vector<const ColumnKind*> kinds;
    std::vector<std::vector<double>> values;
    for (std::size_t i = 0; i < header.kinds.size(); ++i) {
        if (i == header.timeField)
            continue;
        kinds.push_back(header.kinds[i]);
        values.push_back(std::move(columns[i]));
    }
    return std::make_unique<Telemetry>(std::move(times), std::move(kinds), std::move(values));
}

std::unique_ptr<Drive> loadTelemetry(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw DriveError(path + ": cannot open the file");
    file.seekg(0, std::ios::end);
    std::string text(std::size_t(std::max<std::streamoff>(file.tellg(), 0)), '\0');
    file.seekg(0, std::ios::beg);
    file.read(text.data(), std::streamsize(text.size()));
    if (file.bad() || file.gcount() != std::streamsize(text.size()))
        throw DriveError(path + ": cannot read the file");
    return parseTelemetry(text, path);
}

} // namespace engine::drive
