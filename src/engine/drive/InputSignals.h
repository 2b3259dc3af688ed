#pragma once

#include "engine/VehicleInput.h"

#include <string>
#include <string_view>
#include <vector>

// The signals a recording can feed into what the vehicle does, by the names telemetry files and
// column maps use for them, with the physical quantity each one is, so that a reader can convert
// any unit of that quantity into the engine's SI units and radians.
namespace engine::drive {

enum class Quantity { Time, Acceleration, AngularRate, Angle, Speed, Length };

struct InputSignal {
    const char* name;    // "lateral_acceleration"
    const char* meaning; // "leftward acceleration"
    Quantity quantity;
    void (*set)(VehicleInput&, double);
    double (*get)(const VehicleInput&);
};

// Every member of VehicleInput a recording may give, in the order docs/engine.md lists them.
const std::vector<InputSignal>& inputSignals();

// The signal called `name`, or null.
const InputSignal* inputSignalNamed(std::string_view name);

// A unit a recording may give a quantity in, and its factor to SI units and radians.
struct Unit {
    const char* name; // "km/h"
    Quantity quantity;
    double toSi;
};

// The unit called `name` for `quantity`, or null.
const Unit* unitNamed(std::string_view name, Quantity quantity);

// The names of every unit of `quantity`, for messages: "m/s, km/h, mph".
std::string unitNames(Quantity quantity);

// What a signal is at rest, where a recording does not give it: 1 g in the vertical
// acceleration, as an accelerometer reads it, and VehicleInput's defaults otherwise.
VehicleInput restInput();

} // namespace engine::drive
