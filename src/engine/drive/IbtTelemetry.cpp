#include "IbtTelemetry.h"

#include "IbtFile.h"

#include <algorithm>
#include <cmath>

namespace engine::drive {
namespace {

const char* const iracingMapText = R"({
  "time": {"column": "SessionTime", "unit": "s"},
  "signals": {
    "longitudinal_acceleration": {"column": "LongAccel", "unit": "m/s^2"},
    "lateral_acceleration": {"column": "LatAccel", "unit": "m/s^2"},
    "vertical_acceleration": {"column": "VertAccel", "unit": "m/s^2"},
    "roll_rate": {"column": "RollRate", "unit": "rad/s", "sign": -1},
    "pitch_rate": {"column": "PitchRate", "unit": "rad/s"},
    "yaw_rate": {"column": "YawRate", "unit": "rad/s"},
    "roll_angle": {"column": "Roll", "unit": "rad", "sign": -1},
    "pitch_angle": {"column": "Pitch", "unit": "rad"},
    "speed": {"column": "Speed", "unit": "m/s"},
    "sideslip_angle": {"forward_velocity": "VelocityX", "leftward_velocity": "VelocityY", "unit": "m/s"}
  }
})";

// Rows are read this many bytes at a time: a recording of an hour is hundreds of megabytes, of
// which only a few variables are played.
constexpr std::size_t chunkBytes = 1 << 22;

// A variable the map reads, found in the layout and checked for what the map expects of it.
struct Wanted {
    const ibt::Variable* variable;
    std::vector<double> values;
};

const ibt::Variable& variableNamed(const ibt::Layout& layout, const std::string& name,
                                   const ColumnMap& map, const std::string& fileName) {
    const ibt::Variable* found = nullptr;
    for (const ibt::Variable& variable : layout.variables) {
        if (variable.name != name)
            continue;
        if (found)
            ibt::fail(fileName, variable.headerAt,
                      "variable \"" + name + "\" is declared again (first at byte " +
                          std::to_string(found->headerAt) + "); " + map.fileName +
                          " cannot tell which to read");
        found = &variable;
    }
    if (!found)
        ibt::fail(fileName, layout.variables.front().headerAt,
                  "no variable \"" + name + "\" among the " +
                      std::to_string(layout.variables.size()) + " declared here, which " +
                      map.fileName + " reads");
    if (found->type == ibt::Char || found->type == ibt::Bool || found->type == ibt::BitField)
        ibt::fail(fileName, found->headerAt, "variable \"" + name + "\" holds no number");
    if (found->count != 1)
        ibt::fail(fileName, found->headerAt + 8,
                  "variable \"" + name + "\" holds " + std::to_string(found->count) +
                      " values per row; " + map.fileName + " reads one");
    return *found;
}

// The unit a file declares must be the one the map reads the variable in.
void checkUnit(const ibt::Variable& variable, const Unit& expected, const std::string& fileName) {
    const Unit* declared = unitNamed(variable.unit, expected.quantity);
    if (!declared || declared->toSi != expected.toSi)
        ibt::fail(fileName, variable.headerAt + 112,
                  "variable \"" + variable.name + "\" is in \"" + variable.unit + "\", not in " +
                      expected.name);
}

void checkUnits(const ibt::Layout& layout, const ColumnMap& map, const std::string& fileName) {
    const auto check = [&](const std::string& name, const Unit& unit) {
        checkUnit(variableNamed(layout, name, map, fileName), unit, fileName);
    };
    check(map.time.column, *map.time.unit);
    for (const SignalSource& source : map.sources) {
        if (source.fromVelocities()) {
            check(source.forwardVelocity, *source.unit);
            check(source.leftwardVelocity, *source.unit);
        } else {
            check(source.column, *source.unit);
        }
    }
}

// Every row's value of each wanted variable, a chunk of rows at a time.
void readRows(ByteSource& bytes, const ibt::Layout& layout, std::vector<Wanted>& wanted) {
    const std::size_t rowsPerChunk = std::max<std::size_t>(1, chunkBytes / layout.rowBytes);
    std::vector<char> chunk(rowsPerChunk * layout.rowBytes);
    for (Wanted& w : wanted)
        w.values.reserve(layout.rowCount);
    for (std::uint64_t first = 0; first < layout.rowCount; first += rowsPerChunk) {
        const std::size_t rows =
            std::size_t(std::min<std::uint64_t>(rowsPerChunk, layout.rowCount - first));
        bytes.read(layout.rowsAt + first * layout.rowBytes, rows * layout.rowBytes, chunk.data());
        for (Wanted& w : wanted)
            for (std::size_t row = 0; row < rows; ++row)
                w.values.push_back(ibt::decode(
                    chunk.data() + row * layout.rowBytes + w.variable->offset, w.variable->type));
    }
}

// Times must increase from row to row, in seconds.
std::vector<double> sampleTimes(const Wanted& time, const ibt::Layout& layout, double toSeconds,
                                const std::string& fileName) {
    std::vector<double> times;
    times.reserve(time.values.size());
    for (std::size_t row = 0; row < time.values.size(); ++row) {
        const double t = time.values[row] * toSeconds;
        const std::uint64_t at = layout.rowsAt + row * layout.rowBytes + time.variable->offset;
        if (!std::isfinite(t))
            ibt::fail(fileName, at, "the time of row " + std::to_string(row + 1) + " is no number");
        if (!times.empty() && !(t > times.back()))
            ibt::fail(fileName, at,
                      "the time of row " + std::to_string(row + 1) + ", " + std::to_string(t) +
                          " s, does not come after the previous row's " +
                          std::to_string(times.back()) + " s");
        times.push_back(t);
    }
    return times;
}

} // namespace

const ColumnMap& iracingMap() {
    static const ColumnMap map = parseColumnMap(iracingMapText, "the built-in iRacing map");
    return map;
}

std::unique_ptr<Drive> parseIbt(ByteSource& bytes, const std::string& fileName,
                                const ColumnMap* map) {
    const ColumnMap& used = map ? *map : iracingMap();
    const ibt::Layout layout = ibt::readLayout(bytes, fileName);
    checkUnits(layout, used, fileName);
    std::vector<Wanted> wanted;
    for (const std::string& name : used.columns())
        wanted.push_back({&variableNamed(layout, name, used, fileName), {}});
    readRows(bytes, layout, wanted);
    std::vector<double> times = sampleTimes(wanted.front(), layout, used.time.factor, fileName);
    std::map<std::string, std::vector<double>> raw;
    for (Wanted& w : wanted)
        raw[w.variable->name] = std::move(w.values);
    return makeRecordedDrive(std::move(times), mappedSignals(used, raw));
}

std::unique_ptr<Drive> loadIbt(const std::string& path, const ColumnMap* map) {
    FileBytes bytes(path);
    return parseIbt(bytes, path, map);
}

} // namespace engine::drive
