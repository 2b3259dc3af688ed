#pragma once

#include "ScriptResult.h"
#include "config/Json.h"

#include <string>

// Configuration sections embedded in a source file, between delimiters shaped like those of a raw
// string literal: "KEO(" ... ")KEO" for cluster 0 and "KEO_C2(" ... ")KEO_C2" for cluster 1.

struct SectionDelimiters {
    std::string prefix;
    std::string suffix;
};

// Delimiters of cluster 0 or 1; two empty strings for any other index.
SectionDelimiters sectionDelimiters(int cluster);

// Parses the section body into `document` (left unchanged on failure).
ScriptResult extractSection(const std::string& text, const SectionDelimiters& delimiters,
                            Json& document);

// Replaces the section body by `body`; the text is unchanged on failure.
ScriptResult replaceSection(std::string& text, const SectionDelimiters& delimiters,
                            const std::string& body);

// The section body written on save: TAB-indented, no trailing line feed.
std::string serializeSectionBody(const Json& document);
