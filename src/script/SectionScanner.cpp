#include "SectionScanner.h"

#include <exception>

namespace {

constexpr const char* prefixOrSuffixMissing = "Prefix or suffix not present";

// Where a section's body lies in a script. Both delimiters are searched from the start of the
// text, so a suffix that precedes its prefix makes the section malformed.
struct SectionLocation {
    bool hasPrefix = false;
    bool hasSuffix = false;
    std::size_t bodyBegin = 0;
    std::size_t bodyEnd = 0;

    bool absent() const { return !hasPrefix && !hasSuffix; }
    bool wellFormed() const { return hasPrefix && hasSuffix && bodyEnd >= bodyBegin; }
};

SectionLocation locateSection(const std::string& text, const SectionDelimiters& delimiters) {
    SectionLocation location;
    const std::size_t prefix = text.find(delimiters.prefix);
    const std::size_t suffix = text.find(delimiters.suffix);
    location.hasPrefix = prefix != std::string::npos;
    location.hasSuffix = suffix != std::string::npos;
    if (location.hasPrefix)
        location.bodyBegin = prefix + delimiters.prefix.size();
    if (location.hasSuffix)
        location.bodyEnd = suffix;
    return location;
}

ScriptResult checkLocation(const SectionLocation& location) {
    if (location.absent())
        return ScriptResult(SectionNotFound);
    if (!location.wellFormed())
        return ScriptResult(SyntaxError, prefixOrSuffixMissing);
    return ScriptResult(Success);
}

} // namespace

SectionDelimiters sectionDelimiters(int cluster) {
    switch (cluster) {
    case 0:
        return {"KEO(", ")KEO"};
    case 1:
        return {"KEO_C2(", ")KEO_C2"};
    default:
        return {};
    }
}

ScriptResult extractSection(const std::string& text, const SectionDelimiters& delimiters,
                            Json& document) {
    const SectionLocation location = locateSection(text, delimiters);
    ScriptResult result = checkLocation(location);
    if (!result.ok())
        return result;
    try {
        document = Json::parse(text.begin() + location.bodyBegin, text.begin() + location.bodyEnd);
    } catch (const std::exception& error) {
        return ScriptResult(SyntaxError, error.what());
    }
    return result;
}

ScriptResult replaceSection(std::string& text, const SectionDelimiters& delimiters,
                            const std::string& body) {
    const SectionLocation location = locateSection(text, delimiters);
    ScriptResult result = checkLocation(location);
    if (result.ok())
        text.replace(location.bodyBegin, location.bodyEnd - location.bodyBegin, body);
    return result;
}

std::string serializeSectionBody(const Json& document) {
    return document.dump(1, '\t', false, Json::error_handler_t::strict);
}
