#pragma once

#include "config/Config.h"

#include <QVariantList>

// The numbers the tuner may change, as the tune panel lists them: per parameter its name, the
// page and "block: label" it has there, the page's unit, the range a search explores and the
// value now (both in the page's unit), and whether the tuner would choose it by default for the
// configuration's parameter set `set`.
QVariantList tuneParameterRows(const Config& config, KEOParamSet::Enum set);
