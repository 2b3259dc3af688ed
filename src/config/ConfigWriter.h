#pragma once

#include "Config.h"
#include "Json.h"

// Writes the record as a format-version-1 document into `document` (expected null).
void writeConfig(const Config& config, Json& document);
