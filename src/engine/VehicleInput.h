#pragma once

// What the vehicle does in one step: the signals the motion-cueing engine consumes, in SI units
// and radians. The engine copies each one into its output record word (given per member) before
// limiting it, so the graphs show what came in; a value that is not finite, or beyond anything a
// vehicle does, counts as 0 for its step.
//
// Axes are the vehicle's: x forward, y left, z up, at the vehicle's reference point. Angles and
// angular rates: roll positive with the left side going down, pitch positive nose down, yaw
// positive nose left. In these senses every tilt channel turns its acceleration a into the angle
// -asin(a / g): braking pitches the nose down and a left turn lowers the right side, so gravity
// pushes the driver the way the vehicle's inertia does.
namespace engine {

struct VehicleInput {
    // Linear accelerations, m/s^2: without gravity (0 at rest) where option G2 ("inputs do NOT
    // contain gravity component", the default) says so, else as an accelerometer reads them
    // (+9.80665 vertical at rest).
    double longitudinalAcceleration = 0.0; // word 3
    double lateralAcceleration = 0.0;      // word 4
    double verticalAcceleration = 0.0;     // word 5
    // G-force driving the vertical channel's tilt (heave to pitch), m/s^2, gravity excluded.
    double verticalTiltAcceleration = 0.0; // word 6

    // Angular rates in the vehicle's axes, rad/s.
    double rollRate = 0.0;  // word 7
    double pitchRate = 0.0; // word 8
    double yawRate = 0.0;   // word 9, also the understeer section's yaw rate (word 139)

    // Body angles of the vehicle against the road's horizontal plane, rad.
    double pitchAngle = 0.0; // word 10
    double rollAngle = 0.0;  // word 11

    // Road profile height under the left and right wheels, m (road harshness).
    double roadLeft = 0.0;  // word 12
    double roadRight = 0.0; // word 13

    // Sideslip angle of the body: direction of travel against the heading, rad, positive left.
    double sideslipAngle = 0.0; // word 14

    // Turning-curve inputs of the understeer section.
    double speed = 0.0;           // word 125, m/s, forward
    double frontWheelAngle = 0.0; // word 126, rad, mean road-wheel steering angle, positive left
    double wheelbase = 2.7;       // m; not carried in the record

    // Driver's head relative to the reference point, m (x, y, z); used by options T2, T3, V2, V3.
    double pointOfSense[3] = {0.0, 0.0, 0.0};

    // False when a source slower than the step rate repeats its last sample; with the option
    // "Highpass filters use only fresh data" the input high-pass filters then hold their output.
    bool fresh = true;
};

} // namespace engine
