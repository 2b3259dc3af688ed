#pragma once

#include "Drive.h"

#include <memory>
#include <string>
#include <vector>

// Recorded telemetry as a drive: a CSV file with a header row of column names (each ending in its
// unit) and one row per sample, the time column in seconds and increasing. Between samples the
// drive interpolates linearly, so it can be played at any step rate; time starts at the first
// sample. A file is read whole and checked before anything of it is played: any fault throws
// DriveError with the file, line and column, and nothing is returned.
namespace engine::drive {

struct TelemetryColumn {
    const char* name;
    const char* meaning;
};

// Every column a telemetry file may have, "time_s" first (the only one required). The document
// table in docs/engine.md lists the same.
const std::vector<TelemetryColumn>& telemetryColumns();

// Reads the file at `path`; messages name it by that path.
std::unique_ptr<Drive> loadTelemetry(const std::string& path);

// Parses the text of a telemetry file called `fileName` in messages.
std::unique_ptr<Drive> parseTelemetry(const std::string& text, const std::string& fileName);

} // namespace engine::drive
