#pragma once

#include "engine/drive/Drive.h"
#include "engine/drive/Manoeuvres.h"

#include <memory>
#include <vector>

// The drive keo-sim's benchmarks run: `mix` over and over until ten minutes are full.
constexpr double tenMinutes = 600.0;

inline std::shared_ptr<const engine::drive::Drive> tenMinuteDrive() {
    std::vector<std::shared_ptr<const engine::drive::Drive>> parts;
    double total = 0.0;
    while (total < tenMinutes) {
        parts.push_back(engine::drive::makeManoeuvre("mix"));
        total += parts.back()->duration();
    }
    return std::make_shared<engine::drive::DriveSequence>(std::move(parts));
}
