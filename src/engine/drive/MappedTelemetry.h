#pragma once

#include "ColumnMap.h"
#include "Drive.h"

#include <memory>
#include <string>

// A CSV export of another tool as a drive, through a column map: the map says on which line the
// column names stand, where the data starts, how fields are separated and which columns feed
// which signals; every other column is left unread. Faults are refused as in the project's own
// format, with the file, line and column.
namespace engine::drive {

std::unique_ptr<Drive> parseMappedTelemetry(const std::string& text, const std::string& fileName,
                                            const ColumnMap& map);
std::unique_ptr<Drive> loadMappedTelemetry(const std::string& path, const ColumnMap& map);

} // namespace engine::drive
