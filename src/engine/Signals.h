#pragma once

#include "KEOUI64/OutputRecord.h"

// Every signal one step of the engine computes, in double precision, grouped by the path that
// computes it. The groups and their members stand in the order of the record's words 2-152 (each
// group's words in engine/Words.h have the same names in the same order; Signals.cpp checks
// where each group starts), so the record is filled from them in one pass (writeRecord).
namespace engine {

struct TravelSignals {
    double limited, corrected, transformed, accelerationFiltered, accelerationIntegrated,
        velocityFiltered, velocityIntegrated, travelFiltered, outputFiltered, output;
};

struct TiltSignals {
    double limited, accelerationFiltered, angle, rateLimited, outputFiltered, output;
};

struct AngularSignals {
    double limited, transformed, velocityFiltered, integrated, angleFiltered, outputFiltered,
        output;
};

struct AbsoluteSignals {
    double limited, outputFiltered, output;
};

struct MixerSignals {
    double outputFiltered, output;
};

struct RoadSignals {
    double limited, highPassed, outputFiltered, output;
};

struct SideslipSignals {
    double limited, rateLimited, highPassed, outputFiltered, output;
};

struct UndersteerSignals {
    double dampenedFrontWheelAngle, actualTurningCurve, actualTurningCurveFiltered,
        intendedTurningCurve, turningCurveDifference, turningCurveDifferenceRateLimited,
        understeerAngle;
    MixerSignals toYaw, toRoll;
    double toSway, yawRate, yawRateFiltered;
};

// Roll, pitch, yaw, sway, heave, surge.
struct DofSignals {
    double roll, pitch, yaw, sway, heave, surge;
};

// The vehicle's signals as they came in (after the check of each sample), words 3-14.
struct InputSignals {
    double longitudinalAcceleration, lateralAcceleration, verticalAcceleration,
        verticalTiltAcceleration, rollRate, pitchRate, yawRate, pitchAngle, rollAngle, roadLeft,
        roadRight, sideslip;
};

struct Signals {
    double stepTime;
    InputSignals input;
    TravelSignals longitudinalTravel, lateralTravel, verticalTravel;
    TiltSignals longitudinalTilt, lateralTilt, verticalTilt;
    AngularSignals lateralAngular, longitudinalAngular, verticalAngular;
    AbsoluteSignals absolutePitch, absoluteRoll;
    MixerSignals swayToRoll, yawToRoll, surgeToPitch, heaveToPitch;
    MixerSignals roadToSurgeLeft, roadToSurgeRight, roadToPitchLeft, roadToPitchRight;
    RoadSignals roadHarshnessLeft, roadHarshnessRight;
    SideslipSignals sideslipToYaw, sideslipToRoll;
    double sideslipToSway;
    double speed, frontWheelAngle;
    UndersteerSignals understeer;
    DofSignals summed, platform;
};

// Words 2-152 of `record` from `values`, each rounded to single precision and finite; true when
// every value was finite and within `bound`.
bool writeRecord(const Signals& values, KEOOutputRecord& record, double bound);
// Only the six sums and the platform's degrees of freedom, words 141-152.
void writeDofs(const DofSignals& summed, const DofSignals& platform, KEOOutputRecord& record);

} // namespace engine
