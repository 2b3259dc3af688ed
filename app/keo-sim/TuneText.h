#pragma once

#include "tune/Tuner.h"

#include <string>

// keo-sim --tune's text: the tunable parameters (--params help), and what a tuning did: the
// scores and constraints before and after per drive, the total, and the values it changed.
std::string parameterListText();
std::string tuneResultText(const tune::Problem& problem, const tune::Result& result);
