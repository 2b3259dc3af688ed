#pragma once

#include "engine/Words.h"

// The record words of the platform's six degrees of freedom, in the report's order: roll, pitch,
// yaw, heave, sway, surge.
inline constexpr int platformWords[6] = {
    engine::words::platform.roll,  engine::words::platform.pitch, engine::words::platform.yaw,
    engine::words::platform.heave, engine::words::platform.sway,  engine::words::platform.surge};
