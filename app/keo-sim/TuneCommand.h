#pragma once

#include "SimOptions.h"
#include "script/ScriptFile.h"

// keo-sim --tune: tunes the chosen values of one parameter set of the options' cluster on the
// options' drives, writes the script with the tuned set to --write and prints the scores before
// and after. Returns the exit status: 0 when the tuned set fits the platform on every drive, 1
// when it does not, 2 for bad input (with the reason on stderr).
int runTune(const SimOptions& options, const ConfigMap& configs);
