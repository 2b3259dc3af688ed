#include "InputCheck.h"

#include <cmath>
#include <iterator>

namespace engine {
namespace {

constexpr double pi = 3.14159265358979323846;

// Beyond these a value is a fault of the source: about 100 g, 100 rad/s, 10 m of road, an angle
// of more than half a turn, 1000 m/s, a head 10 m from the reference point.
constexpr double maxAcceleration = 1000.0; // m/s²
constexpr double maxAngularRate = 100.0;   // rad/s
constexpr double maxRoad = 10.0;           // m
constexpr double maxSpeed = 1000.0;        // m/s
constexpr double maxLever = 10.0;          // m

struct Checked {
    double VehicleInput::*member;
    double bound;
};

constexpr Checked checkedSignals[] = {
    {&VehicleInput::longitudinalAcceleration, maxAcceleration},
    {&VehicleInput::lateralAcceleration, maxAcceleration},
    {&VehicleInput::verticalAcceleration, maxAcceleration},
    {&VehicleInput::verticalTiltAcceleration, maxAcceleration},
    {&VehicleInput::rollRate, maxAngularRate},
    {&VehicleInput::pitchRate, maxAngularRate},
    {&VehicleInput::yawRate, maxAngularRate},
    {&VehicleInput::pitchAngle, pi},
    {&VehicleInput::rollAngle, pi},
    {&VehicleInput::roadLeft, maxRoad},
    {&VehicleInput::roadRight, maxRoad},
    {&VehicleInput::sideslipAngle, pi},
    {&VehicleInput::speed, maxSpeed},
    {&VehicleInput::frontWheelAngle, pi / 2.0},
};
constexpr int memberCount = int(std::size(checkedSignals));

// What is left of a held value `seconds` into a fault.
double remaining(double seconds) {
    const double fading = seconds - InputCheck::holdSeconds;
    if (fading <= 0.0)
        return 1.0;
    if (fading >= InputCheck::fadeSeconds)
        return 0.0;
    return 0.5 * (1.0 + std::cos(pi * fading / InputCheck::fadeSeconds));
}

} // namespace

VehicleInput InputCheck::check(const VehicleInput& in, double dt, const VehicleInput& rest) {
    static_assert(memberCount + 3 == checkedCount, "every checked signal has its slot");
    VehicleInput out = in;
    const auto checkOne = [dt](Held& held, double& value, double bound, double restValue) {
        if (std::isfinite(value) && std::fabs(value) <= bound) {
            held = Held{value, 0.0, true};
            return;
        }
        if (!held.seen)
            held.value = restValue;
        held.faultSeconds += dt;
        value = restValue + (held.value - restValue) * remaining(held.faultSeconds);
    };
    for (int i = 0; i < memberCount; ++i) {
        const Checked& c = checkedSignals[i];
        checkOne(m_held[i], out.*c.member, c.bound, rest.*c.member);
    }
    for (int axis = 0; axis < 3; ++axis)
        checkOne(m_held[memberCount + axis], out.pointOfSense[axis], maxLever,
                 rest.pointOfSense[axis]);
    return out;
}

} // namespace engine
