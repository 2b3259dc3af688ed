#pragma once

#include "platform/WidePath.h"

// True when the file's bytes hold both delimiters of the first cluster's section, in any order.
// The file is read as stored (no line-end conversion) and not parsed.
bool containsScriptSection(const WidePath& path);
