#include "RoutingTable.h"

#include "platform/Units.h"

namespace routing {
namespace {

constexpr SeriesSource word(int index) {
    return {std::int16_t(index), -1, false};
}
constexpr SeriesSource deg(int index) {
    return {std::int16_t(index), -1, true};
}
constexpr SeriesSource avg(int first, int second) {
    return {std::int16_t(first), std::int16_t(second), false};
}
constexpr SeriesSource avgDeg(int first, int second) {
    return {std::int16_t(first), std::int16_t(second), true};
}

template <std::size_t N>
constexpr GraphRoute route(const char* objectName, const SeriesSource (&series)[N]) {
    static_assert(N >= 1 && N <= maxSeriesPerGraph, "a graph shows one to seven series");
    GraphRoute result;
    result.objectName = objectName;
    result.seriesCount = int(N);
    for (std::size_t i = 0; i < N; ++i)
        result.series[i] = series[i];
    return result;
}

// Single precision throughout, as the algorithm computes its own signals.
float valueOf(const SeriesSource& source, const KEOOutputRecord& record) {
    float value = record.signal(source.word);
    if (source.otherWord >= 0)
        value = (value + record.signal(source.otherWord)) * 0.5f;
    return source.degrees ? value * degreesPerRadian : value;
}

// word(n): record word n; deg(n): word n in degrees; avg(a, b): the mean of words a and b.
// Most graphs show their block's input and output, in that order.
constexpr std::array<GraphRoute, graphCount> routes{{
    // Lateral axis: travel, tilt coordination and angular velocity paths.
    route("__lateral.travel.accelerationLimit", {word(4), word(25)}),                // 0
    route("__lateral.travel.accelerationFilter", {word(27), word(28)}),              // 1
    route("__lateral.travel.accToVelocity", {word(28), word(29)}),                   // 2
    route("__lateral.travel.velocityFilter", {word(29), word(30)}),                  // 3
    route("__lateral.travel.velocityToTravel", {word(30), word(31)}),                // 4
    route("__lateral.travel.travelFilter", {word(31), word(32)}),                    // 5
    route("__lateral.outputTravelFilter", {word(32), word(33)}),                     // 6
    route("__lateral.outputTravelLimit", {word(33), word(34)}),                      // 7
    route("__lateral.tiltCoordination.accelerationLimit", {word(4), word(51)}),      // 8
    route("__lateral.tiltCoordination.accelerationFilter", {word(51), word(52)}),    // 9
    route("__lateral.tiltCoordination.accToAngle", {word(52), deg(53)}),             // 10
    route("__lateral.tiltCoordination.angleRateLimit", {deg(53), deg(54)}),          // 11
    route("__lateral.tiltCoordination.outputFilter", {deg(54), deg(55)}),            // 12
    route("__lateral.tiltCoordination.outputLimit", {deg(55), deg(56)}),             // 13
    route("__lateral.angularVelocity.inputLimit", {deg(7), deg(63)}),                // 14
    route("__lateral.angularVelocity.velocityFilter", {deg(64), deg(65)}),           // 15
    route("__lateral.angularVelocity.velocityToAngle", {deg(65), deg(66), word(2)}), // 16
    route("__lateral.angularVelocity.angleFilter", {deg(66), deg(67)}),              // 17
    route("__lateral.angularVelocity.outputAngleFilter", {deg(67), deg(68)}),        // 18
    route("__lateral.angularVelocity.outputAngleLimit", {deg(68), deg(69)}),         // 19

    // Longitudinal axis.
    route("__longitudinal.travel.accelerationLimit", {word(3), word(15)}),                // 20
    route("__longitudinal.travel.accelerationFilter", {word(17), word(18)}),              // 21
    route("__longitudinal.travel.accToVelocity", {word(18), word(19)}),                   // 22
    route("__longitudinal.travel.velocityFilter", {word(19), word(20)}),                  // 23
    route("__longitudinal.travel.velocityToTravel", {word(20), word(21)}),                // 24
    route("__longitudinal.travel.travelFilter", {word(21), word(22)}),                    // 25
    route("__longitudinal.outputTravelFilter", {word(22), word(23)}),                     // 26
    route("__longitudinal.outputTravelLimit", {word(23), word(24)}),                      // 27
    route("__longitudinal.tiltCoordination.accelerationLimit", {word(3), word(45)}),      // 28
    route("__longitudinal.tiltCoordination.accelerationFilter", {word(45), word(46)}),    // 29
    route("__longitudinal.tiltCoordination.accToAngle", {word(46), deg(47)}),             // 30
    route("__longitudinal.tiltCoordination.angleRateLimit", {deg(47), deg(48)}),          // 31
    route("__longitudinal.tiltCoordination.outputFilter", {deg(48), deg(49)}),            // 32
    route("__longitudinal.tiltCoordination.outputLimit", {deg(49), deg(50)}),             // 33
    route("__longitudinal.angularVelocity.inputLimit", {deg(8), deg(70)}),                // 34
    route("__longitudinal.angularVelocity.velocityFilter", {deg(71), deg(72)}),           // 35
    route("__longitudinal.angularVelocity.velocityToAngle", {deg(72), deg(73), word(2)}), // 36
    route("__longitudinal.angularVelocity.angleFilter", {deg(73), deg(74)}),              // 37
    route("__longitudinal.angularVelocity.outputAngleFilter", {deg(74), deg(75)}),        // 38
    route("__longitudinal.angularVelocity.outputAngleLimit", {deg(75), deg(76)}),         // 39

    // Vertical axis.
    route("__vertical.travel.accelerationLimit", {word(5), word(35)}),                // 40
    route("__vertical.travel.accelerationFilter", {word(37), word(38)}),              // 41
    route("__vertical.travel.accToVelocity", {word(38), word(39)}),                   // 42
    route("__vertical.travel.velocityFilter", {word(39), word(40)}),                  // 43
    route("__vertical.travel.velocityToTravel", {word(40), word(41)}),                // 44
    route("__vertical.travel.travelFilter", {word(41), word(42)}),                    // 45
    route("__vertical.outputTravelFilter", {word(42), word(43)}),                     // 46
    route("__vertical.outputTravelLimit", {word(43), word(44)}),                      // 47
    route("__vertical.tiltCoordination.accelerationLimit", {word(6), word(57)}),      // 48
    route("__vertical.tiltCoordination.accelerationFilter", {word(57), word(58)}),    // 49
    route("__vertical.tiltCoordination.accToAngle", {word(58), deg(59)}),             // 50
    route("__vertical.tiltCoordination.angleRateLimit", {deg(59), deg(60)}),          // 51
    route("__vertical.tiltCoordination.outputFilter", {deg(60), deg(61)}),            // 52
    route("__vertical.tiltCoordination.outputLimit", {deg(61), deg(62)}),             // 53
    route("__vertical.angularVelocity.inputLimit", {deg(9), deg(77)}),                // 54
    route("__vertical.angularVelocity.velocityFilter", {deg(78), deg(79)}),           // 55
    route("__vertical.angularVelocity.velocityToAngle", {deg(79), deg(80), word(2)}), // 56
    route("__vertical.angularVelocity.angleFilter", {deg(80), deg(81)}),              // 57
    route("__vertical.angularVelocity.outputAngleFilter", {deg(81), deg(82)}),        // 58
    route("__vertical.angularVelocity.outputAngleLimit", {deg(82), deg(83)}),         // 59

    // Absolute pitch and roll.
    route("__absolute.pitch.inLimit", {deg(10), deg(84)}),      // 60
    route("__absolute.pitch.outputFilter", {deg(84), deg(85)}), // 61
    route("__absolute.pitch.outputLimit", {deg(85), deg(86)}),  // 62
    route("__absolute.roll.inLimit", {deg(11), deg(87)}),       // 63
    route("__absolute.roll.outputFilter", {deg(87), deg(88)}),  // 64
    route("__absolute.roll.outputLimit", {deg(88), deg(89)}),   // 65

    // DoF mixer.
    route("__mixer.swayToRoll.outputFilter", {deg(32), deg(90)}),   // 66
    route("__mixer.swayToRoll.outputLimit", {deg(90), deg(91)}),    // 67
    route("__mixer.yawToRoll.outputFilter", {deg(81), deg(92)}),    // 68
    route("__mixer.yawToRoll.outputLimit", {deg(92), deg(93)}),     // 69
    route("__mixer.surgeToPitch.outputFilter", {deg(22), deg(94)}), // 70
    route("__mixer.surgeToPitch.outputLimit", {deg(94), deg(95)}),  // 71
    route("__mixer.heaveToPitch.outputFilter", {deg(42), deg(96)}), // 72
    route("__mixer.heaveToPitch.outputLimit", {deg(96), deg(97)}),  // 73
    route("__mixer.roadHarshnessToSurge.outputFilter",
          {deg(107), deg(98), deg(111), deg(100)}),                                            // 74
    route("__mixer.roadHarshnessToSurge.outputLimit", {deg(98), deg(99), deg(100), deg(101)}), // 75
    route("__mixer.roadHarshnessToPitch.outputFilter",
          {deg(107), deg(102), deg(111), deg(104)}), // 76
    route("__mixer.roadHarshnessToPitch.outputLimit",
          {deg(102), deg(103), deg(104), deg(105)}), // 77

    // Enhancer: road harshness and sideslip.
    route("__enhancer.roadHarshnessToHeave.inLimit",
          {word(12), word(106), word(13), word(110)}), // 78
    route("__enhancer.roadHarshnessToHeave.highpassFilter",
          {word(106), word(107), word(110), word(111)}), // 79
    route("__enhancer.roadHarshnessToHeave.outputFilter",
          {word(107), word(108), word(111), word(112)}), // 80
    route("__enhancer.roadHarshnessToHeave.outputLimit",
          {word(108), word(109), word(112), word(113)}),                     // 81
    route("__enhancer.sideslipToYaw.inLimit", {deg(14), deg(114)}),          // 82
    route("__enhancer.sideslipToYaw.maximumRate", {deg(114), deg(115)}),     // 83
    route("__enhancer.sideslipToYaw.highpassFilter", {deg(115), deg(116)}),  // 84
    route("__enhancer.sideslipToYaw.outputFilter", {deg(115), deg(117)}),    // 85
    route("__enhancer.sideslipToYaw.outputLimit", {deg(117), deg(118)}),     // 86
    route("__enhancer.sideslipToRoll.inLimit", {deg(14), deg(119)}),         // 87
    route("__enhancer.sideslipToRoll.maximumRate", {deg(119), deg(120)}),    // 88
    route("__enhancer.sideslipToRoll.highpassFilter", {deg(120), deg(121)}), // 89
    route("__enhancer.sideslipToRoll.outputFilter", {deg(120), deg(122)}),   // 90
    route("__enhancer.sideslipToRoll.outputLimit", {deg(122), deg(123)}),    // 91
    route("__enhancer.sideslipToSway", {deg(118), word(124)}),               // 92

    // Understeer.
    route("__understeer.intendedTurningCurveLowpassFilter", {deg(127), deg(130)}),    // 93
    route("__understeer.deltaTurningCurveRateLimit", {deg(131), deg(132), deg(130)}), // 94
    route("__understeer.toYawOutputFilter", {deg(133), deg(134)}),                    // 95
    route("__understeer.toYawOutputLimitation", {deg(134), deg(135)}),                // 96
    route("__understeer.toRollOutputFilter", {deg(133), deg(136)}),                   // 97
    route("__understeer.toRollOutputLimitation", {deg(136), deg(137)}),               // 98
    route("__understeer.pivotPointLongitudinalOffset", {deg(135), word(138)}),        // 99
    route("__understeer.yawRateLowpassFilter", {deg(139), deg(140)}),                 // 100
    route("__understeer.actualTurningCurveLowpassFilter", {deg(128), deg(129)}),      // 101

    // Multiplexer: the contributions summed per degree of freedom, in caption order, then the final
    // limits.
    route("__multiplexer.pitch.sumator",
          {deg(50), deg(76), deg(62), deg(86), deg(97), deg(95), avgDeg(103, 105)}), // 102
    route("__multiplexer.roll.sumator",
          {deg(56), deg(69), deg(89), deg(91), deg(93), deg(123)}),   // 103
    route("__multiplexer.yaw.sumator", {deg(83), deg(118)}),          // 104
    route("__multiplexer.surge.sumator", {word(24), avg(99, 101)}),   // 105
    route("__multiplexer.sway.sumator", {word(34), word(124)}),       // 106
    route("__multiplexer.heave.sumator", {word(44), avg(109, 113)}),  // 107
    route("__multiplexer.pitch.outputLimit", {deg(142), deg(148)}),   // 108
    route("__multiplexer.roll.outputLimit", {deg(141), deg(147)}),    // 109
    route("__multiplexer.yaw.outputLimit", {deg(143), deg(149)}),     // 110
    route("__multiplexer.surge.outputLimit", {word(146), word(152)}), // 111
    route("__multiplexer.sway.outputLimit", {word(144), word(150)}),  // 112
    route("__multiplexer.heave.outputLimit", {word(145), word(151)}), // 113
}};

constexpr bool sameText(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

static_assert(sameText(routes[pitchSumRoute].objectName, "__multiplexer.pitch.sumator") &&
                  sameText(routes[heaveSumRoute].objectName, "__multiplexer.heave.sumator"),
              "the summation routes are where their captions expect them");

} // namespace

const std::array<GraphRoute, graphCount> graphRoutes = routes;

int routeValues(const GraphRoute& route, const KEOOutputRecord& record, float* values) {
    for (int i = 0; i < route.seriesCount; ++i)
        values[i] = valueOf(route.series[i], record);
    return route.seriesCount;
}

} // namespace routing
