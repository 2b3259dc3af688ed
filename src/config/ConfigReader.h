#pragma once

#include "Config.h"
#include "Json.h"

// Reading a configuration document of format version 0 or 1. Every fault is thrown; on a throw
// the target is partly written, so callers read into a scratch record.

void readConfig(const Json& document, Config& config);
void readConfigV0(const Json& document, Config& config);
void readConfigV1(const Json& document, Config& config);
void readAxisBypassFlags(const Json& axis, AxisConfig& config);
