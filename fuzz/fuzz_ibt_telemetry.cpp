// Reading of iRacing .ibt telemetry through the built-in iRacing map: a file is refused with a
// DriveError or plays finite signals, never anything else.
#include "FuzzDrive.h"
#include "engine/drive/IbtTelemetry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::drive::MemoryBytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        checkPlays(*engine::drive::parseIbt(bytes, "fuzz.ibt"));
    } catch (const engine::drive::DriveError&) {
    }
    return 0;
}
