// The drive of the host's live records: whatever the records carry (NaN, infinities, stamps that
// stand still, run back or leap), the ring keeps them and their drive plays finite signals. The
// first byte chooses the gravity option and the drive's length limit; every 612 bytes after it
// are one record.
#include "FuzzDrive.h"
#include "cueingview/RecentDrive.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    RecentDrive recent(64);
    KEOOutputRecord record{};
    for (std::size_t at = 1; at + sizeof record <= size; at += sizeof record) {
        std::memcpy(&record, data + at, sizeof record);
        recent.onOutputs(&record, &record, false);
    }
    const bool inputsCarryGravity = data[0] & 1;
    const double maxSeconds = 0.001 * (data[0] >> 1);
    if (const auto drive = recentDriveOf(recent.samples(), inputsCarryGravity, maxSeconds))
        checkPlays(*drive);
    return 0;
}
