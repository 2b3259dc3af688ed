#pragma once

#include "engine/drive/Drive.h"

#include <functional>
#include <memory>

// A drive given as a function of time, on which gravity acts as an accelerometer reads it.
class DriveOf : public engine::drive::Drive {
public:
    using Input = std::function<engine::VehicleInput(double)>;
    DriveOf(double seconds, Input at)
        : m_seconds(seconds)
        , m_at(std::move(at)) {}
    double duration() const override { return m_seconds; }
    engine::VehicleInput at(double seconds) const override {
        engine::VehicleInput input = m_at(seconds);
        input.verticalAcceleration += engine::drive::standardGravity;
        return input;
    }

private:
    double m_seconds;
    Input m_at;
};
