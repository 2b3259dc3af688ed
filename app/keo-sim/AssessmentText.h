#pragma once

#include "cueing/FrequencyResponse.h"
#include "cueing/Scores.h"

#include <string>

// The assessment as keo-sim prints it after its report: per channel the perceived error against
// no motion, how closely the platform follows (correlation, gain, delay) and the false and missing
// cues; the rotation of the tilt felt as rotation; the knocks at the final limits; and each
// direct response's point on the Sinacori–Schroeder diagram at 1 rad/s.
std::string assessmentText(const cueing::Scores& scores, const cueing::FrequencyResponse& response);
