#pragma once

#include "models/EditHistory.h"
#include "tune/Tuner.h"

#include <vector>

// The tuner's result as changes of the edited record, for one undoable step: each parameter the
// search moved, in parameter set `set`, from its value in `current` to the tuned one.
std::vector<EditHistory::Change> tunedChanges(const Config& current, const tune::Result& result,
                                              KEOParamSet::Enum set);
