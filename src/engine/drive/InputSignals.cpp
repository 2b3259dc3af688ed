#include "InputSignals.h"

#include "Drive.h"

namespace engine::drive {
namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// How to set a member and read it back (for the check of each sample).
#define KEO_MEMBER(member)                                                                         \
    [](VehicleInput& in, double value) { in.member = value; }, [](const VehicleInput& in) {        \
        return in.member;                                                                          \
    }

} // namespace

const std::vector<InputSignal>& inputSignals() {
    static const std::vector<InputSignal> signals = {
        {"longitudinal_acceleration", "forward acceleration", Quantity::Acceleration,
         KEO_MEMBER(longitudinalAcceleration)},
        {"lateral_acceleration", "leftward acceleration", Quantity::Acceleration,
         KEO_MEMBER(lateralAcceleration)},
        {"vertical_acceleration", "upward acceleration with gravity, as an accelerometer reads it",
         Quantity::Acceleration, KEO_MEMBER(verticalAcceleration)},
        {"vertical_tilt_acceleration", "vertical G-force for the heave tilt, without gravity",
         Quantity::Acceleration, KEO_MEMBER(verticalTiltAcceleration)},
        {"roll_rate", "roll rate, left side down positive", Quantity::AngularRate,
         KEO_MEMBER(rollRate)},
        {"pitch_rate", "pitch rate, nose down positive", Quantity::AngularRate,
         KEO_MEMBER(pitchRate)},
        {"yaw_rate", "yaw rate, nose left positive", Quantity::AngularRate, KEO_MEMBER(yawRate)},
        {"pitch_angle", "body pitch against the road", Quantity::Angle, KEO_MEMBER(pitchAngle)},
        {"roll_angle", "body roll against the road", Quantity::Angle, KEO_MEMBER(rollAngle)},
        {"road_left", "road height under the left wheels", Quantity::Length, KEO_MEMBER(roadLeft)},
        {"road_right", "road height under the right wheels", Quantity::Length,
         KEO_MEMBER(roadRight)},
        {"sideslip_angle", "sideslip angle, positive left", Quantity::Angle,
         KEO_MEMBER(sideslipAngle)},
        {"speed", "forward speed", Quantity::Speed, KEO_MEMBER(speed)},
        {"front_wheel_angle", "mean steering angle of the front wheels, positive left",
         Quantity::Angle, KEO_MEMBER(frontWheelAngle)},
        {"wheelbase", "wheel base", Quantity::Length, KEO_MEMBER(wheelbase)},
        {"point_of_sense_x", "driver's head ahead of the reference point", Quantity::Length,
         KEO_MEMBER(pointOfSense[0])},
        {"point_of_sense_y", "driver's head left of the reference point", Quantity::Length,
         KEO_MEMBER(pointOfSense[1])},
        {"point_of_sense_z", "driver's head above the reference point", Quantity::Length,
         KEO_MEMBER(pointOfSense[2])},
    };
    return signals;
}

#undef KEO_MEMBER

const InputSignal* inputSignalNamed(std::string_view name) {
    for (const InputSignal& signal : inputSignals())
        if (name == signal.name)
            return &signal;
    return nullptr;
}

namespace {

// Standard gravity is the g of a unit; the mile is 1609.344 m by the international yard and
// pound agreement of 1959, so 1 mph = 0.44704 m/s exactly.
const Unit units[] = {
    {"s", Quantity::Time, 1.0},
    {"ms", Quantity::Time, 1e-3},
    {"m/s^2", Quantity::Acceleration, 1.0},
    {"m/s²", Quantity::Acceleration, 1.0},
    {"g", Quantity::Acceleration, standardGravity},
    {"rad/s", Quantity::AngularRate, 1.0},
    {"deg/s", Quantity::AngularRate, degree},
    {"rad", Quantity::Angle, 1.0},
    {"deg", Quantity::Angle, degree},
    {"m/s", Quantity::Speed, 1.0},
    {"km/h", Quantity::Speed, 1.0 / 3.6},
    {"mph", Quantity::Speed, 0.44704},
    {"m", Quantity::Length, 1.0},
    {"cm", Quantity::Length, 1e-2},
    {"mm", Quantity::Length, 1e-3},
};

} // namespace

const Unit* unitNamed(std::string_view name, Quantity quantity) {
    for (const Unit& unit : units)
        if (unit.quantity == quantity && name == unit.name)
            return &unit;
    return nullptr;
}

std::string unitNames(Quantity quantity) {
    std::string names;
    for (const Unit& unit : units)
        if (unit.quantity == quantity)
            names += (names.empty() ? "" : ", ") + std::string(unit.name);
    return names;
}

VehicleInput restInput() {
    VehicleInput rest;
    rest.verticalAcceleration = standardGravity;
    return rest;
}

} // namespace engine::drive
