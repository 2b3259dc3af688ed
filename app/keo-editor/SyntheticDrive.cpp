#include "SyntheticDrive.h"

#include <cmath>

namespace synthetic {
namespace {

struct WordRange {
    int first;
    int last;
    Quantity quantity;
};

// What the algorithm's record words carry, grouped by the paths their graphs belong to: each path
// starts from an acceleration or angular rate of the vehicle and ends in a travel or an angle of
// the platform.
constexpr WordRange wordRanges[] = {
    {2, 2, Quantity::Gate},
    {3, 6, Quantity::Acceleration}, // surge, sway, heave inputs and the vertical tilt input
    {7, 9, Quantity::AngularRate},  // roll, pitch and yaw rate inputs
    {10, 11, Quantity::Angle},      // absolute pitch and roll inputs
    {12, 13, Quantity::Vibration},  // road-harshness inputs
    {14, 14, Quantity::Angle},      // sideslip angle
    // Longitudinal travel path: limited and filtered acceleration, velocity, travel.
    {15, 15, Quantity::Acceleration},
    {17, 18, Quantity::Acceleration},
    {19, 20, Quantity::Velocity},
    {21, 24, Quantity::Travel},
    // Lateral travel path.
    {25, 25, Quantity::Acceleration},
    {27, 28, Quantity::Acceleration},
    {29, 30, Quantity::Velocity},
    {31, 34, Quantity::Travel},
    // Vertical travel path.
    {35, 35, Quantity::Acceleration},
    {37, 38, Quantity::Acceleration},
    {39, 40, Quantity::Velocity},
    {41, 44, Quantity::Travel},
    // Tilt coordination: acceleration to tilt angle, for each axis.
    {45, 46, Quantity::Acceleration},
    {47, 50, Quantity::Angle},
    {51, 52, Quantity::Acceleration},
    {53, 56, Quantity::Angle},
    {57, 58, Quantity::Acceleration},
    {59, 62, Quantity::Angle},
    // Angular velocity paths: rate in, angle out.
    {63, 65, Quantity::AngularRate},
    {66, 69, Quantity::Angle},
    {70, 72, Quantity::AngularRate},
    {73, 76, Quantity::Angle},
    {77, 79, Quantity::AngularRate},
    {80, 83, Quantity::Angle},
    // Absolute pitch and roll, the mixer's angle contributions.
    {84, 97, Quantity::Angle},
    {98, 101, Quantity::SmallTravel}, // road harshness to surge
    {102, 105, Quantity::Angle},      // road harshness to pitch
    // Road harshness to heave.
    {106, 106, Quantity::Vibration},
    {107, 109, Quantity::SmallTravel},
    {110, 110, Quantity::Vibration},
    {111, 113, Quantity::SmallTravel},
    // Sideslip to yaw and to roll, then to sway.
    {114, 123, Quantity::Angle},
    {124, 124, Quantity::Travel},
    // Understeer: turning curves and their yaw and roll contributions, the pivot offset, yaw rate.
    {127, 137, Quantity::Angle},
    {138, 138, Quantity::Travel},
    {139, 140, Quantity::AngularRate},
    // Multiplexer inputs and outputs: roll, pitch, yaw, sway, heave, surge.
    {141, 143, Quantity::Angle},
    {144, 146, Quantity::Travel},
    {147, 149, Quantity::Angle},
    {150, 152, Quantity::Travel},
};

constexpr double goldenFraction = 0.6180339887498949;
constexpr double goldenAngle = 2.399963229728653;
constexpr double twoPi = 6.283185307179586;

double fraction(double x) {
    return x - std::floor(x);
}

// Vehicle motion lives between about 0.1 and 0.8 Hz, road harshness between 2 and 6 Hz.
double baseFrequencyOf(int word, Quantity quantity) {
    const bool fast = quantity == Quantity::Vibration || quantity == Quantity::SmallTravel;
    const double low = fast ? 2.0 : 0.1;
    const double high = fast ? 6.0 : 0.8;
    return low + (high - low) * fraction(word * goldenFraction);
}

// Two sines of unrelated frequencies, so that no two words and no two moments look alike; the
// second cluster is shifted in phase and somewhat smaller.
float signalOf(int word, Quantity quantity, double seconds, int cluster) {
    const double frequency = baseFrequencyOf(word, quantity);
    const double phase = word * goldenAngle + cluster * 1.3;
    const double size = peakOf(quantity) * (cluster == 1 ? 0.8 : 1.0);
    const double slow = std::sin(twoPi * frequency * seconds + phase);
    const double quick = std::sin(twoPi * frequency * 2.71 * seconds + 1.7 * phase);
    return float(size * (0.75 * slow + 0.25 * quick));
}

} // namespace

Quantity quantityOf(int word) {
    for (const WordRange& range : wordRanges)
        if (word >= range.first && word <= range.last)
            return range.quantity;
    return Quantity::Unused;
}

float peakOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Unused:
        return 0.0f;
    case Quantity::Gate:
        return 1.0f;
    case Quantity::Acceleration:
        return 3.0f;
    case Quantity::Vibration:
        return 1.0f;
    case Quantity::Velocity:
        return 0.6f;
    case Quantity::Travel:
        return 0.12f;
    case Quantity::SmallTravel:
        return 0.01f;
    case Quantity::Angle:
        return 0.07f; // about 4 degrees
    case Quantity::AngularRate:
        return 0.35f; // about 20 degrees per second
    }
    return 0.0f;
}

void fillSignals(double seconds, int cluster, KEOOutputRecord& record) {
    for (int word = KEOOutputRecord::firstSignalWord; word < KEOOutputRecord::wordCount; ++word) {
        const Quantity quantity = quantityOf(word);
        record.setSignal(
            word, quantity == Quantity::Unused ? 0.0f : signalOf(word, quantity, seconds, cluster));
    }
}

} // namespace synthetic
