#pragma once

// Which output record word carries which signal. The editor's graphs read these words (see
// docs/engine.md for the full table with units); the engine writes them.
namespace engine::words {

constexpr int stepTime = 2;

// The vehicle's signals as they came in.
constexpr int longitudinalAcceleration = 3;
constexpr int lateralAcceleration = 4;
constexpr int verticalAcceleration = 5;
constexpr int verticalTiltAcceleration = 6;
constexpr int rollRate = 7;
constexpr int pitchRate = 8;
constexpr int yawRate = 9;
constexpr int pitchAngle = 10;
constexpr int rollAngle = 11;
constexpr int roadLeft = 12;
constexpr int roadRight = 13;
constexpr int sideslip = 14;

// A travel path, from its first word: input limitation, G correction, transformation (the
// acceleration filter's input), acceleration filter, integration, velocity filter, integration,
// travel filter, output filter, output limitation.
struct Travel {
    int limited, corrected, transformed, accelerationFiltered, accelerationIntegrated,
        velocityFiltered, velocityIntegrated, travelFiltered, outputFiltered, output;
};
constexpr Travel travelFrom(int first) {
    return {first,     first + 1, first + 2, first + 3, first + 4,
            first + 5, first + 6, first + 7, first + 8, first + 9};
}
constexpr Travel longitudinalTravel = travelFrom(15);
constexpr Travel lateralTravel = travelFrom(25);
constexpr Travel verticalTravel = travelFrom(35);

// A tilt-coordination path: input limitation, acceleration low-pass, -asin, rate limit, output
// filter, output limitation.
struct Tilt {
    int limited, accelerationFiltered, angle, rateLimited, outputFiltered, output;
};
constexpr Tilt tiltFrom(int first) {
    return {first, first + 1, first + 2, first + 3, first + 4, first + 5};
}
constexpr Tilt longitudinalTilt = tiltFrom(45);
constexpr Tilt lateralTilt = tiltFrom(51);
constexpr Tilt verticalTilt = tiltFrom(57);

// An angular-velocity path: input limitation, transformation (the velocity filter's input),
// velocity filter, integration, angle filter, output filter, output limitation.
struct Angular {
    int limited, transformed, velocityFiltered, integrated, angleFiltered, outputFiltered, output;
};
constexpr Angular angularFrom(int first) {
    return {first, first + 1, first + 2, first + 3, first + 4, first + 5, first + 6};
}
constexpr Angular lateralAngular = angularFrom(63);      // roll
constexpr Angular longitudinalAngular = angularFrom(70); // pitch
constexpr Angular verticalAngular = angularFrom(77);     // yaw

// Absolute body angle: input limitation, output filter, output limitation.
struct Absolute {
    int limited, outputFiltered, output;
};
constexpr Absolute absolutePitch{84, 85, 86};
constexpr Absolute absoluteRoll{87, 88, 89};

// A mixer path: output filter, output limitation.
struct Mixer {
    int outputFiltered, output;
};
constexpr Mixer swayToRoll{90, 91};
constexpr Mixer yawToRoll{92, 93};
constexpr Mixer surgeToPitch{94, 95};
constexpr Mixer heaveToPitch{96, 97};
constexpr Mixer roadToSurgeLeft{98, 99};
constexpr Mixer roadToSurgeRight{100, 101};
constexpr Mixer roadToPitchLeft{102, 103};
constexpr Mixer roadToPitchRight{104, 105};

// One wheel's road-harshness path: input limitation, high-pass, output filter, output limitation.
struct Road {
    int limited, highPassed, outputFiltered, output;
};
constexpr Road roadHarshnessLeft{106, 107, 108, 109};
constexpr Road roadHarshnessRight{110, 111, 112, 113};

// A sideslip path: input limitation, rate limit, high-pass, output filter, output limitation.
struct Sideslip {
    int limited, rateLimited, highPassed, outputFiltered, output;
};
constexpr Sideslip sideslipToYaw{114, 115, 116, 117, 118};
constexpr Sideslip sideslipToRoll{119, 120, 121, 122, 123};
constexpr int sideslipToSway = 124;

// Understeer.
constexpr int speed = 125;
constexpr int frontWheelAngle = 126;
constexpr int dampenedFrontWheelAngle = 127;
constexpr int actualTurningCurve = 128;
constexpr int actualTurningCurveFiltered = 129;
constexpr int intendedTurningCurve = 130;
constexpr int turningCurveDifference = 131;
constexpr int turningCurveDifferenceRateLimited = 132;
constexpr int understeerAngle = 133;
constexpr Mixer understeerToYaw{134, 135};
constexpr Mixer understeerToRoll{136, 137};
constexpr int understeerToSway = 138;
constexpr int understeerYawRate = 139;
constexpr int understeerYawRateFiltered = 140;

// The multiplexer: the six sums before their limits, then after, in the same order.
struct Dof {
    int roll, pitch, yaw, sway, heave, surge;
};
constexpr Dof summed{141, 142, 143, 144, 145, 146};
constexpr Dof platform{147, 148, 149, 150, 151, 152};

} // namespace engine::words
