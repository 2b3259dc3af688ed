#pragma once

#include "Drive.h"
#include "InputSignals.h"

#include <memory>
#include <vector>

// Recorded samples as a drive, whatever file they came from: the times of the samples and, per
// signal the recording gives, its values at those times, already in SI units and radians with the
// engine's signs. Every sample passes the engine's input check before anything interpolates
// between samples; the drive interpolates linearly, counts time from the first sample and holds
// the last one beyond its end. Signals the recording does not give stay at rest.
namespace engine::drive {

struct RecordedSignal {
    const InputSignal* signal;
    std::vector<double> values; // one per sample time
};

// `times` must increase and hold at least two samples; every signal as many values.
std::unique_ptr<Drive> makeRecordedDrive(std::vector<double> times,
                                         std::vector<RecordedSignal> recorded);

} // namespace engine::drive
