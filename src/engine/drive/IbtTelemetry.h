#pragma once

#include "ColumnMap.h"
#include "Drive.h"
#include "FileBytes.h"

#include <memory>
#include <string>

// An iRacing telemetry file (.ibt) as a drive: the variables a column map names (the built-in
// iRacing map unless another is given) are read from every row, their units checked against the
// units the file declares, and resampled as a CSV drive is. A file cut short or inconsistent is
// refused whole, with the byte offset of the fault; nothing of it plays.
namespace engine::drive {

// The channels of an iRacing recording mapped onto the vehicle's signals, with their units and
// senses (docs/engine.md, "iRacing telemetry"); examples/maps/iracing.json holds the same map to
// copy and adjust.
const ColumnMap& iracingMap();

// `map` null: the built-in iRacing map. `fileName` names the file in messages.
std::unique_ptr<Drive> parseIbt(ByteSource& bytes, const std::string& fileName,
                                const ColumnMap* map = nullptr);
std::unique_ptr<Drive> loadIbt(const std::string& path, const ColumnMap* map = nullptr);

} // namespace engine::drive
