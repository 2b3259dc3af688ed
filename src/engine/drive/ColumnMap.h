#pragma once

#include "InputSignals.h"
#include "RecordedDrive.h"

#include <map>
#include <string>
#include <vector>

// A column map: where each of the vehicle's signals comes from in a recording that is not in the
// project's own columns (an export of another tool, a binary recording): the column (or variable)
// that holds it, its unit, a scale and a sign. A JSON file:
//
//   {
//     "csv": {"separator": ";", "header_line": 3, "first_data_line": 5},
//     "time": {"column": "Time", "unit": "s"},
//     "signals": {
//       "lateral_acceleration": {"column": "G Lat", "unit": "g", "sign": -1},
//       "front_wheel_angle": {"column": "Steer", "unit": "deg", "scale": 0.0625},
//       "sideslip_angle": {"forward_velocity": "Vx", "leftward_velocity": "Vy", "unit": "km/h"}
//     }
//   }
//
// A signal's value is the column's value times its unit, its scale and its sign, so that it is in
// SI units and radians with the senses of docs/engine.md. The sideslip angle may instead come from
// the velocities over ground in vehicle axes: atan2(leftward, forward), faded in with speed as the
// engine's understeer section fades its turning curves, so that a vehicle at rest, whose velocity
// has no direction, has none. Signals the map does not name stay at rest.
namespace engine::drive {

struct SignalSource {
    const InputSignal* signal = nullptr; // null for the time
    std::string column;                  // empty for a sideslip from velocities
    std::string forwardVelocity, leftwardVelocity;
    const Unit* unit = nullptr;
    double factor = 1.0; // unit × scale × sign

    bool fromVelocities() const { return column.empty(); }
};

struct ColumnMap {
    std::string fileName; // what messages call the map
    SignalSource time;
    std::vector<SignalSource> sources;
    // Where a CSV file keeps its names and data, lines counted from 1.
    char separator = ',';
    int headerLine = 1;
    int firstDataLine = 2;

    // Every column the map reads, the time's first, each once.
    std::vector<std::string> columns() const;
};

// Parses the JSON text of a map called `fileName` in messages; throws DriveError naming the file
// and the place of the fault (the line and column of a syntax error, the key of a wrong value).
ColumnMap parseColumnMap(const std::string& text, const std::string& fileName);
ColumnMap loadColumnMap(const std::string& path);

// The map's signals from the raw values of its columns (by name, one value per sample).
std::vector<RecordedSignal> mappedSignals(const ColumnMap& map,
                                          const std::map<std::string, std::vector<double>>& raw);

} // namespace engine::drive
