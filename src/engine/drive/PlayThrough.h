#pragma once

#include "Drive.h"
#include "engine/Engine.h"

#include <cmath>
#include <cstdint>

namespace engine::drive {

// Plays `player`'s drive through `engine` as a host stepping at the player's rate would: each
// step's input (without gravity where the engine's configuration says the inputs carry none), the
// engine's step, and the record stamped with the step's time from the start, handed to
// `onRecord(step, seconds, record)`. Stops when the drive is over or `onRecord` returns false.
template <class OnRecord>
void playThrough(Engine& engine, DrivePlayer& player, OnRecord&& onRecord) {
    const double rate = player.stepRateHz();
    const bool removeGravity = engine.tuning().options.removeVerticalComponent;
    KEOOutputRecord record{};
    VehicleInput input;
    for (std::uint64_t step = 0; player.next(input); ++step) {
        engine.step(removeGravity ? withoutGravity(input) : input, 1.0 / rate, record);
        const double seconds = double(step) / rate;
        record.setTimestampUs(std::uint64_t(std::llround(seconds * 1e6)));
        if (!onRecord(step, seconds, static_cast<const KEOOutputRecord&>(record)))
            return;
    }
}

} // namespace engine::drive
