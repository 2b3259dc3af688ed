// Reading of telemetry CSV, in the project's columns or, when the input holds a NUL byte, through
// the column map before it (JSON) applied to the CSV after it: refused with a DriveError or
// playing finite signals, never anything else.
#include "FuzzDrive.h"
#include "engine/drive/ColumnMap.h"
#include "engine/drive/MappedTelemetry.h"
#include "engine/drive/Telemetry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    try {
        if (split == std::string::npos) {
            checkPlays(*engine::drive::parseTelemetry(input, "fuzz.csv"));
        } else {
            const auto map = engine::drive::parseColumnMap(input.substr(0, split), "fuzz.json");
            checkPlays(
                *engine::drive::parseMappedTelemetry(input.substr(split + 1), "fuzz.csv", map));
        }
    } catch (const engine::drive::DriveError&) {
    }
    return 0;
}
