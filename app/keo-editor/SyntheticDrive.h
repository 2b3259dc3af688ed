#pragma once

#include <KEOUI64/OutputRecord.h>

// A stand-in for the motion-cueing algorithm while none runs behind the editor: a smooth,
// deterministic signal in every record word that the editor's graphs show, each with a frequency
// and phase of its own and a size that fits what the word carries, so that every graph shows
// something distinct and plausible. The two clusters drive differently.
namespace synthetic {

// What a word carries, in the algorithm's own units.
enum class Quantity {
    Unused,       // no graph shows the word: it stays 0
    Gate,         // unitless, between -1 and 1
    Acceleration, // m/s²
    Vibration,    // m/s², the road-harshness input: small and fast
    Velocity,     // m/s
    Travel,       // m
    SmallTravel,  // m, the road-harshness contributions
    Angle,        // rad
    AngularRate,  // rad/s
};

Quantity quantityOf(int word);

// The largest magnitude a word of that quantity reaches.
float peakOf(Quantity quantity);

// The signals of `cluster` (0 or 1) at `seconds` of simulated time; the time stamp is left alone.
void fillSignals(double seconds, int cluster, KEOOutputRecord& record);

} // namespace synthetic
