#pragma once

#include "Blocks.h"
#include "Json.h"

#include <string>

// JSON encoding of the processing blocks. Readers throw the JSON library's exceptions or
// std::runtime_error with the program's texts; writers never fail.

FloatPair readFloatPair(const Json& value);
FilterConfig readFilterConfig(const Json& value);
FilterConfig readCutoffOnlyFilter(const Json& value, KEOFilterType::Enum type);
Limitation readLimitation(const Json& value);
SignalLimitation readSignalLimitation(const Json& value);

KEOFilterType::Enum filterTypeFromName(const std::string& name);
KEOLimitationType::Enum limitationTypeFromName(const std::string& name);
const char* filterTypeName(KEOFilterType::Enum type);
const char* limitationTypeName(KEOLimitationType::Enum type);

Json writeFloatPair(const FloatPair& pair);
Json writeFilterConfig(const FilterConfig& filter);
Json writeCutoffOnlyFilter(const FilterConfig& filter);
Json writeLimitation(const Limitation& limitation);
Json writeSignalLimitation(const SignalLimitation& limitation);
