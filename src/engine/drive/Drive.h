#pragma once

#include "engine/VehicleInput.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// What the vehicle does over time, for the motion-cueing engine to follow: a built-in manoeuvre
// or recorded telemetry. A drive is a pure function of time, so it is deterministic, can be
// restarted anywhere and shared between threads.
namespace engine::drive {

// Standard gravity, m/s²: what the vertical accelerometer reads at rest.
constexpr double standardGravity = 9.80665;

class Drive {
public:
    virtual ~Drive() = default;

    // How long the drive lasts, in seconds (> 0).
    virtual double duration() const = 0;

    // What the vehicle does `seconds` after the start; before 0 the start, beyond the duration
    // the end. The vertical acceleration contains gravity, as an accelerometer reads it.
    virtual VehicleInput at(double seconds) const = 0;

    // The name of the part playing `seconds` after the start, for a drive strung together from
    // named parts ("braking" within "mix"); empty for a drive of one piece.
    virtual std::string partAt(double seconds) const {
        (void)seconds;
        return {};
    }
};

// A drive that cannot be opened: an unknown name or a malformed telemetry file. The message
// names the file, line and column of the fault.
class DriveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The built-in manoeuvres by name, in the order the documentation lists them.
const std::vector<std::string>& manoeuvreNames();

// A built-in manoeuvre; throws DriveError for an unknown name.
std::unique_ptr<Drive> makeManoeuvre(const std::string& name);

struct ColumnMap;

// A manoeuvre name, or the path of a telemetry file by its ending (any case): ".csv" in the
// project's columns, or through `map` when one is given; ".ibt", iRacing's telemetry, through
// `map` or else the built-in iRacing map. Throws DriveError when none of these works.
std::unique_ptr<Drive> openDrive(const std::string& nameOrPath, const ColumnMap* map = nullptr);

// Whether `nameOrPath` names a telemetry file rather than a manoeuvre, by its ending.
bool isTelemetryFile(const std::string& nameOrPath);

// The input the engine expects from what an accelerometer reads: a configuration whose inputs
// carry no gravity (option "G2") gets the vertical acceleration without it.
VehicleInput withoutGravity(VehicleInput input);

// Plays a drive at a fixed step rate: step k is the drive at k / rate seconds, so a long drive
// does not accumulate rounding. Looping starts over after the duration.
class DrivePlayer {
public:
    DrivePlayer(std::shared_ptr<const Drive> drive, double stepRateHz, bool loop);

    // The next step's input and its time in seconds from the start of the play; false once a
    // drive that does not loop is over.
    bool next(VehicleInput& input);
    void restart() { m_step = 0; }

    std::uint64_t stepsDone() const { return m_step; }
    double stepRateHz() const { return m_rate; }
    // Steps in one pass of the drive (the last one at its duration).
    std::uint64_t stepsPerPass() const { return m_stepsPerPass; }
    const Drive& drive() const { return *m_drive; }

private:
    std::shared_ptr<const Drive> m_drive;
    double m_rate;
    bool m_loop;
    std::uint64_t m_stepsPerPass;
    std::uint64_t m_step = 0;
};

} // namespace engine::drive
