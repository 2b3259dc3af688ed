#pragma once

#include "Drive.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// The built-in manoeuvres (see the "Drives" section of docs/engine.md). Each is computed in closed
// form from a speed profile, a path curvature and a road profile through a simple vehicle: the
// lateral acceleration is v²·κ, the yaw rate v·κ, the body rolls and pitches in proportion to the
// accelerations, and the driver steers more than the path needs as the lateral acceleration grows
// (understeer). Every manoeuvre starts and ends with the vehicle at rest or in steady motion.
namespace engine::drive {

// The vehicle the manoeuvres drive.
struct VehicleTraits {
    double wheelbase = 2.7;            // m
    double track = 1.6;                // m
    double rollGradient = 0.005;       // rad of body roll per m/s² of lateral acceleration
    double pitchGradient = 0.003;      // rad of body pitch per m/s² of longitudinal acceleration
    double sideslipGradient = 0.006;   // rad of sideslip per m/s² of lateral acceleration
    double understeerGradient = 0.004; // rad of extra steering per m/s² of lateral acceleration
    double understeerSaturation = 7.0; // m/s²: the extra steering doubles at this acceleration
    double suspensionFrequency = 1.2;  // Hz, the body's bounce on its springs
    double suspensionDamping = 0.35;   // damping ratio of that bounce
};

// Plays drives one after another; each part starts at its own time 0.
class DriveSequence : public Drive {
public:
    struct Part {
        std::string name; // may be empty
        std::shared_ptr<const Drive> drive;
    };
    explicit DriveSequence(std::vector<Part> parts);
    explicit DriveSequence(const std::vector<std::shared_ptr<const Drive>>& parts);

    double duration() const override { return m_duration; }
    VehicleInput at(double seconds) const override;
    std::string partAt(double seconds) const override;

private:
    struct Placed {
        double start;
        Part part;
    };
    const Placed& placedAt(double seconds) const;

    std::vector<Placed> m_parts; // in order of their start
    double m_duration = 0.0;
};

} // namespace engine::drive
