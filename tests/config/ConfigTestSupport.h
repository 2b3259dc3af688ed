#pragma once

#include "config/Config.h"
#include "config/Json.h"
#include "support/ErrorText.h"
#include "support/RecordValues.h"

#include <string>

// A smallest version-0 document: only the three axes with their required keys.
Json minimalV0Document();

// The document the writer makes of `config`.
Json writtenDocument(const Config& config);

// `document` read into a record full of other values, so that stale contents that survive the
// read show; and the message a failing read throws.
Config readOverStale(const Json& document);
std::string readError(const Json& document);

// The starts of the JSON library's messages that the readers pass on.
inline const std::string missingKey = "[json.exception.out_of_range.403] key '";
inline const std::string mustBe = "[json.exception.type_error.302] type must be ";
inline const std::string cannotAt = "[json.exception.type_error.304] cannot use at() with ";
