#pragma once

#include "EnvelopeReport.h"

#include <string>

// The report as keo-sim prints it: the platform's position, velocity and acceleration per degree
// of freedom beside their limits, the rotation the rider is not meant to feel beside the tilt rate
// limits, then the drive's length, the time outside and the verdict, each on a line of its own.
std::string reportText(const EnvelopeReport& report);
