#include "ExpectedRoutes.h"

#include <cstdlib>
#include <stdexcept>

namespace expected {

const std::vector<Route> routes{
    {"__lateral.travel.accelerationLimit", "4, 25"},                                 // 0
    {"__lateral.travel.accelerationFilter", "27, 28"},                               // 1
    {"__lateral.travel.accToVelocity", "28, 29"},                                    // 2
    {"__lateral.travel.velocityFilter", "29, 30"},                                   // 3
    {"__lateral.travel.velocityToTravel", "30, 31"},                                 // 4
    {"__lateral.travel.travelFilter", "31, 32"},                                     // 5
    {"__lateral.outputTravelFilter", "32, 33"},                                      // 6
    {"__lateral.outputTravelLimit", "33, 34"},                                       // 7
    {"__lateral.tiltCoordination.accelerationLimit", "4, 51"},                       // 8
    {"__lateral.tiltCoordination.accelerationFilter", "51, 52"},                     // 9
    {"__lateral.tiltCoordination.accToAngle", "52, 53°"},                            // 10
    {"__lateral.tiltCoordination.angleRateLimit", "53°, 54°"},                       // 11
    {"__lateral.tiltCoordination.outputFilter", "54°, 55°"},                         // 12
    {"__lateral.tiltCoordination.outputLimit", "55°, 56°"},                          // 13
    {"__lateral.angularVelocity.inputLimit", "7°, 63°"},                             // 14
    {"__lateral.angularVelocity.velocityFilter", "64°, 65°"},                        // 15
    {"__lateral.angularVelocity.velocityToAngle", "65°, 66°, 2"},                    // 16
    {"__lateral.angularVelocity.angleFilter", "66°, 67°"},                           // 17
    {"__lateral.angularVelocity.outputAngleFilter", "67°, 68°"},                     // 18
    {"__lateral.angularVelocity.outputAngleLimit", "68°, 69°"},                      // 19
    {"__longitudinal.travel.accelerationLimit", "3, 15"},                            // 20
    {"__longitudinal.travel.accelerationFilter", "17, 18"},                          // 21
    {"__longitudinal.travel.accToVelocity", "18, 19"},                               // 22
    {"__longitudinal.travel.velocityFilter", "19, 20"},                              // 23
    {"__longitudinal.travel.velocityToTravel", "20, 21"},                            // 24
    {"__longitudinal.travel.travelFilter", "21, 22"},                                // 25
    {"__longitudinal.outputTravelFilter", "22, 23"},                                 // 26
    {"__longitudinal.outputTravelLimit", "23, 24"},                                  // 27
    {"__longitudinal.tiltCoordination.accelerationLimit", "3, 45"},                  // 28
    {"__longitudinal.tiltCoordination.accelerationFilter", "45, 46"},                // 29
    {"__longitudinal.tiltCoordination.accToAngle", "46, 47°"},                       // 30
    {"__longitudinal.tiltCoordination.angleRateLimit", "47°, 48°"},                  // 31
    {"__longitudinal.tiltCoordination.outputFilter", "48°, 49°"},                    // 32
    {"__longitudinal.tiltCoordination.outputLimit", "49°, 50°"},                     // 33
    {"__longitudinal.angularVelocity.inputLimit", "8°, 70°"},                        // 34
    {"__longitudinal.angularVelocity.velocityFilter", "71°, 72°"},                   // 35
    {"__longitudinal.angularVelocity.velocityToAngle", "72°, 73°, 2"},               // 36
    {"__longitudinal.angularVelocity.angleFilter", "73°, 74°"},                      // 37
    {"__longitudinal.angularVelocity.outputAngleFilter", "74°, 75°"},                // 38
    {"__longitudinal.angularVelocity.outputAngleLimit", "75°, 76°"},                 // 39
    {"__vertical.travel.accelerationLimit", "5, 35"},                                // 40
    {"__vertical.travel.accelerationFilter", "37, 38"},                              // 41
    {"__vertical.travel.accToVelocity", "38, 39"},                                   // 42
    {"__vertical.travel.velocityFilter", "39, 40"},                                  // 43
    {"__vertical.travel.velocityToTravel", "40, 41"},                                // 44
    {"__vertical.travel.travelFilter", "41, 42"},                                    // 45
    {"__vertical.outputTravelFilter", "42, 43"},                                     // 46
    {"__vertical.outputTravelLimit", "43, 44"},                                      // 47
    {"__vertical.tiltCoordination.accelerationLimit", "6, 57"},                      // 48
    {"__vertical.tiltCoordination.accelerationFilter", "57, 58"},                    // 49
    {"__vertical.tiltCoordination.accToAngle", "58, 59°"},                           // 50
    {"__vertical.tiltCoordination.angleRateLimit", "59°, 60°"},                      // 51
    {"__vertical.tiltCoordination.outputFilter", "60°, 61°"},                        // 52
    {"__vertical.tiltCoordination.outputLimit", "61°, 62°"},                         // 53
    {"__vertical.angularVelocity.inputLimit", "9°, 77°"},                            // 54
    {"__vertical.angularVelocity.velocityFilter", "78°, 79°"},                       // 55
    {"__vertical.angularVelocity.velocityToAngle", "79°, 80°, 2"},                   // 56
    {"__vertical.angularVelocity.angleFilter", "80°, 81°"},                          // 57
    {"__vertical.angularVelocity.outputAngleFilter", "81°, 82°"},                    // 58
    {"__vertical.angularVelocity.outputAngleLimit", "82°, 83°"},                     // 59
    {"__absolute.pitch.inLimit", "10°, 84°"},                                        // 60
    {"__absolute.pitch.outputFilter", "84°, 85°"},                                   // 61
    {"__absolute.pitch.outputLimit", "85°, 86°"},                                    // 62
    {"__absolute.roll.inLimit", "11°, 87°"},                                         // 63
    {"__absolute.roll.outputFilter", "87°, 88°"},                                    // 64
    {"__absolute.roll.outputLimit", "88°, 89°"},                                     // 65
    {"__mixer.swayToRoll.outputFilter", "32°, 90°"},                                 // 66
    {"__mixer.swayToRoll.outputLimit", "90°, 91°"},                                  // 67
    {"__mixer.yawToRoll.outputFilter", "81°, 92°"},                                  // 68
    {"__mixer.yawToRoll.outputLimit", "92°, 93°"},                                   // 69
    {"__mixer.surgeToPitch.outputFilter", "22°, 94°"},                               // 70
    {"__mixer.surgeToPitch.outputLimit", "94°, 95°"},                                // 71
    {"__mixer.heaveToPitch.outputFilter", "42°, 96°"},                               // 72
    {"__mixer.heaveToPitch.outputLimit", "96°, 97°"},                                // 73
    {"__mixer.roadHarshnessToSurge.outputFilter", "107°, 98°, 111°, 100°"},          // 74
    {"__mixer.roadHarshnessToSurge.outputLimit", "98°, 99°, 100°, 101°"},            // 75
    {"__mixer.roadHarshnessToPitch.outputFilter", "107°, 102°, 111°, 104°"},         // 76
    {"__mixer.roadHarshnessToPitch.outputLimit", "102°, 103°, 104°, 105°"},          // 77
    {"__enhancer.roadHarshnessToHeave.inLimit", "12, 106, 13, 110"},                 // 78
    {"__enhancer.roadHarshnessToHeave.highpassFilter", "106, 107, 110, 111"},        // 79
    {"__enhancer.roadHarshnessToHeave.outputFilter", "107, 108, 111, 112"},          // 80
    {"__enhancer.roadHarshnessToHeave.outputLimit", "108, 109, 112, 113"},           // 81
    {"__enhancer.sideslipToYaw.inLimit", "14°, 114°"},                               // 82
    {"__enhancer.sideslipToYaw.maximumRate", "114°, 115°"},                          // 83
    {"__enhancer.sideslipToYaw.highpassFilter", "115°, 116°"},                       // 84
    {"__enhancer.sideslipToYaw.outputFilter", "115°, 117°"},                         // 85
    {"__enhancer.sideslipToYaw.outputLimit", "117°, 118°"},                          // 86
    {"__enhancer.sideslipToRoll.inLimit", "14°, 119°"},                              // 87
    {"__enhancer.sideslipToRoll.maximumRate", "119°, 120°"},                         // 88
    {"__enhancer.sideslipToRoll.highpassFilter", "120°, 121°"},                      // 89
    {"__enhancer.sideslipToRoll.outputFilter", "120°, 122°"},                        // 90
    {"__enhancer.sideslipToRoll.outputLimit", "122°, 123°"},                         // 91
    {"__enhancer.sideslipToSway", "118°, 124"},                                      // 92
    {"__understeer.intendedTurningCurveLowpassFilter", "127°, 130°"},                // 93
    {"__understeer.deltaTurningCurveRateLimit", "131°, 132°, 130°"},                 // 94
    {"__understeer.toYawOutputFilter", "133°, 134°"},                                // 95
    {"__understeer.toYawOutputLimitation", "134°, 135°"},                            // 96
    {"__understeer.toRollOutputFilter", "133°, 136°"},                               // 97
    {"__understeer.toRollOutputLimitation", "136°, 137°"},                           // 98
    {"__understeer.pivotPointLongitudinalOffset", "135°, 138"},                      // 99
    {"__understeer.yawRateLowpassFilter", "139°, 140°"},                             // 100
    {"__understeer.actualTurningCurveLowpassFilter", "128°, 129°"},                  // 101
    {"__multiplexer.pitch.sumator", "50°, 76°, 62°, 86°, 97°, 95°, avg(103, 105)°"}, // 102
    {"__multiplexer.roll.sumator", "56°, 69°, 89°, 91°, 93°, 123°"},                 // 103
    {"__multiplexer.yaw.sumator", "83°, 118°"},                                      // 104
    {"__multiplexer.surge.sumator", "24, avg(99, 101)"},                             // 105
    {"__multiplexer.sway.sumator", "34, 124"},                                       // 106
    {"__multiplexer.heave.sumator", "44, avg(109, 113)"},                            // 107
    {"__multiplexer.pitch.outputLimit", "142°, 148°"},                               // 108
    {"__multiplexer.roll.outputLimit", "141°, 147°"},                                // 109
    {"__multiplexer.yaw.outputLimit", "143°, 149°"},                                 // 110
    {"__multiplexer.surge.outputLimit", "146, 152"},                                 // 111
    {"__multiplexer.sway.outputLimit", "144, 150"},                                  // 112
    {"__multiplexer.heave.outputLimit", "145, 151"},                                 // 113
};

const std::vector<std::pair<const char*, std::vector<const char*>>> sumCaptions{
    {"__multiplexer.pitch.sumator",
     {"Tilt: Surge to Pitch", "Angular Velocity: Pitch", "Tilt: Heave to Pitch", "Absolute Pitch",
      "Mixer: Heave to Pitch", "Mixer: Surge to Pitch", "Mixer: Road harshness to Pitch"}},
    {"__multiplexer.roll.sumator",
     {"Tilt: Sway to Roll", "Angular Velocity: Roll", "Absolute Roll", "Mixer: Sway to Roll",
      "Mixer: Yaw to Roll", "Enhancer: Sideslip To Roll"}},
    {"__multiplexer.yaw.sumator", {"AngularVelocity: Yaw", "Enhancer: Sideslip to Yaw"}},
    {"__multiplexer.surge.sumator", {"Surge", "Mixer: Road harshness to Surge"}},
    {"__multiplexer.sway.sumator", {"Sway", "Enhancer: Sideslip to Sway"}},
    {"__multiplexer.heave.sumator", {"Heave", "Enhancer: Road Harshness to Heave"}},
};

namespace {

const std::string degreeSign = "\u00b0";

int wordAt(const std::string& text, std::size_t& position) {
    char* end = nullptr;
    const long word = std::strtol(text.c_str() + position, &end, 10);
    if (end == text.c_str() + position || word < KEOOutputRecord::firstSignalWord ||
        word >= KEOOutputRecord::wordCount)
        throw std::invalid_argument("no signal word at: " + text.substr(position));
    position = std::size_t(end - text.c_str());
    return int(word);
}

void expect(const std::string& text, std::size_t& position, const std::string& what) {
    if (text.compare(position, what.size(), what) != 0)
        throw std::invalid_argument("expected '" + what + "' at: " + text.substr(position));
    position += what.size();
}

float seriesAt(const std::string& text, std::size_t& position, const KEOOutputRecord& record) {
    float value;
    if (text.compare(position, 4, "avg(") == 0) {
        position += 4;
        const float first = record.signal(wordAt(text, position));
        expect(text, position, ", ");
        const float second = record.signal(wordAt(text, position));
        expect(text, position, ")");
        value = (first + second) * 0.5f;
    } else {
        value = record.signal(wordAt(text, position));
    }
    if (text.compare(position, degreeSign.size(), degreeSign) == 0) {
        position += degreeSign.size();
        value *= 57.295776f;
    }
    return value;
}

} // namespace

std::vector<float> valuesFor(const std::string& series, const KEOOutputRecord& record) {
    std::vector<float> values;
    std::size_t position = 0;
    values.push_back(seriesAt(series, position, record));
    while (position < series.size()) {
        expect(series, position, ", ");
        values.push_back(seriesAt(series, position, record));
    }
    return values;
}

// A quadratic in the word index: no two words share a value, and the mean of two words a and b
// differs from the value of the word midway between them.
KEOOutputRecord distinctRecord(int variant, std::uint64_t timestampUs) {
    KEOOutputRecord record{};
    record.setTimestampUs(timestampUs);
    const float sign = variant == 0 ? 1.0f : -1.0f;
    const float base = variant == 0 ? 0.125f : 500.0f;
    for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word)
        record.setSignal(word, sign * (base + 0.37f * float(word) + 0.001f * float(word * word)));
    return record;
}

} // namespace expected
